#include "Rendu.h"

namespace quillora::test {
namespace {

constexpr int L = 5;

// The year view and the year's synthesis of a class of two subjects, with two semesters or
// three trimesters: student 1 has 12 everywhere in subject 1, coefficients 1, 2 and 3.
class VueAnnee : public FeuilleTest, public ::testing::WithParamInterface<int> {};

TEST_P(VueAnnee, UneColonneParPeriodePuisLAnneeEtLaSynthese) {
    const int m = GetParam();
    TClasse c = classe({{"12"}, {"6"}});
    c.NbPeriode = static_cast<std::uint8_t>(m);
    c.NbMatiere = 2;
    c.PeriodeCourante = 4;
    for (int p = 1; p <= 3; ++p) {
        c.Matiere[1].Coef[p] = p;
        c.NbDevoir[1][p] = 1;
        c.Eleve[1].Note[1][p][1] = "12";
    }
    QImage im = peindre(c);
    for (int i = 1; i <= m; ++i)
        EXPECT_TRUE(montre(im, Arrondi((2 * i + L - 1.2) * 20), 20, "12", teinte::moyHaute));
    // The year's column and its rule move left by 20 units for a missing column.
    const int retrait = 60 - 20 * m;
    EXPECT_TRUE(montre(im, 20 * (L + 7) - retrait, 20, "12", teinte::moyHaute));
    const int x = g.Point(Arrondi((L + 6.3) * 20) - retrait, 0).x();
    EXPECT_TRUE(uni(im, QRect(x, 10, 1, 110), teinte::lignes));

    c.MatiereCourante = 4; // the synthesis joins the periods' coefficients
    im = peindre(c);
    const QString coefs = m == 2 ? QStringLiteral("1+2") : QStringLiteral("1+2+3");
    EXPECT_TRUE(montre(im, 20 * (2 + L - 1), 11, coefs, teinte::titres, teinte::fond, 5, true));
    // Two subjects: the general average sits 20 units left of the three subjects' place.
    EXPECT_TRUE(montre(im, 20 * (L + 7) - 20, 20, "12", teinte::moyHaute));
}

INSTANTIATE_TEST_SUITE_P(Periodes, VueAnnee, ::testing::Values(2, 3));

} // namespace
} // namespace quillora::test
