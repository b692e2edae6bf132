#pragma once

#include <QPoint>
#include <QSize>
#include <cmath>

#include "EtatFeuille.h"

namespace quillora {

// Every layout product is rounded to the nearest integer, halves to even.
inline int Arrondi(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// How the sheet's logical units (a column 20 wide, a row 10 high) become pixels in one
// paint. The hit test of the grade cursor converts with the geometry of the last paint.
struct GeometrieFeuille {
    double k = 1;  // pixels per logical unit
    double kt = 1; // factor of the font sizes
    int OrigineX = 0;
    int OrigineY = 0;
    int DecalageX = 0; // scroll positions, in pixels
    int DecalageY = 0;
    int resolution = 96; // dots per inch of the surface, which gives points their size

    QPoint Point(double x, double y) const {
        return {OrigineX + Arrondi(x * k) - DecalageX, OrigineY + Arrondi(y * k) - DecalageY};
    }
    // Pixel height of the sheet's n-point font: Round(n × kt) points at the surface's
    // resolution.
    int HauteurPolice(double n) const;
};

// The printed page as the preview shows it, in screen pixels at the preview zoom.
struct PageApercu {
    QSize taille;
    int mx = 0; // unprintable margin on the left and on the right
    int my = 0; // unprintable margin at the top and at the bottom
};

// The page of the last printer measurement at `zoom`.
QSize TaillePageApercu(double zoom);
PageApercu MesurerPageApercu(double zoom, int largeurImprimable, int hauteurImprimable);

GeometrieFeuille GeometrieTableau(const EtatFeuille& etat);
GeometrieFeuille GeometrieApercu(const EtatFeuille& etat, const PageApercu& page);
// `resolutionImprimante` is that of the surface printed on, so that the sheet keeps its
// size on paper whichever printer the print dialog chose.
GeometrieFeuille GeometrieImpression(int resolutionImprimante);

} // namespace quillora
