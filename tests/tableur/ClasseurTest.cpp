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

// Sheets by name, rows as Gnumeric writes them: cells between '|', never quoted.
using Feuilles = std::vector<std::pair<std::string, std::vector<std::string>>>;

// Rows [debut, fin) of a sheet, each ended by a line feed.
std::string lignes(const std::pair<std::string, std::vector<std::string>>& feuille, int debut,
                   int fin) {
    std::string t;
    for (int l = debut; l < fin; ++l) t += feuille.second.at(l) + "\n";
    return t;
}

std::vector<std::string> cellules(const std::string& ligne) {
    std::vector<std::string> r(1);
    for (char ch : ligne) ch == '|' ? r.emplace_back() : r.back() += ch;
    return r;
}

bool nombre(const std::string& t, double& v) {
    char* fin = nullptr;
    v = std::strtod(t.c_str(), &fin);
    return !t.empty() && *fin == '\0';
}

class ClasseurTest : public test::DossierTest {
protected:
    void SetUp() override {
        DossierTest::SetUp();
        fs::create_directories(dossier / "tmp");
        ::setenv("TMPDIR", (dossier / "tmp").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("TMPDIR");
        DossierTest::TearDown();
    }

    // Every sheet as Gnumeric reads it: the cached results or all formulas recomputed, the
    // values themselves or as their formats show them.
    Feuilles lire(const fs::path& classeur, bool recalcul, bool vu) {
        const fs::path d =
            dossier / (classeur.stem().string() + (recalcul ? "r" : "c") + (vu ? "v" : ""));
        fs::create_directories(d);
        const std::string commande =
            "ssconvert --export-type=Gnumeric_stf:stf_assistant -S " +
            std::string(recalcul ? "--recalc " : "") + "-O 'separator=| quoting-mode=never " +
            (vu ? "format=preserve' '" : "format=raw' '") + classeur.string() + "' '" +
            (d / "%n_%s.csv").string() + "' 2>/dev/null";
        EXPECT_EQ(std::system(commande.c_str()), 0) << commande;
        Feuilles r(std::distance(fs::directory_iterator(d), {}));
        for (const auto& f : fs::directory_iterator(d)) {
            const std::string nom = f.path().filename().string();
            const std::size_t i = std::stoul(nom), t = nom.find('_') + 1;
            r.at(i).first = nom.substr(t, nom.size() - t - 4);
            std::ifstream in(f.path());
            for (std::string ligne; std::getline(in, ligne);)
                r.at(i).second.push_back(ligne.erase(ligne.find_last_not_of('|') + 1));
        }
        return r;
    }

    // Writes the workbook and checks that every recomputed cell equals its cached value, to
    // within the rounding of the 16 digits Gnumeric writes (the two may differ in the last
    // bit, which a value shown to two decimals can round either way).
    fs::path verifier(const TClasse& c, const std::string& nom) {
        SCOPED_TRACE(nom);
        const fs::path f = dossier / (nom + ".xlsx");
        EXPECT_TRUE(EcrireClasseur(c, f.string()));
        const Feuilles cache = lire(f, false, false), recalcul = lire(f, true, false);
        EXPECT_EQ(cache.size(), c.NbMatiere + 2u);
        for (std::size_t s = 0; s < std::min(cache.size(), recalcul.size()); ++s)
            for (std::size_t l = 0; l < cache[s].second.size(); ++l) {
                const auto a = cellules(cache[s].second[l]), b = cellules(recalcul[s].second[l]);
                for (std::size_t k = 0; k < std::max(a.size(), b.size()); ++k) {
                    const std::string x = k < a.size() ? a[k] : "", y = k < b.size() ? b[k] : "";
                    double u, v;
                    EXPECT_TRUE(nombre(x, u) && nombre(y, v) ? std::abs(u - v) <= 1e-9 : x == y)
                        << x << " / " << y << ", feuille " << s << " ligne " << l;
                }
            }
        return f;
    }
};

TEST_F(ClasseurTest, LesFormulesRecalculeesRetrouventLesMoyennesDuProgramme) {
    // The fullest class, with what the averages treat apart: an assignment of coefficient 0,
    // equal lowest grades of different weights (the joker drops the first), a student with
    // no grade, a comma decimal, empty cells, a period without assignments, and then an
    // empty letter key while letters count, which gives them nothing; every rounding mode,
    // letters counted or not.
    TClasse c = ClasseComplete();
    c.NbDevoir[3][2] = 0;
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

// Two students, two subjects, two semesters: every figure below is worked out by hand.
TEST_F(ClasseurTest, UnePetiteClasseCelluleParCellule) {
    TClasse c = test::classeAvecNotes({{"12", "15"}, {"8", "abs"}}, {1, 2});
    c.AbrevClasse = "4B";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.NbPeriode = c.NbMatiere = 2;
    for (auto [e, nom, prenom] : {std::tuple(1, "DURAND", "Zoé"), std::tuple(2, "MARTIN", "Léo")})
        c.Eleve[e].Nom = nom, c.Eleve[e].Prenom = cp1252(prenom);
    c.Matiere[1].Nom = cp1252("Mathématiques");
    c.Matiere[1].Coef[1] = 2;
    c.Matiere[2].Nom = "Anglais/LV1";
    c.Devoir[1][1][1].Date = "12/10/2026";
    c.Devoir[1][1][1].Duree = "1h";
    c.Devoir[1][1][1].Commentaire = "Fractions";
    test::noter(c, 1, 2, {{"B+"}, {"9.5"}}); // B+ is 17.5
    test::noter(c, 2, 1, {{"14"}, {"10"}});
    Options.couleur[9] = 0x00FF00; // averages below the pass mark green, grades red
    const fs::path classeur = verifier(c, "petite");
    const Feuilles f = lire(classeur, true, true);
    // Below the pass mark, grades and averages take the settings' colours.
    const fs::path styles = dossier / "styles.xml";
    ASSERT_EQ(std::system(("python3 -c \"import sys, zipfile; sys.stdout.write(zipfile.ZipFile("
                           "sys.argv[1]).read('xl/styles.xml').decode())\" " +
                           classeur.string() + " > " + styles.string())
                              .c_str()),
              0);
    std::ifstream lu(styles);
    const std::string xml{std::istreambuf_iterator<char>(lu), {}};
    EXPECT_NE(xml.find("<dxfs count=\"2\"><dxf><font><color rgb=\"FFFF0000\"/></font></dxf><dxf>"
                       "<font><color rgb=\"FF00FF00\"/></font></dxf></dxfs>"),
              std::string::npos)
        << xml;
    EXPECT_EQ(f.at(0).first + ", " + f.at(1).first + ", " + f.at(2).first + ", " + f.at(3).first,
              "Mathématiques, Anglais_LV1, Synthèse, Réglages");
    // As the sheets show them. Mathematics, semester 1: (12 + 2 * 15) / 3 = 14 and 8 alone;
    // semester 2: B+ (17.5) and 9.5; the year weighs them 2 and 1: (2 * 14 + 17.5) / 3 =
    // 15.17 and (2 * 8 + 9.5) / 3 = 8.5. English has nothing in semester 2 ("?"): its year
    // is semester 1's. The synthesis weighs the subjects 2 and 1 in semester 1:
    // (2 * 8 + 10) / 3 = 8.67, and 3 and 2 over the year: (3 * 15.17 + 2 * 14) / 5 = 14.7
    // and (3 * 8.5 + 2 * 10) / 5 = 9.1. The year's sums and weights apart, then the class's
    // means.
    EXPECT_EQ(lignes(f[0], 0, 10),
              "4B / Mathématiques ( 2026 / 2027 )\n"
              "||Semestre 1|||||Semestre 2||||Année|||Calcul, Sem. 1|||Calcul, Sem. 2|||"
              "Année, réels de 6 octets\n"
              "|Coef.|1|2|2|||1|1\n|Date|12/10/2026\n|Durée|1h\n|Commentaire|Fractions\n"
              "N°|Élève|D1|D2|Moyenne|Arrondie||D1|Moyenne|Arrondie||Année|Arrondie||Somme|Poids||"
              "Somme|Poids||Moy. S1|Moy. S2|Som. S1|Som. S2|Poids S1|Poids S2\n"
              "1|DURAND Zoé|12|15|14.00|14||B+|17.50|17.5||15.17|15.2||42|3||17.5|1||14|17.5|28|"
              "45.5|2|3\n"
              "2|MARTIN Léo|8|abs|8.00|8||9.5|9.50|9.5||8.50|8.5||8|1||9.5|1||8|9.5|16|25.5|2|3\n"
              "|Moyenne de la classe|10.00|15.00|11.00|11||13.50|13.50|13.5||11.83|11.8\n");
    EXPECT_EQ(lignes(f[2], 0, 7),
              "4B / Synthèse ( 2026 / 2027 )\n||Semestre 1|||||Semestre 2|||||Année\n"
              "|Coef.|2|1||||1|1||||3|2\n"
              "N°|Élève|Mathématiques|Anglais/LV1|Générale|Arrondie||Mathématiques|Anglais/LV1|"
              "Générale|Arrondie||Mathématiques|Anglais/LV1|Générale|Arrondie\n"
              "1|DURAND Zoé|14.00|14.00|14.00|14||17.50|?|17.50|17.5||15.17|14.00|14.70|14.7\n"
              "2|MARTIN Léo|8.00|10.00|8.67|8.7||9.50|?|9.50|9.5||8.50|10.00|9.10|9.1\n"
              "|Moyenne de la classe|11.00|12.00|11.33|11.3||13.50|?|13.50|13.5||11.83|12.00|"
              "11.90|11.9\n");
    EXPECT_EQ(lignes(f[3], 2, 7) + lignes(f[3], 12, 13),
              "Date de l'export|05/12/2026\nMode d'arrondi|Aucun arrondi\nNote de passage|10\n"
              "Lettres comptées comme notes|Oui\nMoyenne Joker|Non\nB+|17.5\n");
}

TEST_F(ClasseurTest, UnEchecLeDitEtNeLaisseAucunDemiFichier) {
    const fs::path classeurs = dossier / "classeurs", chemin = classeurs / "3A.xlsx";
    fs::create_directories(chemin);
    const Resultat r = EcrireClasseur(ClasseComplete(), chemin.string());
    EXPECT_FALSE(r);
    EXPECT_EQ(r.erreur, "Impossible de créer le fichier \"" + chemin.string() +
                            "\". C'est un dossier, pas un fichier.");
    EXPECT_EQ(std::distance(fs::directory_iterator(classeurs), {}), 1);
    EXPECT_TRUE(fs::is_empty(dossier / "tmp"));
}

// The workbook and its parts are made without names, in memory, so that a write killed
// half-way leaves nothing: the only names that appear are the workbook's and, while it
// replaces an older one, the program's own recognisable one.
TEST_F(ClasseurTest, RienDeProvisoireNePorteUnNomInconnu) {
    const fs::path classeurs = dossier / "classeurs";
    fs::create_directories(classeurs);
    const int surveillance = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    for (const fs::path& d : {classeurs, dossier / "tmp"})
        ASSERT_GE(::inotify_add_watch(surveillance, d.c_str(), IN_CREATE | IN_MOVED_TO), 0);
    for (int fois = 0; fois < 2; ++fois)
        ASSERT_TRUE(EcrireClasseur(ClasseComplete(), (classeurs / "3A.xlsx").string()));
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
    EXPECT_EQ(std::distance(fs::directory_iterator(classeurs), {}), 1);
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
