#include <gtest/gtest.h>

#include "Fabrique.h"

using namespace quillora;
using namespace quillora::test;

using Dates = ModeleTest;

TEST_F(Dates, DecodageDesDatesDeNaissance) {
    TClasse c = classeNee({"31121999", "0112199", "00121999", "32121999", "01131999", "ab121999",
                           "0112", "", "3102 2012"});
    EXPECT_TRUE(c.DecoderDateNaissance(1).valide);
    const auto d = c.DecoderDateNaissance(2);
    EXPECT_TRUE(d.valide);
    EXPECT_EQ(d.annee, 199);
    for (int e = 3; e <= 9; ++e) EXPECT_FALSE(c.DecoderDateNaissance(e).valide) << e;

    EXPECT_EQ(Utf8DepuisCp1252(c.DateNaissanceTexte(1)), "31 décembre 1999");
    EXPECT_EQ(c.DateNaissanceTexte(3), "??");
    // A day the calendar lacks is shown as written, but gives no age.
    TClasse f = classeNee({"31022012"});
    EXPECT_EQ(Utf8DepuisCp1252(f.DateNaissanceTexte(1)), "31 février 2012");
    EXPECT_EQ(f.AgeEnJours(1), 0);
}

TEST_F(Dates, AgesEnJoursSurLeCalendrierFixe) {
    TClasse c = classeNee({"15062012", "05122026", "06122026", "01011800", "x"});
    EXPECT_EQ(c.AgeEnJours(1), 5283);
    EXPECT_EQ(AgeTexte(c.AgeEnJours(1)), "14 ans 6 mois");
    EXPECT_EQ(c.AgeEnJours(2), 0); // born today
    EXPECT_EQ(c.AgeEnJours(3), 0); // born tomorrow: unknown, not 65535
    EXPECT_EQ(c.AgeEnJours(4), 0); // beyond 16 bits of days

    EXPECT_EQ(AgeTexte(0), " Erreur !");
    EXPECT_EQ(AgeTexte(364), "0 ans 12 mois");
    EXPECT_EQ(AgeTexte(365), "1 ans ");
    EXPECT_EQ(classeNee({"", "x"}).AgeMoyen(), "Calcul impossible !");
}

TEST_F(Dates, DateEtHeureDeLaLigneDEtat) {
    DefinirHorloge([] { return DateHeure{2027, 8, 16, 9, 5, 59}; });
    EXPECT_EQ(Utf8DepuisCp1252(DateHeureTexte()), " lundi 16 août 2027  /  09:05");
}

TEST_F(Dates, VerificationDuDomaine) {
    std::string texte;
    EXPECT_TRUE(VerifierDomaine(20, 20, texte));
    EXPECT_TRUE(texte.empty());
    EXPECT_FALSE(VerifierDomaine(-1, 20, texte));
    EXPECT_FALSE(VerifierDomaine(10.125, 7.5, texte));
    EXPECT_NE(
        Utf8DepuisCp1252(texte).find("10.13 est en dehors du domaine de validité.\r( De 0 à 7.5 )"),
        std::string::npos);
    Options.verification = false;
    EXPECT_TRUE(VerifierDomaine(-1, 20, texte));
}
