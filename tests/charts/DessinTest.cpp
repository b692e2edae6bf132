// The chart and the table, drawn into images: where their pixels fall, and that the print
// layout draws the window's picture.
#include <QBitArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "NewGraphe.h"
#include "Tableau.h"

using namespace quillora;

namespace {

// Draws a control the way the print layout does: into the rectangle (L, T, W, H) of an image
// of the given size filled with `fond`.
template <typename Controle>
QImage rendre(Controle& c, QSize image, QRect zone, const QColor& fond = Qt::white) {
    QImage resultat(image, QImage::Format_RGB32);
    resultat.fill(fond);
    QPainter p(&resultat);
    c.Dessiner(p, zone.x(), zone.y(), zone.width(), zone.height());
    return resultat;
}
template <typename Controle> QImage rendre(Controle& c, int W, int H) {
    return rendre(c, {W, H}, {0, 0, W, H});
}

using Filtre = std::function<bool(QColor)>;
inline Filtre egal(const QColor& couleur) {
    return [rgb = couleur.rgb()](QColor c) { return c.rgb() == rgb; };
}
// Anything but the given colours: text, which is antialiased, falls in here.
inline Filtre sauf(std::initializer_list<QColor> couleurs) {
    return [exclues = std::vector<QColor>(couleurs)](QColor c) {
        return std::find(exclues.begin(), exclues.end(), c) == exclues.end();
    };
}

// The smallest rectangle holding every matching pixel of `zone` (null when none matches), and
// their number.
inline QRect boite(const QImage& image, const QRect& zone, const Filtre& filtre, int* n = nullptr) {
    QRect resultat;
    const QRect r = zone & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (filtre(image.pixelColor(x, y))) {
                resultat |= QRect(x, y, 1, 1);
                if (n) ++*n;
            }
    return resultat;
}
inline int compter(const QImage& image, const QRect& zone, const Filtre& filtre) {
    int n = 0;
    boite(image, zone, filtre, &n);
    return n;
}
inline int compter(const QImage& image, const Filtre& filtre) {
    return compter(image, image.rect(), filtre);
}

const QColor Fond(192, 192, 192);
const QColor Bleu(0, 0, 255);
const QColor Vert(0, 160, 0);
const QColor Noir(0, 0, 0);
const QColor Blanc(255, 255, 255);
const QColor Gris(128, 128, 128);

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

// The print layout draws a control at printer resolution with the same routine the window
// uses, so the page must show the window's picture, only finer. Pens keep their width in device
// pixels, so a line on paper is far thinner: what is compared is where there is ink at all, on
// a coarse grid, against the difference that other content makes.
constexpr int Colonnes = 50, Rangees = 38;

// One cell per 4 x 4 window pixels: inked when it differs at all from the background, or
// when a neighbour does if `etendre`, to allow for one-cell shifts from font hinting.
QBitArray encre(const QImage& image, bool etendre) {
    const QImage grossier =
        image.convertToFormat(QImage::Format_RGB32)
            .scaled(Colonnes, Rangees, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Inside the frame, left of every text and below the plot: background in both controls.
    const QColor fond = image.pixelColor(2, image.height() - 3);
    const Filtre encree = [&](QColor c) {
        return std::abs(c.red() - fond.red()) + std::abs(c.green() - fond.green()) +
                   std::abs(c.blue() - fond.blue()) >
               2;
    };
    QBitArray cellules(Colonnes * Rangees);
    for (int y = 0; y < Rangees; ++y)
        for (int x = 0; x < Colonnes; ++x) {
            const QRect voisins = etendre ? QRect(x - 1, y - 1, 3, 3) : QRect(x, y, 1, 1);
            cellules.setBit(y * Colonnes + x, compter(grossier, voisins, encree) > 0);
        }
    return cellules;
}

// The share of cells inked in one picture with no ink at or next to them in the other.
template <typename Controle> double ecartEcranPapier(Controle& ecran, Controle& papier) {
    const QImage vue = ecran.grab().toImage();
    const QImage page = rendre(papier, 12 * vue.width(), 12 * vue.height());
    const QBitArray seules =
        (encre(vue, false) & ~encre(page, true)) | (encre(page, false) & ~encre(vue, true));
    return double(seules.count(true)) / seules.size();
}

void remplir(TNewGraphe& g, TMode mode, bool inverse) {
    const double notes[] = {14, 6, 11, -1789, 18, 9, 12.5, 3};
    g.SetMode(mode);
    g.SetCaption(QStringLiteral("Devoir 2"));
    g.SetNbBarre(8);
    for (int i = 1; i <= 8; ++i) {
        g.Barre(i)->Valeur = notes[inverse ? 8 - i : i - 1];
        g.Barre(i)->CouleurBarre = QColor(0, 0, 160);
        g.SetLegende(i, QString::number(i));
    }
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

TEST(Echelle, ChartAndTableOnPaperAreTheWindowPictureScaled) {
    for (TMode mode : {mBarre, mLigne, mBezier}) {
        TNewGraphe ecran, papier, autre;
        remplir(ecran, mode, false);
        remplir(papier, mode, false);
        remplir(autre, mode, true);
        ecran.resize(200, 150);
        EXPECT_LT(ecartEcranPapier(ecran, papier), 0.01) << "mode " << mode;
        EXPECT_GT(ecartEcranPapier(ecran, autre), 0.02) << "mode " << mode;
    }
    TTableau ecran, papier, autre;
    for (TTableau* t : {&ecran, &papier, &autre})
        t->SetCaption(QStringLiteral("Bilan du trimestre"));
    autre.SetNbColonne(4);
    autre.SetNbLigne(3);
    ecran.resize(200, 150);
    EXPECT_LT(ecartEcranPapier(ecran, papier), 0.01);
    EXPECT_GT(ecartEcranPapier(ecran, autre), 0.02);
}
