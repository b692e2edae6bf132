#include <gtest/gtest.h>

#include "Fabrique.h"

using namespace quillora;
using namespace quillora::test;

class Eleves : public ModeleTest {};

// Students A, B, C, each with his letter as grade in the first and the last cell.
static TClasse troisEleves() {
    TClasse c = classeAvecNotes({{"A"}, {"B"}, {"C"}});
    for (int e = 1; e <= 3; ++e) c.Eleve[e].Note[3][3][24] = c.Eleve[e].Note[1][1][1];
    return c;
}

// The whole class after each move: a newcomer has nothing, a freed position keeps nothing.
TEST_F(Eleves, InsererEtSupprimerDeplacentLesElevesAvecToutesLeursNotes) {
    TClasse c = troisEleves();
    ASSERT_TRUE(c.InsererEleve(1));
    EXPECT_EQ(portrait(c), "4 eleves\n2 ELEVE1// 1.1.1=A 3.3.24=A\n3 ELEVE2// 1.1.1=B 3.3.24=B\n"
                           "4 ELEVE3// 1.1.1=C 3.3.24=C\nD1.1.1 1//");
    ASSERT_TRUE(c.SupprimerEleve(2));
    EXPECT_EQ(portrait(c), "3 eleves\n2 ELEVE2// 1.1.1=B 3.3.24=B\n3 ELEVE3// 1.1.1=C 3.3.24=C\n"
                           "D1.1.1 1//");
    ASSERT_TRUE(c.SupprimerEleve(3));
    EXPECT_EQ(portrait(c), "2 eleves\n2 ELEVE2// 1.1.1=B 3.3.24=B\nD1.1.1 1//");

    EXPECT_FALSE(c.SupprimerEleve(3));
    EXPECT_FALSE(c.InsererEleve(4));
    c.NbEleve = MaxEleves;
    EXPECT_FALSE(c.InsererEleve(1));
}

TEST_F(Eleves, UnEleveRenseigneEstCoupeEtNormaliseEtSaDateGardeeTelleQuelle) {
    TClasse c = troisEleves();
    Options.majuscule = false;
    c.RenseignerEleve(1, "de la fontaine-martinez y", "anne marie", "3l/02/1999");
    EXPECT_EQ(c.NomEleve(1, true), "De La Fontaine-Marti Anne Marie");
    EXPECT_EQ(c.Eleve[1].DateNaissance, "3l/02/19");
    c.RenseignerEleve(2, "zola", "", "29022008");

    // A date that is no date is only left out of the ages, and survives the file.
    EXPECT_EQ(c.AgeEnJours(1), 0);
    EXPECT_EQ(c.AgeMoyen(), AgeTexte(c.AgeEnJours(2)));
    c.TrierEleves();
    TClasse relue = classeVide();
    relue.ChargerOctets(reinterpret_cast<const unsigned char*>(&c.Image()), TailleFichierClasse,
                        "x");
    EXPECT_EQ(relue.Eleve[1].DateNaissance, "3l/02/19");
}
