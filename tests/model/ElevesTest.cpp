#include <gtest/gtest.h>

#include "Fabrique.h"

using namespace quillora;
using namespace quillora::test;

class Eleves : public ModeleTest {};

// Students A, B, C, each with his letter as grade in the last cell of the record.
static TClasse troisEleves() {
    TClasse c = classeAvecNotes({{"A"}, {"B"}, {"C"}});
    for (int e = 1; e <= 3; ++e) c.Eleve[e].Note[3][3][24] = c.Eleve[e].Note[1][1][1];
    return c;
}

static std::string ordre(const TClasse& c) {
    std::string r;
    for (int e = 1; e <= c.NbEleve; ++e) r += c.Eleve[e].Note[3][3][24].str();
    return r;
}

TEST_F(Eleves, InsererEtSupprimerDeplacentLesElevesAvecToutesLeursNotes) {
    TClasse c = troisEleves();
    ASSERT_TRUE(c.InsererEleve(1));
    EXPECT_EQ(ordre(c), "ABC"); // the new first student has no grade at all
    EXPECT_TRUE(c.Eleve[1].Nom.empty());

    ASSERT_TRUE(c.SupprimerEleve(4));
    EXPECT_EQ(ordre(c), "AB");
    // The removed last student does not stay in the file, and a newcomer starts blank.
    EXPECT_TRUE(c.Eleve[4].Note[3][3][24].empty());
    ASSERT_TRUE(c.InsererEleve(c.NbEleve + 1));
    EXPECT_TRUE(c.Eleve[4].Note[1][1][1].empty());

    ASSERT_TRUE(c.SupprimerEleve(2));
    EXPECT_EQ(ordre(c), "B");
    EXPECT_FALSE(c.SupprimerEleve(4));
    EXPECT_FALSE(c.InsererEleve(6));
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
