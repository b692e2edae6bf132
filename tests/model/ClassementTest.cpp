#include <gtest/gtest.h>

#include "AgesAnniversaires.h"
#include "Classement.h"
#include "Fabrique.h"

using namespace quillora;
using namespace quillora::test;

class Classement : public ModeleTest {
protected:
    void SetUp() override {
        ModeleTest::SetUp();
        Options.prenom = false;
    }
};

TEST_F(Classement, EgalitesAbsentsEtElevesSansMoyenne) {
    // A missed assignment still leaves ELEVE1 an average of 12.5, equal to ELEVE3's.
    TClasse c =
        classeAvecNotes({{"abs", "12.5"}, {"", ""}, {"12.5", "12.5"}, {"14", "14"}, {"-9", "2"}});
    EXPECT_EQ(Classer(c, 1, 1, false),
              (std::vector<LigneClassement>{{" 1", " ELEVE4", " 14", ""},
                                            {" 2", " ELEVE3", " 12.5", ""},
                                            {" 3", " ELEVE1", " 12.5", " 1"},
                                            {" 4", " ELEVE5", " -3.5", ""},
                                            {"", " ELEVE2", " ??", " 2"}}));
    // Not ranked with an absence: below every ranked student, later student first.
    const std::vector<LigneClassement> sansAbsents = Classer(c, 1, 1, true);
    EXPECT_EQ(std::vector(sansAbsents.begin() + 2, sansAbsents.end()),
              (std::vector<LigneClassement>{{" 3", " ELEVE5", " -3.5", ""},
                                            {" n.c.", " ELEVE2", "", " 2"},
                                            {" n.c.", " ELEVE1", "", " 1"}}));
    // The reports take these ranks, absences counted, a student without average unranked.
    EXPECT_EQ(Rangs(c, 1, 1).rang, (std::vector<int>{0, 3, 0, 2, 1, 4}));
    EXPECT_EQ(Rangs(c, 1, 1).classes, 4);
    // The synthesis and the year rank too; a period without assignments does not.
    EXPECT_EQ(Classer(c, 4, 4, false)[0][1], " ELEVE4");
    EXPECT_EQ(Classer(c, 1, 2, false),
              (std::vector<LigneClassement>{{"", "Pas", "de note ce Trimestre", ""}}));
    EXPECT_EQ(Rangs(c, 1, 2).classes, 0);
    c.NbPeriode = 2;
    EXPECT_EQ(Classer(c, 2, 1, true)[0][2], "de note ce Semestre");
}

TEST_F(Classement, PressePapierEtFichierTexteOctetParOctet) {
    Options.prenom = true;
    TClasse c = classeAvecNotes({{"12", "abs"}, {"8", "15.5"}});
    c.AbrevClasse = "4B";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.Matiere[1].Nom = "Anglais";
    c.Eleve[1].Prenom = "Anne";
    c.Eleve[2].Prenom = "Paul";
    c.ModeArrondi = 1; // the ranking shows averages unrounded: 11.75 is 11.8, not 11
    EXPECT_EQ(Utf8DepuisCp1252(TexteClassement(c, 1, 1, false)),
              "4B / Anglais / Trim.1 ( 2026 / 2027 )\r"
              "Rang\tElève\tMoyenne\tAbsence\r"
              " 1\t ELEVE1 Anne\t 12\t 1\r"
              " 2\t ELEVE2 Paul\t 11.8\t\r");
    EXPECT_EQ(Utf8DepuisCp1252(TexteFichierClassement(c, 1, 1, true)),
              "4B / Anglais / Trim.1 ( 2026 / 2027 )\r\n\r\n"
              "Classement des élèves d'après la moyenne\r\n\r\n"
              " Rang\t   Eleve\t\tmoy.\tabsence\r\n\r\n"
              " 1\t ELEVE2 Paul\t\t 11.8\t\r\n"
              " n.c.\t ELEVE1 Anne\t\t\t 1\r\n");
}

TEST_F(Classement, AgesDecroissantsDatesManquantesOuImpossibles) {
    // 5283 days, unknown, 31 February, 5284, 5283, 29 February of a common year.
    TClasse c = classeNee({"15062012", "", "31022012", "14062012", "15062012", "29022013"});
    EXPECT_EQ(ListeAges(c), (std::vector<LigneAge>{{" ELEVE4", " 14 juin 2012", " 14 ans 6 mois"},
                                                   {" ELEVE5", " 15 juin 2012", " 14 ans 6 mois"},
                                                   {" ELEVE1", " 15 juin 2012", " 14 ans 6 mois"},
                                                   {" ELEVE6", " ??", " ??"},
                                                   {" ELEVE3", " ??", " ??"},
                                                   {" ELEVE2", " ??", " ??"}}));
}

TEST_F(Classement, AnniversairesDuMois) {
    EXPECT_EQ(Utf8DepuisCp1252(MoisEnCours()), "décembre 2026");
    // Today is Saturday 5 December 2026; a birth still to come has no birthday.
    TClasse c =
        classeNee({"20122011", "05122012", "15062012", "01122012", "31122026", "31112012", "ab"});
    EXPECT_EQ(
        AnniversairesDuMois(c),
        (std::vector<std::string>{"ELEVE1 va avoir 15 ans dimanche 20",
                                  "ELEVE2 a aujourd'hui 14 ans", "ELEVE4 a eu 14 ans mardi 01"}));
    // Born on 29 February, in a common year: Sunday the 28th.
    DefinirHorloge([] { return DateHeure{2027, 2, 28, 8, 0, 0}; });
    EXPECT_EQ(
        AnniversairesDuMois(classeNee({"29022012", "30022012", "27022013"})),
        (std::vector<std::string>{"ELEVE1 a aujourd'hui 15 ans", "ELEVE3 a eu 14 ans samedi 27"}));
    DefinirHorloge([] { return DateHeure{2027, 3, 1, 8, 0, 0}; });
    EXPECT_EQ(AnniversairesDuMois(c), std::vector<std::string>{"Pas d'anniversaire ce mois"});
}
