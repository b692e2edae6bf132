#include "ConversionsQt.h"
#include "Defilement.h"
#include "Rendu.h"

namespace quillora::test {
namespace {

class Papier : public FeuilleTest {
protected:
    // Wider than the printable area: 24 assignments.
    TClasse large = classe({std::vector<std::string>(24, "5"), std::vector<std::string>(24, "15")});
    // A4 at 300 dpi on a 96 dpi screen at half size: 397 x 561 pixels from (10, 10), with
    // unprintable margins of 7 pixels.
    const QRect page{10, 10, 397, 561};
    const QRect imprimable = page.adjusted(7, 7, -7, -7);

    QImage apercu(const TClasse& c) {
        etat.ModeApercu = true;
        etat.ZoomApercu = 0.5;
        return peindre(c);
    }
};

int horsDesGris(const QImage& im) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        for (int x = 0; x < im.width(); ++x)
            n += qRed(ligne[x]) != qGreen(ligne[x]) || qGreen(ligne[x]) != qBlue(ligne[x]);
    }
    return n;
}

TEST_F(Papier, LeFondEstCeluiDesReglagesAlEcranEtBlancSurLePapier) {
    QImage im = peindre(classe({})); // no student: the background alone
    EXPECT_TRUE(uni(im, im.rect(), teinte::fond));
    im = peindre(large);
    EXPECT_TRUE(uni(im, QRect(700, 500, 100, 100), teinte::fond));
    EXPECT_TRUE(uni(im, QRect(1, 1, 158, 2), 0xFF0000)); // the box of a period

    im = peindre(large, true);
    EXPECT_EQ(compter(im, im.rect(), teinte::fond), 0);
    im = apercu(large);
    EXPECT_EQ(compter(im, im.rect(), teinte::fond), 0);
    EXPECT_TRUE(uni(im, QRect(200, 450, 100, 100), 0xFFFFFF));
}

TEST_F(Papier, LImpressionEnNoirEtBlancNeLaisseAucuneCouleur) {
    const auto reglages = Options.couleur;
    Options.noirblanc = false;
    EXPECT_GT(compter(peindre(large, true), QRect(0, 0, 2481, 1000), teinte::noteBasse), 0);
    Options.noirblanc = true;
    EXPECT_EQ(horsDesGris(peindre(large, true)), 0);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(Options.couleur[i], reglages[i]) << i;
    // The preview keeps its own surroundings.
    EXPECT_TRUE(uni(apercu(large), QRect(500, 0, 300, 600), teinte::autour));
}

TEST_F(Papier, LeTitreImprimeEstCentreDansLaBandeDuHaut) {
    QImage im = peindre(large, true);
    const QRect bande(0, 0, 2481, g.OrigineY);
    EXPECT_NEAR(encre(im, bande, 0xFFFFFF).center().x(), 2481 / 2, 15);
    Options.imprimerTitre = false;
    EXPECT_TRUE(uni(peindre(large, true), bande, 0xFFFFFF));
}

TEST_F(Papier, LApercuCoupeLaFeuilleALaZoneImprimable) {
    QImage im = apercu(large);
    EXPECT_TRUE(uni(im, QRect(imprimable.right() + 1, page.top() + 2, 5, 550), 0xFFFFFF));
    // The shadow, 5 pixels down and right.
    EXPECT_TRUE(uni(im, QRect(page.right() + 2, page.top() + 5, 4, page.height()), 0));
    // The dotted printable area, only with the margin shown.
    const QRect gauche(imprimable.left(), page.top() + 40, 1, 400);
    EXPECT_GT(compter(im, gauche, 0x000000), 50);
    EXPECT_LT(compter(im, gauche, 0x000000), 350);
    Options.marge = false;
    EXPECT_EQ(compter(apercu(large), gauche, 0x000000), 0);
    const Defilement d = CalculerDefilement(large, etat);
    EXPECT_EQ(QSize(d.largeur, d.hauteur), page.size() + QSize(20, 20));
}

} // namespace
} // namespace quillora::test
