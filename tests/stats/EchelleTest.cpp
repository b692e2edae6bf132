#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

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

constexpr int Petit = 200, Grand = 2400;

constexpr int Colonnes = 50, Rangees = 38;
using Masque = std::vector<std::vector<bool>>;

// One cell per 4 x 4 window pixels: inked when it differs at all from the background.
Masque encre(const QImage& image) {
    const QImage grossier =
        image.convertToFormat(QImage::Format_RGB32)
            .scaled(Colonnes, Rangees, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRgb fond = image.pixel(image.width() / 2, image.height() - 3);
    Masque masque(Rangees, std::vector<bool>(Colonnes));
    for (int y = 0; y < Rangees; ++y) {
        for (int x = 0; x < Colonnes; ++x) {
            const QRgb p = grossier.pixel(x, y);
            masque[y][x] = std::abs(qRed(p) - qRed(fond)) + std::abs(qGreen(p) - qGreen(fond)) +
                               std::abs(qBlue(p) - qBlue(fond)) >
                           2;
        }
    }
    return masque;
}

// Inked cells of `a` with no inked cell of `b` at most one cell away, as a share of all cells.
double sansVoisin(const Masque& a, const Masque& b) {
    int seules = 0;
    for (int y = 0; y < Rangees; ++y) {
        for (int x = 0; x < Colonnes; ++x) {
            bool voisin = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int u = std::clamp(x + dx, 0, Colonnes - 1);
                    voisin |= b[std::clamp(y + dy, 0, Rangees - 1)][u];
                }
            }
            seules += a[y][x] && !voisin;
        }
    }
    return double(seules) / (Colonnes * Rangees);
}

template <typename Controle> double ecartEcranPapier(Controle& ecran, Controle& papier) {
    const Masque vue = encre(ecran.grab().toImage());
    const Masque page = encre(rendre(papier, Grand, Grand * 3 / 4));
    return sansVoisin(vue, page) + sansVoisin(page, vue);
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

TEST(Echelle, ChartOnPaperIsTheWindowPictureScaled) {
    for (TMode mode : {mBarre, mLigne, mBezier}) {
        TNewGraphe ecran, papier, autre;
        remplir(ecran, mode, false);
        remplir(papier, mode, false);
        remplir(autre, mode, true);
        ecran.resize(Petit, Petit * 3 / 4);
        const double pareil = ecartEcranPapier(ecran, papier);
        const double different = ecartEcranPapier(ecran, autre);
        EXPECT_LT(pareil, 0.01) << "mode " << mode;
        EXPECT_GT(different, 0.02) << "mode " << mode;
    }
}

TEST(Echelle, TableOnPaperIsTheWindowPictureScaled) {
    TTableau ecran, papier, autre;
    for (TTableau* t : {&ecran, &papier, &autre}) t->SetCaption(QStringLiteral("Bilan"));
    autre.SetNbColonne(4);
    autre.SetNbLigne(3);
    ecran.resize(Petit, Petit * 3 / 4);
    const double pareil = ecartEcranPapier(ecran, papier);
    const double different = ecartEcranPapier(ecran, autre);
    EXPECT_LT(pareil, 0.01);
    EXPECT_GT(different, 0.02);
}
