#include <gtest/gtest.h>
#include <vector>

#include "Images.h"
#include "NewGraphe.h"

using namespace quillora;
using namespace quillora::test;

namespace {

const QColor Fond(192, 192, 192);
const QColor Bleu(0, 0, 255);
const QColor Vert(0, 160, 0);
const QColor Noir(0, 0, 0);
const QColor Blanc(255, 255, 255);

// Text in Bleu, antialiased over any grey.
bool teinteBleue(QColor c) {
    return c.blue() > c.red() && c.red() == c.green();
}

void ajouterBarres(TNewGraphe& g, std::initializer_list<double> valeurs, const QColor& couleur) {
    g.SetNbBarre(static_cast<int>(valeurs.size()));
    int i = 1;
    for (double v : valeurs) {
        TBarre b;
        b.Valeur = v;
        b.CouleurBarre = couleur;
        b.SetTexte(QStringLiteral("abs"));
        *g.Barre(i++) = b;
    }
}

// No axes, title, text lines nor average: the plot is then the whole rectangle, the foot of the
// bars is its bottom edge and one unit is H / Vmax pixels, so positions can be checked directly.
void sansLegendes(TNewGraphe& g) {
    g.SetLegH(false);
    g.SetLegV(false);
    g.SetNbLigne(0);
    g.SetMoy(false);
    g.SetCouleurPolice(Bleu);
}

// The values at which dotted lines cross the right half of the plot, read back through the
// axes: the solid horizontal axis is 0, the top of the vertical axis is Vmax.
std::vector<double> graduationsLues(const QImage& img, int vmax) {
    const int x0 = img.width() / 2, x1 = img.width() - 10;
    auto noir = [&](int x, int y) { return img.pixelColor(x, y) == Noir; };
    int axeH = -1;
    std::vector<int> pointilles;
    for (int y = 1; y < img.height() - 1; ++y) {
        int n = 0;
        bool contigus = false;
        for (int x = x0; x < x1; ++x) {
            if (!noir(x, y)) continue;
            ++n;
            contigus |= noir(x + 1, y);
        }
        if (n == x1 - x0)
            axeH = y;
        else if (n >= (x1 - x0) / 4 && !contigus)
            pointilles.push_back(y);
    }
    int axeV = 1; // the first black pixel right of the frame, just above the axis
    while (!noir(axeV, axeH - 1)) ++axeV;
    int haut = axeH;
    while (haut > 0 && noir(axeV, haut - 1)) --haut;
    std::vector<double> valeurs;
    for (int y : pointilles) valeurs.push_back(vmax * double(axeH - y) / (axeH - haut));
    return valeurs;
}

} // namespace

TEST(NewGraphe, IndexesAndCountsOutOfRangeAreIgnored) {
    TNewGraphe g;
    g.SetNbBarre(3);
    EXPECT_EQ(g.Barre(0), nullptr);
    EXPECT_EQ(g.Barre(4), nullptr);
    g.SetLegende(3, QStringLiteral("Sept."));
    g.Barre(3)->SetTexte(QStringLiteral("absent"));
    EXPECT_EQ(g.Barre(3)->Legende(), QStringLiteral("Sept"));
    EXPECT_EQ(g.Barre(3)->Texte(), QStringLiteral("abse"));
    g.Barre(2)->Valeur = 7;
    g.SetNbBarre(2);
    EXPECT_EQ(g.Barre(2)->Valeur, 0.0) << "setting NbBarre makes fresh bars";

    g.SetNbLigne(3);
    g.SetNbLigne(6);
    EXPECT_EQ(g.NbLigne(), 3);
    EXPECT_EQ(g.LireLigne(1), QStringLiteral("5 lignes max"));
}

TEST(NewGraphe, GraduationsStopAtVmax) {
    TNewGraphe g;
    g.SetCaption(QStringLiteral("Notes"));
    g.SetCouleurPolice(Bleu);
    g.SetMoy(false);
    g.SetNbLigne(0);
    g.SetMode(mBarre);
    ajouterBarres(g, {-1, -1, -1, -1}, Vert);
    g.Barre(1)->SetTexte({});
    // With a step of 7, 21 would fall inside the title band, where it must not be drawn.
    const std::vector<std::pair<int, std::vector<double>>> cas = {
        {5, {20, 15, 10, 5}}, {6, {18, 12, 6}}, {7, {14, 7}}};
    for (const auto& [pas, attendues] : cas) {
        g.SetPasVert(pas);
        const std::vector<double> lues = graduationsLues(rendre(g, 400, 300), 20);
        ASSERT_EQ(lues.size(), attendues.size()) << "PasVert " << pas;
        for (std::size_t i = 0; i < lues.size(); ++i) EXPECT_NEAR(lues[i], attendues[i], 0.25);
    }
}

TEST(NewGraphe, BarsStandOnTheFootAndALineJoinsTheNeighboursOfAMissingValue) {
    TNewGraphe g;
    sansLegendes(g);
    g.SetMode(mBarre);
    ajouterBarres(g, {10, 0, -1789}, Vert); // slots 100 px wide, 10 px per unit
    QImage img = rendre(g, 300, 200);
    EXPECT_EQ(img.pixelColor(50, 101), Vert);
    EXPECT_EQ(img.pixelColor(50, 98), Fond);
    EXPECT_EQ(img.pixelColor(100, 150), Noir) << "a bar is one pixel wider than its slot";
    EXPECT_GT(compter(img, QRect(101, 150, 98, 49), teinteBleue), 0) << "the 0 of bar 2";
    EXPECT_GT(compter(img, QRect(201, 150, 98, 49), teinteBleue), 0) << "the abs of bar 3";
    g.SetAfficher0(false);
    EXPECT_EQ(compter(rendre(g, 300, 200), QRect(101, 150, 98, 49), sauf({Fond, Noir})), 0);

    g.SetMode(mLigne);
    ajouterBarres(g, {10, -1789, 5}, Vert); // points (50, 100) and (250, 150)
    img = rendre(g, 300, 200);
    EXPECT_GT(compter(img, QRect(149, 124, 3, 3), egal(Noir)), 0);
    EXPECT_GT(compter(img, QRect(100, 150, 100, 49), teinteBleue), 0) << "abs at the foot";
    EXPECT_EQ(compter(img, QRect(1, 150, 98, 49), teinteBleue), 0);
    EXPECT_EQ(img.pixelColor(250 + 300 / 120, 150), Vert) << "marker";
}

TEST(NewGraphe, AverageLineIsDrawnOnlyForAValue) {
    TNewGraphe g;
    sansLegendes(g);
    g.SetMode(mBarre);
    ajouterBarres(g, {-1}, Vert);
    const QColor magenta(255, 0, 255);
    g.BarreMoy().CouleurBarre = magenta;
    g.BarreMoy().Valeur = 15;
    EXPECT_EQ(compter(rendre(g, 300, 200), egal(magenta)), 0) << "Moy is off";
    g.SetMoy(true);
    const QImage img = rendre(g, 300, 200);
    EXPECT_GT(compter(img, QRect(0, 49, 300, 3), egal(magenta)), 60);
    EXPECT_EQ(compter(img, QRect(0, 0, 300, 47), egal(magenta)), 0);
    EXPECT_GT(compter(img, QRect(3, 50, 40, 20), teinteBleue), 0) << "moy.";
    g.BarreMoy().Valeur = -1789;
    EXPECT_EQ(compter(rendre(g, 300, 200), egal(magenta)), 0);
}

TEST(NewGraphe, BlackAndWhiteDrawsOnlyBlackAndWhite) {
    TNewGraphe g;
    g.SetCaption(QStringLiteral("Évolution"));
    g.SetCouleurPolice(Bleu);
    g.SetCouleurL(QColor(200, 0, 0));
    g.SetNbLigne(2);
    g.SetLigne(2, QStringLiteral("Moyenne 11,5"));
    ajouterBarres(g, {12, 0, -1789, 17.5, 6}, Vert);
    g.BarreMoy().Valeur = 11.5;
    g.SetNoirBlanc(true);
    for (TMode mode : {mBarre, mLigne, mBezier}) {
        g.SetMode(mode);
        const QImage img = rendre(g, 400, 300);
        EXPECT_EQ(compter(img, sauf({Noir, Blanc})), 0) << "mode " << mode;
        EXPECT_GT(compter(img, egal(Noir)), 1000) << "mode " << mode;
    }
}

TEST(NewGraphe, WithoutBarsOnlyTheCaptionIsShown) {
    TNewGraphe g;
    g.SetCaption(QStringLiteral("Aucune note"));
    g.SetCouleurPolice(Bleu);
    g.SetCouleurL(Vert);
    const QImage img = rendre(g, 400, 300);
    EXPECT_EQ(compter(img, egal(Vert)), 2 * (400 + 300) - 4) << "the frame alone";
    const QRect texte = boite(img, img.rect().adjusted(1, 1, -1, -1), sauf({Fond, Vert}));
    EXPECT_GE(texte.top(), 150);
    EXPECT_NEAR(texte.center().x(), 200, 3);
}

TEST(NewGraphe, TooSmallAChartStopsAfterFrameAndTitle) {
    TNewGraphe g;
    g.SetCaption(QStringLiteral("Titre"));
    g.SetCouleurPolice(Bleu);
    g.SetNbLigne(0);
    g.SetMode(mBarre);
    ajouterBarres(g, {10, 15}, Vert);
    // Under 12 pixels the computed font height is 0 and the default height takes over.
    const QImage petit = rendre(g, {300, 60}, {0, 0, 300, 11});
    EXPECT_EQ(compter(petit, egal(Vert)), 0);
    EXPECT_GT(compter(petit, egal(Bleu)), 0) << "title";
    EXPECT_EQ(compter(petit, QRect(1, 1, 298, 9), egal(Noir)), 0) << "axes";
    EXPECT_GT(compter(rendre(g, 300, 60), egal(Vert)), 0);
}

TEST(NewGraphe, BezierCurveStartsOnItsFirstPointAndStaysAmongItsPoints) {
    TNewGraphe g;
    g.SetCaption(QStringLiteral("Courbe"));
    g.SetCouleurPolice(Bleu);
    g.SetCouleurL(Bleu);
    g.SetMoy(false);
    g.SetMode(mBezier);
    ajouterBarres(g, {4, 18, 2, 16, -1789, 10}, Vert);
    const QRect zone(37, 23, 400, 300);
    const QImage img = rendre(g, {480, 360}, zone);
    const QRect points = boite(img, img.rect(), egal(Vert));
    const QRect courbe = boite(img, img.rect(), egal(Noir));
    ASSERT_FALSE(courbe.isNull());
    EXPECT_TRUE(points.adjusted(-2, -2, 2, 2).contains(courbe)) << "inside the points' hull";
    const QRect premier = boite(img, QRect(points.left(), 0, 10, 360), egal(Vert));
    EXPECT_GT(compter(img, QRect(premier.center() - QPoint(2, 2), QSize(5, 5)), egal(Noir)), 0);
    EXPECT_GT(compter(img, egal(Noir)), 300);

    // A computed point on the rectangle's top edge ends the curve there.
    sansLegendes(g);
    g.SetCaption({});
    ajouterBarres(g, {20, 20, 20}, Vert);
    EXPECT_LT(compter(rendre(g, 300, 200), egal(Noir)), 10);
    ajouterBarres(g, {19, 19, 19}, Vert);
    EXPECT_GT(compter(rendre(g, 300, 200), egal(Noir)), 300);
}
