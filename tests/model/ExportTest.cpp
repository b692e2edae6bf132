#include <gtest/gtest.h>

#include "Fabrique.h"

using namespace quillora;
using namespace quillora::test;

class Export : public ModeleTest {
protected:
    // Two students, two subjects, three trimesters; subject 1 has two assignments in T1.
    TClasse classe() {
        TClasse c = classeAvecNotes({{"12", "abs"}, {"8", "15.5"}}, {1, 2});
        c.AbrevClasse = "4B";
        c.AnneeScolaire = "( 2026 / 2027 )";
        c.NbMatiere = 2;
        c.Matiere[1].Nom = "Anglais";
        c.Matiere[2].Nom = "Espagnol";
        c.Matiere[1].Coef[1] = 2;
        c.Matiere[1].Coef[3] = 1.5;
        c.RenseignerEleve(1, "DUPONT", "Anne", "");
        c.RenseignerEleve(2, "MARTIN", "Paul", "");
        c.Devoir[1][1][2].Duree = "1h";
        c.Devoir[1][1][2].Date = "12/10/2026";
        c.Devoir[1][1][2].Commentaire = cp1252("Prétérit");
        noter(c, 2, 1, {{"10"}});
        noter(c, 1, 2, {{}, {"B"}});
        return c;
    }
    static std::string texte(const TClasse& c, int s, int p) {
        return Utf8DepuisCp1252(TexteExport(c, s, p));
    }
};

TEST_F(Export, VueDUneMatiere) {
    Options.textebas = false;
    TClasse c = classe();
    EXPECT_EQ(texte(c, 1, 1), "4B / Anglais / Trim.1 ( 2026 / 2027 )\r"
                              "DUPONT Anne\t12\tabs\t12\r"
                              "MARTIN Paul\t8\t15.5\t13\r"
                              "\t10\t15.5\t12.5");
    Options.prenom = false;
    Options.imprimerAnnee = false;
    c.ModeArrondi = 3;
    // Control characters from a foreign file would shift the row's cells.
    c.Eleve[1].Nom = "DU\tPONT\r";
    c.Eleve[1].Note[1][1][2] = "a\nb";
    EXPECT_EQ(texte(c, 1, 1).rfind("4B / Anglais / Trim.1\rDU PONT \t12\ta b\t13\rMARTIN", 0), 0u);

    // The joker adds its column; the text below lists the assignments.
    c = classe();
    c.Joker = 1;
    Options.textebas = true;
    Options.prenom = true;
    Options.imprimerAnnee = true;
    EXPECT_EQ(texte(c, 1, 1), "4B / Anglais / Trim.1 ( 2026 / 2027 )\r"
                              "DUPONT Anne\t12\tabs\t12\t12\r"
                              "MARTIN Paul\t8\t15.5\t13\t15.5\r"
                              "\t10\t15.5\t12.5\r"
                              "Num\tCoef.\tDurée\tDate\r"
                              "1\t1\t\t\t\r"
                              "2\t2\t1h\t12/10/2026\tPrétérit\r"
                              "Arrondi des moyennes: Aucun arrondi");
    // A period without assignments still gives its table frame.
    EXPECT_EQ(texte(c, 2, 3), "4B / Espagnol / Trim.3 ( 2026 / 2027 )\r"
                              "DUPONT Anne\t?\t?\r"
                              "MARTIN Paul\t?\t?\r"
                              "\t?\r"
                              "Num\tCoef.\tDurée\tDate\r"
                              "Arrondi des moyennes: Aucun arrondi");
}

TEST_F(Export, Synthese) {
    TClasse c = classe();
    // A period's own coefficients head its columns.
    EXPECT_NE(texte(c, 4, 3).find("\r\t1.5\t1\r"), std::string::npos);
    EXPECT_EQ(texte(c, 4, 4), "4B / Synthèse / Année ( 2026 / 2027 )\r"
                              "\tAnglais\tEspagnol\r"
                              "\t2+1+1.5\t1+1+1\r"
                              "DUPONT Anne\t12\t10\t11.2\r"
                              "MARTIN Paul\t13.7\t?\t13.7\r"
                              "\t12.8\t10\t12.4");
}

TEST_F(Export, VueAnnuelleAvecDeuxSemestresEtJoker) {
    TClasse c = classe();
    c.NbPeriode = 2;
    c.Joker = 1;
    EXPECT_EQ(texte(c, 1, 4), "4B / Anglais / Année ( 2026 / 2027 )\r"
                              "\tSem. 1\tSem. 2\r"
                              "\t2\t1\r"
                              "DUPONT Anne\t12\t?\t12\r"
                              "MARTIN Paul\t15.5\t15\t15.3\r"
                              "\t13.8\t15\t13.7");
}
