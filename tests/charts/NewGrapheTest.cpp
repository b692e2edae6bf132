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

// The rows a dotted line crosses over the right half of the picture.
std::vector<int> pointilles(const QImage& img) {
    std::vector<int> rangees;
    const int x0 = img.width() / 2, x1 = img.width() - 10;
    for (int y = 0; y < img.height(); ++y) {
        int n = 0;
        for (int x = x0; x < x1; ++x) n += img.pixelColor(x, y) == Noir;
        if (n >= (x1 - x0) / 4) rangees.push_back(y);
    }
    return rangees;
}

} // namespace

TEST(NewGraphe, GraduationsStopAtVmax) {
    TNewGraphe g;
    sansLegendes(g);
    g.SetLegV(true);
    g.SetCadre(false);
    g.SetMode(mBarre);
    ajouterBarres(g, {-1}, Vert);
    g.Barre(1)->SetTexte({});
    // The plot is the whole rectangle, 100 pixels down the picture: 15 pixels per unit from
    // its bottom. Nothing clips a graduation above Vmax: it would show above the rectangle.
    const std::vector<std::pair<int, std::vector<int>>> cas = {
        {5, {100, 175, 250, 325}}, {6, {130, 220, 310}}, {7, {190, 295}}};
    for (const auto& [pas, rangees] : cas) {
        g.SetPasVert(pas);
        EXPECT_EQ(pointilles(rendre(g, {400, 400}, {0, 100, 400, 300})), rangees) << pas;
    }
}

TEST(NewGraphe, BarsStandOnTheFootALineJoinsTheNeighboursOfAMissingValueAndTheAverageIsALine) {
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

    // The average line, with its label, only for a value.
    const QColor magenta(255, 0, 255);
    g.SetMoy(true);
    g.BarreMoy().Valeur = 15;
    g.BarreMoy().CouleurBarre = magenta;
    img = rendre(g, 300, 200);
    EXPECT_GT(compter(img, QRect(0, 49, 300, 3), egal(magenta)), 60);
    EXPECT_EQ(compter(img, QRect(0, 0, 300, 47), egal(magenta)), 0);
    EXPECT_GT(compter(img, QRect(3, 50, 40, 20), teinteBleue), 0) << "moy.";
    // A negative value is none, not a line below the plot.
    g.BarreMoy().Valeur = -1;
    EXPECT_EQ(compter(rendre(g, {300, 400}, {0, 0, 300, 200}), egal(magenta)), 0);
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

// Without bars the caption is the message; without room for the plot, the title stays alone.
TEST(NewGraphe, WithoutBarsOrRoomOnlyTheFrameAndTextAreDrawn) {
    TNewGraphe g;
    g.SetCaption(QStringLiteral("Aucune note"));
    g.SetCouleurPolice(Bleu);
    g.SetCouleurL(Vert);
    const QImage img = rendre(g, 400, 300);
    EXPECT_EQ(compter(img, egal(Vert)), 2 * (400 + 300) - 4) << "the frame alone";
    EXPECT_GT(compter(img, teinteBleue), 0) << "the message";

    g.SetCouleurL(Noir);
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

TEST(NewGraphe, BezierCurveStaysAmongItsPointsAndStopsOnTheTopEdge) {
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

    // A computed point on the rectangle's top edge ends the curve there.
    sansLegendes(g);
    g.SetCaption({});
    ajouterBarres(g, {20, 20, 20}, Vert);
    EXPECT_LT(compter(rendre(g, 300, 200), egal(Noir)), 10);
    ajouterBarres(g, {19, 19, 19}, Vert);
    EXPECT_GT(compter(rendre(g, 300, 200), egal(Noir)), 300);
}

// On a tall narrow rectangle (a portrait page) the font the short side gives is too wide for
// the longest lines: every line and the title stay inside the rectangle, whole.
TEST(NewGraphe, LesLignesEtLeTitreTiennentDansUnRectanglePortrait) {
    TNewGraphe g;
    g.SetCaption(QStringLiteral("3A - Mathématiques - Trim.1 - Devoir n° 3 du 12/10/2026"));
    g.SetCouleurPolice(Bleu);
    g.SetNbLigne(5);
    g.SetLigne(4, QStringLiteral("Note la plus haute : 19,5 (2 élèves)   Note la plus basse : 2"));
    g.SetLigne(5, QStringLiteral("Moyenne de la classe : 11,25      Ecart type : 4.2"));
    g.SetMode(mBarre);
    ajouterBarres(g, {12, 8, 15, 17.5, 6}, Vert);
    const QRect zone(20, 20, 400, 566);
    const QImage img = rendre(g, {440, 606}, zone);
    const QRect texte = boite(img, img.rect(), teinteBleue);
    EXPECT_TRUE(zone.contains(texte)) << texte.right() << " > " << zone.right();
}
