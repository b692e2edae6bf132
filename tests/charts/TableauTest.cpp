#include <gtest/gtest.h>

#include "Images.h"
#include "Tableau.h"

using namespace quillora;
using namespace quillora::test;

namespace {
const QColor Gris(128, 128, 128);
const QColor Blanc(255, 255, 255);
const QColor Noir(0, 0, 0);
} // namespace

TEST(Tableau, CellsHoldTwentyFiveCharactersWithinFiveByFive) {
    TTableau t;
    t.SetCellule(6, 1, QStringLiteral("x"));
    EXPECT_EQ(t.Cellule(2, 3) + t.Cellule(0, 1) + t.Cellule(1, 6), QStringLiteral("2 3"));

    const QString matiere = QStringLiteral("Sciences économiques/sociales"); // 29 characters
    t.SetCellule(1, 2, matiere + QStringLiteral("!"));
    EXPECT_EQ(t.Cellule(1, 2), matiere.left(25));

    // What is drawn is the cut text, and the 25th character is still there.
    const QImage coupe = rendre(t, 1200, 300);
    t.SetCellule(1, 2, matiere.left(25));
    EXPECT_EQ(rendre(t, 1200, 300), coupe);
    t.SetCellule(1, 2, matiere.left(24));
    EXPECT_NE(rendre(t, 1200, 300), coupe);
    // Narrower, the name stops at its column instead of running over the next cell.
    t.SetCellule(2, 2, {});
    EXPECT_EQ(compter(rendre(t, 600, 300), QRect(203, 103, 95, 45), sauf({QColor(192, 192, 192)})),
              0);
}

TEST(Tableau, GridLinesFollowTheCountsAndTheReliefStyle) {
    // 2 and 6 rows and 3 columns are refused, leaving 5 x 5 cells in 360 x 240: columns 60 wide
    // (the first one double), rows 40 high.
    TTableau t;
    t.SetCouleurL(QColor(0, 0, 200));
    t.SetNbLigne(2);
    t.SetNbLigne(6);
    t.SetNbColonne(3);
    const std::pair<TRelief, std::pair<QColor, QColor>> styles[] = {
        {rCreux, {Gris, Blanc}}, {rBosse, {Blanc, Gris}}, {rAucun, {QColor(0, 0, 200), {}}}};
    for (const auto& [relief, couleurs] : styles) {
        t.SetRelief(relief);
        const QImage img = rendre(t, 360, 240);
        // Each line and, in relief, its second colour one pixel further on.
        const auto trait = [&](QPoint p) {
            EXPECT_EQ(img.pixelColor(p), couleurs.first)
                << relief << " at " << p.x() << ',' << p.y();
            const QColor suite = img.pixelColor(p + QPoint(1, 1));
            EXPECT_TRUE(!couleurs.second.isValid() || suite == couleurs.second) << relief;
        };
        for (int x : {120, 180, 240, 300}) trait({x, 42});
        for (int y : {80, 120, 160, 200}) trait({5, y});
        EXPECT_NE(img.pixelColor(5, 40), couleurs.first) << "no line under the title band";
    }

    // Four columns and three rows, the smallest counts taken: columns 72 wide, rows 60 high.
    t.SetNbColonne(4);
    t.SetNbLigne(3);
    const QImage img = rendre(t, 360, 240);
    const QColor trait = t.CouleurL();
    for (int x : {144, 216, 288}) EXPECT_EQ(img.pixelColor(x, 62), trait) << x;
    for (int x : {120, 180, 240, 300}) EXPECT_NE(img.pixelColor(x, 62), trait) << x;
    for (int y : {120, 180}) EXPECT_EQ(img.pixelColor(5, y), trait) << y;
    for (int y : {80, 160, 200}) EXPECT_NE(img.pixelColor(5, y), trait) << y;

    // In black and white, whatever the colours, flat lines are black and nothing is grey.
    t.SetRelief(rAucun);
    t.SetCaption(QStringLiteral("Bilan"));
    t.SetCouleurFond(QColor(0, 0, 255));
    t.SetCouleurPolice(QColor(0, 128, 0));
    t.SetNoirBlanc(true);
    const QImage nb = rendre(t, 360, 240);
    EXPECT_EQ(compter(nb, sauf({Noir, Blanc})), 0);
    EXPECT_EQ(nb.pixelColor(5, 120), Noir);
}
