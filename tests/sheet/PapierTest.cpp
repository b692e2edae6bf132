#include "Rendu.h"

namespace quillora::test {
namespace {

class Papier : public FeuilleTest {
protected:
    // Wider than the printable area: 24 assignments.
    TClasse large = classe({std::vector<std::string>(24, "5"), std::vector<std::string>(24, "15")});

    QImage apercu() { // half size: the page's 397 x 561 pixels from (10, 10)
        etat.ModeApercu = true;
        etat.ZoomApercu = 0.5;
        return peindre(large);
    }
};

TEST_F(Papier, LeFondEstCeluiDesReglagesAlEcranEtBlancSurLePapier) {
    QImage im = peindre(classe({})); // no student: the background alone
    EXPECT_TRUE(uni(im, im.rect(), teinte::fond));
    im = peindre(large, true);
    EXPECT_EQ(compter(im, im.rect(), teinte::fond), 0);
    im = apercu();
    EXPECT_EQ(compter(im, im.rect(), teinte::fond), 0);
    // The preview keeps its own surroundings. The sheet is cut at the printable area, 7
    // pixels inside the page, dotted only with the margin shown.
    EXPECT_TRUE(uni(im, QRect(500, 0, 300, 600), teinte::autour));
    EXPECT_TRUE(uni(im, QRect(401, 12, 5, 550), 0xFFFFFF));
    const QRect gauche(17, 50, 1, 400);
    EXPECT_GT(compter(im, gauche, 0x000000), 50);
    EXPECT_LT(compter(im, gauche, 0x000000), 350);
    Options.marge = false;
    EXPECT_EQ(compter(apercu(), gauche, 0x000000), 0);
}

TEST_F(Papier, LImpressionEnNoirEtBlancNeLaisseAucuneCouleur) {
    const auto reglages = Options.couleur;
    Options.noirblanc = false;
    EXPECT_FALSE(peindre(large, true).allGray());
    Options.noirblanc = true;
    EXPECT_TRUE(peindre(large, true).allGray());
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(Options.couleur[i], reglages[i]) << i;
}

} // namespace
} // namespace quillora::test
