#include <gtest/gtest.h>

#include <cstring>

#include "Devoirs.h"
#include "Fabrique.h"
#include "Saisie.h"

using namespace quillora;
using namespace quillora::test;

namespace {

using Devoirs = ModeleTest;

bool MemesOctets(const TClasse& a, const TClasse& b) {
    return std::memcmp(&a.Image(), &b.Image(), sizeof(ImageClasse)) == 0;
}

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
        EXPECT_TRUE(place || MemesOctets(c, avant)) << n; // a refused command changes nothing
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
    // The second one copied, pasted before the first, then after the last.
    TPressePapier pp;
    CopierDevoir(c, 1, 1, 2, pp);
    ASSERT_TRUE(InsererDevoirVide(c, 1, 1, 1) && CollerDevoir(c, 1, 1, 1, pp));
    ASSERT_TRUE(CollerDevoir(c, 1, 1, 4, pp));
    EXPECT_EQ(portrait(c), "2 eleves\n"
                           "1 ELEVE1// 1.1.1=1.3 1.1.2=1.1 1.1.3=1.3 1.1.4=1.3\n"
                           "2 ELEVE2// 1.1.1=2.3 1.1.2=2.1 1.1.3=2.3 1.1.4=2.3 1.2.1=9\n"
                           "D1.1.1 3//D3\nD1.1.2 1//D1\nD1.1.3 3//D3\nD1.1.4 3//D3\nD1.2.1 1//");
}

TEST_F(Devoirs, LesNotesSeCollentParPositionEntreClassesDeTaillesDifferentes) {
    TPressePapier pp;
    CopierDevoir(Classe(32, 1), 1, 1, 1, pp); // copied over by the next copy
    CopierDevoir(Classe(30, 2), 1, 1, 2, pp);
    EXPECT_EQ(pp.NbEleve, 30);
    TClasse petite = Classe(28, 0), grande = Classe(32, 0);
    ASSERT_TRUE(CollerDevoir(petite, 1, 1, 1, pp));
    ASSERT_TRUE(CollerDevoir(grande, 1, 1, 1, pp));
    EXPECT_EQ(petite.Eleve[28].Note[1][1][1], "28.2");
    EXPECT_EQ(grande.Eleve[30].Note[1][1][1], "30.2");
    EXPECT_TRUE(grande.Eleve[31].Note[1][1][1].empty());
    EXPECT_TRUE(grande.Eleve[32].Note[1][1][1].empty());
    EXPECT_EQ(grande.Devoir[1][1][1].Commentaire, "D2");
}

TEST_F(Devoirs, LaDateProposeeFranchitLesMoisEtLesAnnees) {
    EXPECT_EQ(TexteDateDevoir(DateHeure{2026, 12, 5}, -5), "lun. 30 nov.");
    EXPECT_EQ(TexteDateDevoir(DateHeure{2026, 12, 5}, 27), "ven. 1 jan.");
    EXPECT_EQ(TexteDateDevoir(DateHeure{2028, 2, 28}, 1), cp1252("mar. 29 fév."));
}

} // namespace
