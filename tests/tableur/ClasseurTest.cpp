#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "ClasseComplete.h"
#include "Classeur.h"
#include "Csv.h"
#include "Fabrique.h"
#include "Formules.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

// Sheets by name, rows as Gnumeric writes them: cells between '|', never quoted.
using Feuilles = std::vector<std::pair<std::string, std::vector<std::string>>>;

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

    // Every sheet as Gnumeric reads it: the cached results or all formulas recomputed, the
    // values themselves or as their formats show them.
    Feuilles lire(const fs::path& classeur, bool recalcul, bool vu = false) {
        const fs::path d =
            dossier_ / (classeur.stem().string() + (recalcul ? "r" : "c") + (vu ? "v" : ""));
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
    // within the rounding of the 16 digits Gnumeric writes.
    fs::path verifier(const TClasse& c, const std::string& nom) {
        SCOPED_TRACE(nom);
        const fs::path f = dossier_ / (nom + ".xlsx");
        EXPECT_TRUE(EcrireClasseur(c, f.string()));
        const Feuilles cache = lire(f, false), recalcul = lire(f, true);
        EXPECT_EQ(cache.size(), c.NbMatiere + 2u);
        EXPECT_EQ(recalcul.size(), cache.size());
        for (std::size_t s = 0; s < std::min(cache.size(), recalcul.size()); ++s)
            for (std::size_t l = 0; l < cache[s].second.size(); ++l) {
                const auto a = cellules(cache[s].second[l]), b = cellules(recalcul[s].second[l]);
                EXPECT_EQ(a.size(), b.size());
                for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
                    double x, y;
                    EXPECT_TRUE(nombre(a[k], x) && nombre(b[k], y) ? std::abs(x - y) <= 1e-9
                                                                   : a[k] == b[k])
                        << a[k] << " / " << b[k] << ", feuille " << s << " ligne " << l;
                }
            }
        return f;
    }

    fs::path dossier_;
};

TEST_F(ClasseurTest, LesFormulesRecalculeesRetrouventLesMoyennesDuProgramme) {
    // The fullest class, with what the averages treat apart: an assignment of coefficient 0,
    // equal lowest grades of different weights (the joker drops the first), a student with
    // no grade, a comma decimal, empty cells, and then an empty letter key, which gives them
    // its value; every rounding mode, letters counted or not.
    TClasse c = ClasseComplete();
    c.Devoir[1][1][3].Coef = 0;
    c.Eleve[44].Note[1][1][1] = "5";
    c.Eleve[44].Note[1][1][2] = "5";
    for (int a = 1; a <= 24; ++a) c.Eleve[45].Note[2][2][a] = "abs";
    c.Eleve[43].Note[3][1][1] = "12,5";
    for (int mode = 0; mode <= 6; ++mode) {
        Options.utiliserL = mode % 2 == 0;
        Options.cores[15].coresL = mode == 5 ? "" : "E-";
        c.ModeArrondi = static_cast<std::uint8_t>(mode);
        verifier(c, "complete" + std::to_string(mode));
    }
}

// Two students, two subjects, two semesters: every figure below is worked out by hand.
TEST_F(ClasseurTest, UnePetiteClasseCelluleParCellule) {
    TClasse c = test::classeAvecNotes({{"12", "15"}, {"8", "abs"}}, {1, 2});
    c.AbrevClasse = "4B";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.NbPeriode = 2;
    c.NbMatiere = 2;
    c.Eleve[1].Nom = "DURAND";
    c.Eleve[1].Prenom = cp1252("Zoé");
    c.Eleve[2].Nom = "MARTIN";
    c.Eleve[2].Prenom = cp1252("Léo");
    c.Matiere[1].Nom = cp1252("Mathématiques");
    c.Matiere[1].Coef[1] = 2;
    c.Matiere[2].Nom = "Anglais/LV1";
    TDevoir& d = c.Devoir[1][1][1];
    d.Date = "12/10/2026";
    d.Duree = "1h";
    d.Commentaire = "Fractions";
    c.NbDevoir[1][2] = c.NbDevoir[2][1] = 1;
    c.Eleve[1].Note[1][2][1] = "B+"; // 17.5
    c.Eleve[2].Note[1][2][1] = "9.5";
    c.Eleve[1].Note[2][1][1] = "14";
    c.Eleve[2].Note[2][1][1] = "10";
    const Feuilles f = lire(verifier(c, "petite"), true, true);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0].first + ", " + f[1].first + ", " + f[2].first + ", " + f[3].first,
              "Mathématiques, Anglais_LV1, Synthèse, Réglages");
    // As the sheets show them. Mathematics, semester 1: (12 + 2 * 15) / 3 = 14 and 8 alone;
    // semester 2: B+ (17.5) and 9.5; the year weighs them 2 and 1: (2 * 14 + 17.5) / 3 =
    // 15.17 and (2 * 8 + 9.5) / 3 = 8.5. English has nothing in semester 2: its year is
    // semester 1's. The synthesis weighs the subjects 2 and 1 in semester 1: (2 * 8 + 10) / 3
    // = 8.67, and 3 and 2 over the year: (3 * 15.17 + 2 * 14) / 5 = 14.7 and (3 * 8.5 +
    // 2 * 10) / 5 = 9.1. The year's sums and weights apart, then the class's means.
    const std::vector<std::tuple<int, int, std::string>> attendu = {
        {0, 0, "4B / Mathématiques ( 2026 / 2027 )"},
        {0, 1,
         "||Semestre 1|||||Semestre 2||||Année|||Calcul, Sem. 1|||Calcul, Sem. 2|||"
         "Année, réels de 6 octets"},
        {0, 2, "|Coef.|1|2|2|||1|1"},
        {0, 3, "|Date|12/10/2026"},
        {0, 4, "|Durée|1h"},
        {0, 5, "|Commentaire|Fractions"},
        {0, 6,
         "N°|Élève|D1|D2|Moyenne|Arrondie||D1|Moyenne|Arrondie||Année|Arrondie||Somme|"
         "Poids||Somme|Poids||Moy. S1|Moy. S2|Som. S1|Som. S2|Poids S1|Poids S2"},
        {0, 7,
         "1|DURAND Zoé|12|15|14.00|14||B+|17.50|17.5||15.17|15.2||42|3||17.5|1||14|17.5|28|"
         "45.5|2|3"},
        {0, 8, "2|MARTIN Léo|8|abs|8.00|8||9.5|9.50|9.5||8.50|8.5||8|1||9.5|1||8|9.5|16|25.5|2|3"},
        {0, 9, "|Moyenne de la classe|10.00|15.00|11.00|11||13.50|13.50|13.5||11.83|11.8"},
        {1, 0, "4B / Anglais/LV1 ( 2026 / 2027 )"},
        {1, 7, "1|DURAND Zoé|14|14.00|14||?|?||14.00|14||14|1|||14|?|14|14|1|1"},
        {2, 0, "4B / Synthèse ( 2026 / 2027 )"},
        {2, 1, "||Semestre 1|||||Semestre 2|||||Année"},
        {2, 2, "|Coef.|2|1||||1|1||||3|2"},
        {2, 3,
         "N°|Élève|Mathématiques|Anglais/LV1|Générale|Arrondie||Mathématiques|Anglais/LV1|"
         "Générale|Arrondie||Mathématiques|Anglais/LV1|Générale|Arrondie"},
        {2, 4, "1|DURAND Zoé|14.00|14.00|14.00|14||17.50|?|17.50|17.5||15.17|14.00|14.70|14.7"},
        {2, 5, "2|MARTIN Léo|8.00|10.00|8.67|8.7||9.50|?|9.50|9.5||8.50|10.00|9.10|9.1"},
        {2, 6,
         "|Moyenne de la classe|11.00|12.00|11.33|11.3||13.50|?|13.50|13.5||11.83|12.00|"
         "11.90|11.9"},
        {3, 0, "Réglages du calcul"},
        {3, 1,
         "Changer la note de passage, « Lettres comptées » ou la valeur d'une lettre "
         "recalcule tout le classeur."},
        {3, 2, "Date de l'export|05/12/2026"},
        {3, 3, "Mode d'arrondi|Aucun arrondi"},
        {3, 4, "Note de passage|10"},
        {3, 5, "Lettres comptées comme notes|Oui"},
        {3, 6, "Moyenne Joker|Non"},
        {3, 7, "Chaque lettre des feuilles lit sa valeur ici, à la ligne de sa lettre."},
        {3, 8, "Lettre|Valeur"},
        {3, 12, "B+|17.5"},
        {3, 23, "E-|0"},
    };
    for (const auto& [feuille, ligne, texte] : attendu)
        EXPECT_EQ(f[feuille].second.at(ligne), texte) << feuille << ", " << ligne;
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
