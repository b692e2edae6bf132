#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/inotify.h>
#include <unistd.h>

#include "ClasseComplete.h"
#include "Classeur.h"
#include "Csv.h"
#include "Fabrique.h"
#include "FichierAtomique.h"
#include "Formules.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

using Table = std::vector<std::vector<std::string>>;

// Rows of cells: Gnumeric's CSV (commas, quotes around the cells that need them) or the
// export (tabs, a CR at each line's end).
Table couper(std::istream&& in, char separateur, char fin) {
    Table t;
    for (std::string ligne; std::getline(in, ligne, fin);) {
        std::vector<std::string> cellules(1);
        bool cite = false;
        for (std::size_t i = 0; i < ligne.size(); ++i) {
            const char ch = ligne[i];
            if (cite && ch == '"' && i + 1 < ligne.size() && ligne[i + 1] == '"')
                cellules.back() += ligne[++i];
            else if (ch == '"')
                cite = !cite;
            else if (ch == separateur && !cite)
                cellules.emplace_back();
            else
                cellules.back() += ch;
        }
        t.push_back(cellules);
    }
    return t;
}

bool nombre(const std::string& t, double& v) {
    char* fin = nullptr;
    v = std::strtod(t.c_str(), &fin);
    return !t.empty() && *fin == '\0';
}

class ClasseurTest : public test::ModeleTest {
protected:
    void SetUp() override {
        ModeleTest::SetUp();
        dossier_ = fs::temp_directory_path() / ("quillora-tableur-" + std::to_string(::getpid()));
        fs::create_directories(dossier_ / "tmp");
        ::setenv("TMPDIR", (dossier_ / "tmp").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("TMPDIR");
        fs::remove_all(dossier_);
        ModeleTest::TearDown();
    }

    // Every sheet as Gnumeric reads it: the cached results, or all formulas recomputed.
    std::vector<Table> lire(const fs::path& classeur, bool recalcul) {
        const auto base = (dossier_ / classeur.stem()).string() + (recalcul ? "r.csv" : "c.csv");
        const std::string commande = std::string("ssconvert -S ") + (recalcul ? "--recalc " : "") +
                                     "'" + classeur.string() + "' '" + base + "' 2>/dev/null";
        EXPECT_EQ(std::system(commande.c_str()), 0) << commande;
        std::vector<Table> r;
        for (int i = 0; fs::exists(base + "." + std::to_string(i)); ++i)
            r.push_back(couper(std::ifstream(base + "." + std::to_string(i)), ',', '\n'));
        return r;
    }

    // Writes the workbook, checks that every recomputed cell equals its cached value and
    // that the year synthesis, rounded as the program rounds, is the exported one.
    void verifier(const TClasse& c, const std::string& nom) {
        SCOPED_TRACE(nom);
        const fs::path f = dossier_ / (nom + ".xlsx");
        ASSERT_TRUE(EcrireClasseur(c, f.string()));
        const std::vector<Table> cache = lire(f, false), recalcul = lire(f, true);
        ASSERT_EQ(cache.size(), c.NbMatiere + 2u);
        ASSERT_EQ(recalcul.size(), cache.size());
        int nombres = 0;
        for (std::size_t s = 0; s < cache.size(); ++s)
            for (std::size_t l = 0; l < cache[s].size(); ++l)
                for (std::size_t k = 0; k < cache[s][l].size(); ++k) {
                    const std::string &a = cache[s][l][k], &b = recalcul[s][l].at(k);
                    double x, y;
                    EXPECT_TRUE(nombre(a, x) && nombre(b, y) && ++nombres ? std::abs(x - y) <= 1e-9
                                                                          : a == b)
                        << a << " / " << b << ", feuille " << s << " ligne " << l << " col " << k;
                }
        EXPECT_GT(nombres, c.NbEleve * c.NbMatiere * 2);

        // The synthesis sheet's year block against the export of the view 4,4.
        const Table& synthese = recalcul[c.NbMatiere];
        const Table export44 =
            couper(std::istringstream(Utf8DepuisCp1252(TexteExport(c, 4, 4))), '\t', '\r');
        const int m = c.NbMatiere, annee = 2 + c.NbPeriode * (m + 3);
        for (int e = 1; e <= c.NbEleve + 1; ++e) {
            const auto& attendu = export44.at(2 + e);
            const auto& ligne = synthese.at(3 + e);
            // Each subject's rounded average, then the rounded general one.
            for (int i = 1; i <= m + 1; ++i) {
                double v;
                const std::string& t = ligne.at(annee + i - (i <= m ? 1 : 0));
                EXPECT_EQ(!nombre(t, v) ? t
                          : i <= m      ? FormatArrondi(c.ModeArrondi, v)
                                        : FormatNote(v),
                          attendu.at(i))
                    << e;
            }
        }
    }

    fs::path dossier_;
};

TEST_F(ClasseurTest, LesFormulesRecalculeesRetrouventLesMoyennesDuProgramme) {
    for (const char* exemple : {"3A", "TS2"}) {
        TClasse c;
        c.Initialiser();
        c.NomFichier = test::cheminSource(std::string("exemples/") + exemple + ".cl3");
        ASSERT_TRUE(c.Charger());
        verifier(c, exemple);
    }
    // The fullest class, with what the averages treat apart: an assignment of coefficient 0,
    // equal lowest grades of different weights (the joker drops the first), a student with
    // no grade, a comma decimal, empty cells, and then an empty letter key while letters
    // count, which gives them nothing; every rounding mode, letters counted or not.
    TClasse c = ClasseComplete();
    c.Devoir[1][1][3].Coef = 0;
    c.Eleve[44].Note[1][1][1] = "5";
    c.Eleve[44].Note[1][1][2] = "5";
    for (int a = 1; a <= 24; ++a) c.Eleve[45].Note[2][2][a] = "abs";
    c.Eleve[43].Note[3][1][1] = "12,5";
    for (int mode = 0; mode <= 6; ++mode) {
        Options.utiliserL = mode % 2 == 0;
        Options.cores[15].coresL = mode == 4 ? "" : "E-";
        c.ModeArrondi = static_cast<std::uint8_t>(mode);
        verifier(c, "complete" + std::to_string(mode));
    }
}

TEST_F(ClasseurTest, UnEchecLeDitEtNeLaisseAucunDemiFichier) {
    TClasse c = ClasseComplete();
    const fs::path dossier = dossier_ / "classeurs";
    fs::create_directories(dossier / "3A.xlsx");
    const std::vector<std::pair<fs::path, std::string>> cas = {
        {dossier / "3A.xlsx", "C'est un dossier, pas un fichier."},
        {dossier_ / "absent" / "3A.xlsx", "Le fichier ou le dossier est introuvable."},
    };
    for (const auto& [chemin, raison] : cas) {
        const Resultat r = EcrireClasseur(c, chemin.string());
        EXPECT_FALSE(r);
        EXPECT_EQ(r.erreur,
                  "Impossible de créer le fichier \"" + chemin.string() + "\". " + raison);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), {}), 1);
    EXPECT_TRUE(fs::is_empty(dossier_ / "tmp"));
}

// The workbook and its parts are made without names, in memory, so that a write killed
// half-way leaves nothing: the only names that appear are the workbook's and, while it
// replaces an older one, the program's own recognisable one.
TEST_F(ClasseurTest, RienDeProvisoireNePorteUnNomInconnu) {
    const fs::path dossier = dossier_ / "classeurs";
    fs::create_directories(dossier);
    const int surveillance = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    for (const fs::path& d : {dossier, dossier_ / "tmp"})
        ASSERT_GE(::inotify_add_watch(surveillance, d.c_str(), IN_CREATE | IN_MOVED_TO), 0);
    for (int fois = 0; fois < 2; ++fois)
        ASSERT_TRUE(EcrireClasseur(ClasseComplete(), (dossier / "3A.xlsx").string()));
    std::set<std::string> noms;
    alignas(inotify_event) char tampon[8192];
    for (ssize_t n; (n = ::read(surveillance, tampon, sizeof tampon)) > 0;)
        for (ssize_t i = 0; i < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(tampon + i);
            const std::string nom = e->len ? e->name : "";
            noms.insert(EstNomProvisoire(nom) ? "(provisoire)" : nom);
            i += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
    ::close(surveillance);
    EXPECT_EQ(noms, (std::set<std::string>{"3A.xlsx", "(provisoire)"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), {}), 1);
}

TEST_F(ClasseurTest, LeCsvSuitLesUsagesFrancais) {
    TClasse c = test::classeAvecNotes({{"12.5", "abs", "8"}, {"-0.25", "B+", ""}});
    c.AbrevClasse = "3A";
    c.Eleve[1].Nom = "D'ARC; \"JEANNE\"";
    c.Eleve[1].Prenom = cp1252("Zoé");
    Options.textebas = false;
    EXPECT_EQ(TexteCsv(c, 1, 1), "\xEF\xBB\xBF"
                                 "3A / Matière 1 / Trim.1 \r\n"
                                 "\"D'ARC; \"\"JEANNE\"\" Zoé\";12,5;abs;8;10,2\r\n"
                                 "ELEVE2 ;-0,25;B+;;8,6\r\n"
                                 ";6,1;17,5;8;9,4\r\n");
}

} // namespace
