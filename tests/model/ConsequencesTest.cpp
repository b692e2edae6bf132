#include <gtest/gtest.h>

#include "Consequences.h"
#include "Fabrique.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class Consequences_ : public ModeleTest {
protected:
    // The lines and the summary of a change of `avant` into `apres`, and of the settings in
    // force into `reglages`, seen from subject 1, period 1 (`seuleVue`: that view alone).
    std::vector<std::string> lignes(const TClasse& avant, const TClasse& apres,
                                    bool seuleVue = true, const TOptions& reglages = Options) {
        const auto vues = seuleVue ? std::vector<VueMoyenne>{{1, 1}} : VuesConcernees(1, 1);
        liste = Consequences({avant, Options}, {apres, reglages}, vues);
        std::vector<std::string> l;
        for (const Consequence& x : liste) l.push_back(LigneConsequence(avant, x, ','));
        l.push_back(ResumeConsequences(liste));
        return l;
    }
    std::vector<Consequence> liste;
};

TEST_F(Consequences_, ARoundingModeMovesAnAverageAcrossThePassMarkInEveryViewOfIt) {
    TClasse avant = classeAvecNotes({{"9.95"}, {"14.5"}});
    avant.Eleve[1].Nom = "MARTIN";
    avant.Eleve[1].Prenom = cp1252("Léa");
    TClasse apres = avant;
    apres.ModeArrondi = 2; // to the nearest point
    // 9.95 is stored a little below itself: unrounded it shows 9.9, below 10; to the nearest
    // point it shows 10 (fraction .95 >= .5). The year keeps the same value to 12 digits, and
    // with one subject the synthesis is that subject. 14.5 shows 15 (.5 goes up) and stays
    // above: no crossing, so after the four crossings.
    EXPECT_EQ(lignes(avant, apres, false),
              (std::vector<std::string>{
                  "MARTIN Léa  Trim. 1 : 9,9 → 10  ↑ passe la moyenne",
                  "MARTIN Léa  Année : 9,9 → 10  ↑ passe la moyenne",
                  "MARTIN Léa  Synthèse Trim. 1 : 9,9 → 10  ↑ passe la moyenne",
                  "MARTIN Léa  Synthèse Année : 9,9 → 10  ↑ passe la moyenne",
                  "ELEVE2  Trim. 1 : 14,5 → 15", "ELEVE2  Année : 14,5 → 15",
                  "ELEVE2  Synthèse Trim. 1 : 14,5 → 15", "ELEVE2  Synthèse Année : 14,5 → 15",
                  "2 élèves changent, 1 passe au-dessus de la moyenne, 0 en dessous"}));
    // The sheet colours as the panel judges: 9.95 shown "10" is not below 10.
    EXPECT_TRUE(SousLaMoyenne(0, 9.95, 10));
    EXPECT_FALSE(SousLaMoyenne(2, 9.95, 10));
    EXPECT_FALSE(SousLaMoyenne(0, NonCalculable, 10));
}

TEST_F(Consequences_, ACoefficientThatReordersTwoStudents) {
    const TClasse avant = classeAvecNotes({{"8", "16"}, {"14", "11"}});
    TClasse apres = avant;
    apres.Devoir[1][1][2].Coef = 3;
    // Before: (8 + 16) / 2 = 12 and (14 + 11) / 2 = 12.5, ELEVE2 first.
    // After: (8 + 3 x 16) / 4 = 14 and (14 + 3 x 11) / 4 = 11.75, shown 11.8 (halves to
    // even), ELEVE1 first. The larger change, 2 points, comes before 0.7.
    EXPECT_EQ(lignes(avant, apres),
              (std::vector<std::string>{"ELEVE1  Trim. 1 : 12 → 14  rang 2 → 1",
                                        "ELEVE2  Trim. 1 : 12,5 → 11,8  rang 1 → 2",
                                        "2 élèves changent, 0 passe au-dessus de la moyenne, "
                                        "0 en dessous"}));
}

TEST_F(Consequences_, TheJokerTurnedOnAndTheExportAfterOkShowsTheSameAverages) {
    const TClasse avant =
        classeAvecNotes({{"6", "14", "16"}, {"10", "10", "10"}, {"9", "11", "4"}, {"abs"}});
    TClasse apres = avant;
    apres.Joker = 1;
    // The lowest grade is dropped: 12 -> (14 + 16) / 2 = 15; 10 stays 10; 8 -> (9 + 11) / 2
    // = 10, which reaches the pass mark. ELEVE2 and ELEVE3 then tie at 10 and the later one
    // ranks first, so ELEVE2 loses a rank without changing its average. ELEVE4 has none.
    EXPECT_EQ(lignes(avant, apres),
              (std::vector<std::string>{
                  "ELEVE3  Trim. 1 : 8 → 10  ↑ passe la moyenne  rang 3 → 2",
                  "ELEVE1  Trim. 1 : 12 → 15", "ELEVE2  Trim. 1 : 10  rang 2 → 3",
                  "3 élèves changent, 1 passe au-dessus de la moyenne, 0 en dessous"}));

    // With the joker on both sides the line says which average it compares: ELEVE3's 9 at
    // coefficient 2 gives (2 x 9 + 11) / 3 = 9.67 once 4 is dropped, shown 9.7.
    TClasse deux = apres;
    deux.Devoir[1][1][1].Coef = 2;
    EXPECT_EQ(lignes(apres, deux)[0],
              "ELEVE3  Trim. 1 Joker : 10 → 9,7  ↓ passe sous la moyenne  rang 2 → 3");

    lignes(avant, apres, false);
    EXPECT_EQ(liste.size(), 12u);
    Options.prenom = false;
    for (const Consequence& x : liste) {
        // The student's row of the view's export, as the sheet's table is copied after OK:
        // its last cell is the average the sheet shows and ranks.
        const std::string texte = TexteExport(apres, x.vue.matiere, x.vue.periode);
        EXPECT_EQ(ligneExport(texte, "ELEVE" + std::to_string(x.eleve)).back(), x.apres) << texte;
    }
}

TEST_F(Consequences_, ALettersValueAndThePassMarkComeFromEachStatesOwnSettings) {
    const TClasse c = classeAvecNotes({{"B", "12"}, {"14", "C"}, {"11"}, {"abs"}});
    TOptions lettre = Options, seuil = Options;
    lettre.cores[5].coresV = 7; // "B" was 15
    seuil.notemoy = 12;
    // B at 15: (15 + 12) / 2 = 13.5; at 7: (7 + 12) / 2 = 9.5, below 10. C is 10.5: ELEVE2
    // has (14 + 10.5) / 2 = 12.25, shown 12.2, and takes the first rank; ELEVE3's 11 the
    // second.
    EXPECT_EQ(lignes(c, c, true, lettre),
              (std::vector<std::string>{
                  "ELEVE1  Trim. 1 : 13,5 → 9,5  ↓ passe sous la moyenne  rang 1 → 3",
                  "ELEVE2  Trim. 1 : 12,2  rang 2 → 1", "ELEVE3  Trim. 1 : 11  rang 3 → 2",
                  "3 élèves changent, 0 passe au-dessus de la moyenne, 1 en dessous"}));
    EXPECT_EQ(Options.cores[5].coresV, 15) << "the settings in force are back";
    // A pass mark moved from 10 to 12 leaves every average as it was: 11 falls below it,
    // 12.25 shows 12.2 and stays at or above 12, and 13.5 too.
    EXPECT_EQ(lignes(c, c, true, seuil),
              (std::vector<std::string>{
                  "ELEVE3  Trim. 1 : 11  ↓ passe sous la moyenne",
                  "1 élève change, 0 passe au-dessus de la moyenne, 1 en dessous"}));
    EXPECT_EQ(lignes(c, c, false), (std::vector<std::string>{"Aucun élève ne change"}));
}

TEST_F(Consequences_, ViewsAreTheViewItsYearAndTheSynthesesOnceEach) {
    EXPECT_EQ(VuesConcernees(2, 3), (std::vector<VueMoyenne>{{2, 3}, {2, 4}, {4, 3}, {4, 4}}));
    EXPECT_EQ(VuesConcernees(4, 4), (std::vector<VueMoyenne>{{4, 4}}));
    EXPECT_EQ(VuesConcernees(1, 4), (std::vector<VueMoyenne>{{1, 4}, {4, 4}}));
    // Two semesters instead of three trimesters: the third period is no view of the new
    // state, whatever its hidden grades say, and the year now weighs two periods only:
    // (12 + 8) / 2 = 10 instead of (12 + 8 + 4) / 3 = 8, a crossing.
    TClasse avant = classeAvecNotes({{"12"}});
    noter(avant, 1, 2, {{"8"}});
    noter(avant, 1, 3, {{"4"}});
    TClasse apres = avant;
    apres.NbPeriode = 2;
    apres.Eleve[1].Note[1][3][1] = "20";
    const auto l = Consequences({avant, Options}, {apres, Options}, VuesConcernees(1, 3));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].vue, (VueMoyenne{1, 4}));
    EXPECT_EQ(l[0].avant + " " + l[0].apres, "8 10");
    EXPECT_EQ(l[1].vue, (VueMoyenne{4, 4}));
}

} // namespace

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
