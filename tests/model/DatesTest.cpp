#include <gmock/gmock.h>

#include "Fabrique.h"
#include "Saisie.h"

using namespace quillora;
using namespace quillora::test;

using Dates = ModeleTest;

TEST_F(Dates, DatesDeNaissanceEtAges) {
    TClasse c = classeNee({"31121999", "0112199", "00121999", "32121999", "01131999", "ab121999",
                           "0112", "", "3102 2012"});
    for (int e = 1; e <= 9; ++e) EXPECT_EQ(c.DecoderDateNaissance(e).valide, e <= 2) << e;
    EXPECT_EQ(c.DecoderDateNaissance(2).annee, 199);
    EXPECT_EQ(Utf8DepuisCp1252(c.DateNaissanceTexte(1)), "31 décembre 1999");
    EXPECT_EQ(c.DateNaissanceTexte(3), "??");

    // A day the calendar lacks is shown as written, but gives no age; neither does a birth
    // today, tomorrow (not 65535) or beyond 16 bits of days.
    TClasse f = classeNee({"31022012", "15062012", "05122026", "06122026", "01011800"});
    EXPECT_EQ(Utf8DepuisCp1252(f.DateNaissanceTexte(1)), "31 février 2012");
    EXPECT_EQ(f.AgeEnJours(2), 5283);
    for (int e : {1, 3, 4, 5}) EXPECT_EQ(f.AgeEnJours(e), 0) << e;
    const std::pair<int, const char*> ages[] = {
        {5283, "14 ans 6 mois"}, {0, " Erreur !"}, {364, "0 ans 12 mois"}, {365, "1 ans "}};
    for (const auto& [jours, texte] : ages) EXPECT_EQ(AgeTexte(jours), texte) << jours;
    EXPECT_EQ(classeNee({"", "x"}).AgeMoyen(), "Calcul impossible !");
}

// Pointed out as soon as the typed digits cannot make a date.
TEST_F(Dates, UneDateImpossibleEstSignaleeEnCoursDeFrappe) {
    const std::pair<const char*, const char*> cas[] = {
        {"32", "Jour impossible"},
        {"3113", "Mois impossible"},
        {"310219", ""},
        {"29022024", ""},
        {"29022023", "Le 29 février 2023 n'existe pas"}};
    for (const auto& [texte, defaut] : cas)
        EXPECT_EQ(Utf8DepuisCp1252(DefautDateNaissance(texte)), defaut) << texte;
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
    EXPECT_THAT(
        Utf8DepuisCp1252(texte),
        ::testing::HasSubstr("10.13 est en dehors du domaine de validité.\r( De 0 à 7.5 )"));
    Options.verification = false;
    EXPECT_TRUE(VerifierDomaine(-1, 20, texte));
}

using Saisie = ModeleTest;

// The comma typed becomes the point only where a point makes a number being written.
TEST_F(Saisie, LaVirguleTapeeDevientLePointDUnNombre) {
    for (const char* oui : {"12.", "12.5", ".", ".5", "-0.", "  +3.25", "1.2"})
        EXPECT_TRUE(VirguleDecimale(oui)) << oui;
    for (const char* non : {"B.", "abs.", "1.2.", "12.5.", "1.e", "12 .", "-", "", "A+."})
        EXPECT_FALSE(VirguleDecimale(non)) << non;
}
