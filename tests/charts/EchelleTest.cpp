#include <QBitArray>
#include <gtest/gtest.h>

#include "Images.h"
#include "NewGraphe.h"
#include "Tableau.h"

using namespace quillora;
using namespace quillora::test;

// The print layout draws a control at printer resolution with the same routine the window
// uses, so the page must show the window's picture, only finer. Pens keep their width in device
// pixels, so a line on paper is far thinner: what is compared is where there is ink at all, on
// a coarse grid, against the difference that other content makes.
namespace {

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
    for (int y = 0; y < Rangees; ++y) {
        for (int x = 0; x < Colonnes; ++x) {
            const QRect voisins = etendre ? QRect(x - 1, y - 1, 3, 3) : QRect(x, y, 1, 1);
            cellules.setBit(y * Colonnes + x, compter(grossier, voisins, encree) > 0);
        }
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
