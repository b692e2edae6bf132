#include "LargeurNom.h"
#include "Rendu.h"

namespace quillora::test {
namespace {

class Mesures : public FeuilleTest {};

TEST_F(Mesures, OriginesArrondiesAuPairSelonLaSurface) {
    const TClasse c = classe({{"12"}});
    peindre(c);
    EXPECT_EQ(g.k, 2);
    EXPECT_EQ(g.Point(0, 0), QPoint(0, 0));
    // A 300 dpi page seen from a 96 dpi screen: 6.25 pixels a unit under a title band of
    // 187.5, rounded to the even 188; halved, 93.75 gives 94.
    peindre(c, true);
    EXPECT_EQ(g.k, 6.25);
    EXPECT_EQ(g.Point(0, 0), QPoint(0, 188));
    Options.kd = 0.5;
    peindre(c, true);
    EXPECT_EQ(g.Point(0, 0), QPoint(0, 94));
    // Preview at 0.375: k = 0.75 and a band of 22.5 rounded to 22, under margins of
    // Round(84 x 0.32 x 0.375 / 2) = 5 around a page 10 pixels from the corner.
    etat.ModeApercu = true;
    etat.ZoomApercu = 0.375;
    etat.DecalageX = 3;
    peindre(c);
    EXPECT_EQ(g.k, 0.75);
    EXPECT_EQ(g.Point(0, 0), QPoint(5 + 10 - 3, 5 + 10 + 22));
}

TEST_F(Mesures, LaColonneDesNomsSuitLaLargeurDesNomsEcrits) {
    TClasse c = classe({{}, {}});
    Options.prenom = false;
    EXPECT_EQ(CalculerLargeurNom(c), 5);
    c.Eleve[1].Nom = "IIIIIIIIIIIIIIIIIIII";
    EXPECT_EQ(CalculerLargeurNom(c), 5);
    c.Eleve[1].Nom = "WWWWWWWWWWWWWWWWWWWW";
    const int large = CalculerLargeurNom(c);
    EXPECT_GT(large, 8);
    c.Eleve[1].Prenom = "Marie-Christine";
    Options.prenom = true;
    EXPECT_GT(CalculerLargeurNom(c), large);

    // Wide enough for the name, which a narrower column cuts at its edge.
    Options.prenom = false;
    etat.LargeurNom = large;
    const QRect ligne(0, 40, 800, 20);
    QImage im = peindre(c);
    EXPECT_LT(encre(im, ligne, teinte::fond).right(), g.Point((large + 0.7) * 20, 0).x());
    etat.LargeurNom = 6;
    im = peindre(c);
    EXPECT_EQ(encre(im, ligne, teinte::fond).right(), g.Point(6.7 * 20, 0).x() - 1);
}

// A scrolled window shows exactly the part of the whole sheet under it, texts cut at its
// edges included; so does a paint clipped to part of the window.
TEST_F(Mesures, UneFenetreDefileeMontreLaPartieDeLaFeuilleEntiere) {
    TClasse c = classe({std::vector<std::string>(24, "")});
    c.NbEleve = 45;
    c.Joker = 1;
    for (int e = 1; e <= 45; ++e)
        for (int a = 1; a <= 24; ++a) c.Eleve[e].Note[1][1][a] = std::to_string((e + a) % 21);
    etat.TailleClient = QSize(1500, 1700);
    const QImage entiere = peindre(c);

    etat.TailleClient = QSize(400, 300);
    etat.DecalageX = 517;
    etat.DecalageY = 611;
    EXPECT_EQ(peindre(c), entiere.copy(QRect(QPoint(517, 611), etat.TailleClient)));
    QImage decoupee(etat.TailleClient, QImage::Format_RGB32);
    QPainter p(&decoupee);
    const QRect clip(37, 53, 120, 90);
    p.setClipRect(clip);
    DessinerFeuille(p, c, etat, false);
    EXPECT_EQ(decoupee.copy(clip), entiere.copy(clip.translated(517, 611)));
}

} // namespace
} // namespace quillora::test
