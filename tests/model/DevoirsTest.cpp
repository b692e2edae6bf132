#include <gtest/gtest.h>

#include <cstring>

#include "Devoirs.h"
#include "Fabrique.h"
#include "Saisie.h"

using namespace quillora;
using namespace quillora::test;

namespace {

using Devoirs = ModeleTest;

// `eleves` students, `n` assignments in subject 1, period 1: grade "e.a", comment "Da".
TClasse Classe(int eleves, int n) {
    TClasse c = classeAvecNotes(std::vector<std::vector<std::string>>(eleves));
    c.NbDevoir[1][1] = static_cast<std::uint8_t>(n);
    for (int a = 1; a <= n; ++a) {
        c.Devoir[1][1][a].Commentaire = "D" + std::to_string(a);
        c.Devoir[1][1][a].Coef = a;
        for (int e = 1; e <= eleves; ++e)
            c.Eleve[e].Note[1][1][a] = std::to_string(e) + "." + std::to_string(a);
    }
    return c;
}

TEST_F(Devoirs, AucuneCommandeNeDepasseVingtQuatreDevoirs) {
    TPressePapier pp;
    CopierDevoir(Classe(2, 1), 1, 1, 1, pp);
    for (const int n : {0, 23, 24}) {
        const bool place = n < 24; // room for one more
        TClasse c = Classe(2, n);
        const TClasse avant = c;
        EXPECT_EQ(InsererDevoirVide(c, 1, 1, 1), place) << n;
        EXPECT_EQ(CollerDevoir(c, 1, 1, 1, pp), place) << n;
        EXPECT_EQ(c.NbDevoir[1][1], place ? n + 1 : 24) << n;
        // A refused command changes nothing.
        EXPECT_TRUE(place || std::memcmp(&c.Image(), &avant.Image(), sizeof(ImageClasse)) == 0);
        // Past the count, nothing to delete or to fill.
        EXPECT_FALSE(SupprimerDevoir(c, 1, 1, c.NbDevoir[1][1] + 1)) << n;
        EXPECT_FALSE(CollerDevoir(c, 1, 1, c.NbDevoir[1][1] + 2, pp)) << n;
    }
    TClasse vide = Classe(2, 0);
    EXPECT_FALSE(SupprimerDevoir(vide, 1, 1, 1));
}

// The whole class after each move, written out by hand: grades go with their assignment,
// nothing stays in a freed column, and another period is left alone.
TEST_F(Devoirs, LaClasseEntiereApresChaqueDeplacement) {
    TClasse c = Classe(2, 3);
    c.NbDevoir[1][2] = 1;
    c.Eleve[2].Note[1][2][1] = "9";
    ASSERT_TRUE(SupprimerDevoir(c, 1, 1, 2));
    EXPECT_EQ(portrait(c), "2 eleves\n"
                           "1 ELEVE1// 1.1.1=1.1 1.1.2=1.3\n"
                           "2 ELEVE2// 1.1.1=2.1 1.1.2=2.3 1.2.1=9\n"
                           "D1.1.1 1//D1\nD1.1.2 3//D3\nD1.2.1 1//");
    // The second one copied, over a copy from a bigger class; pasted before the first, after
    // the last, then into classes of three and one students, by position.
    TPressePapier pp;
    CopierDevoir(Classe(3, 1), 1, 1, 1, pp);
    CopierDevoir(c, 1, 1, 2, pp);
    ASSERT_TRUE(InsererDevoirVide(c, 1, 1, 1) && CollerDevoir(c, 1, 1, 1, pp));
    ASSERT_TRUE(CollerDevoir(c, 1, 1, 4, pp));
    EXPECT_EQ(portrait(c), "2 eleves\n"
                           "1 ELEVE1// 1.1.1=1.3 1.1.2=1.1 1.1.3=1.3 1.1.4=1.3\n"
                           "2 ELEVE2// 1.1.1=2.3 1.1.2=2.1 1.1.3=2.3 1.1.4=2.3 1.2.1=9\n"
                           "D1.1.1 3//D3\nD1.1.2 1//D1\nD1.1.3 3//D3\nD1.1.4 3//D3\nD1.2.1 1//");
    TClasse trois = Classe(3, 0), un = Classe(1, 0);
    ASSERT_TRUE(CollerDevoir(trois, 1, 1, 1, pp) && CollerDevoir(un, 1, 1, 1, pp));
    EXPECT_EQ(portrait(trois) + " | " + portrait(un),
              "3 eleves\n1 ELEVE1// 1.1.1=1.3\n2 ELEVE2// 1.1.1=2.3\n3 ELEVE3//\nD1.1.1 3//D3 | "
              "1 eleves\n1 ELEVE1// 1.1.1=1.3\nD1.1.1 3//D3");
}

TEST_F(Devoirs, LaDateProposeeFranchitLesMoisEtLesAnnees) {
    EXPECT_EQ(TexteDateDevoir(DateHeure{2026, 12, 5}, -5), "lun. 30 nov.");
    EXPECT_EQ(TexteDateDevoir(DateHeure{2026, 12, 5}, 27), "ven. 1 jan.");
    EXPECT_EQ(TexteDateDevoir(DateHeure{2028, 2, 28}, 1), cp1252("mar. 29 fév."));
}

} // namespace
