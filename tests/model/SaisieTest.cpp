#include <gtest/gtest.h>

#include "Fabrique.h"
#include "Saisie.h"

using namespace quillora;
using namespace quillora::test;

using Saisie = ModeleTest;

// The comma typed becomes the point only where a point makes a number being written.
TEST_F(Saisie, LaVirguleTapeeDevientLePointDUnNombre) {
    for (const char* oui : {"12.", "12.5", ".", ".5", "-0.", "  +3.25", "1.2"})
        EXPECT_TRUE(VirguleDecimale(oui)) << oui;
    for (const char* non : {"B.", "abs.", "1.2.", "12.5.", "1.e", "12 .", "-", "", "A+."})
        EXPECT_FALSE(VirguleDecimale(non)) << non;
}

// A subject's coefficient: the assignments' range while checks are on, never below 0.
TEST_F(Saisie, UnCoefficientDeMatiereNEstJamaisNegatif) {
    struct Cas {
        const char* texte;
        bool verification;
        Coefficient attendu;
        double coef;
    };
    for (const Cas& k :
         {Cas{"0", true, Coefficient::Accepte, 0}, Cas{"2.5", true, Coefficient::Accepte, 2.5},
          Cas{"12", true, Coefficient::HorsDomaine, 7}, Cas{"12", false, Coefficient::Accepte, 12},
          Cas{"-2", false, Coefficient::HorsDomaine, 7},
          Cas{"2,5", true, Coefficient::PasUnNombre, 7},
          Cas{"", true, Coefficient::PasUnNombre, 7}}) {
        Options.verification = k.verification;
        double coef = 7;
        std::string avertissement;
        EXPECT_EQ(LireCoefficientMatiere(k.texte, coef, avertissement), k.attendu) << k.texte;
        EXPECT_EQ(coef, k.coef) << k.texte;
        EXPECT_EQ(avertissement.empty(), k.attendu != Coefficient::HorsDomaine) << k.texte;
    }
    std::string avertissement;
    double coef;
    LireCoefficientMatiere("-2", coef, avertissement);
    EXPECT_EQ(Utf8DepuisCp1252(avertissement),
              "Le nombre -2.00 est en dehors du domaine de validité.\r( De 0 à 10 )");
}
