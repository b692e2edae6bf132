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
