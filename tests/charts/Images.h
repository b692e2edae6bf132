#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <functional>

namespace quillora::test {

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

} // namespace quillora::test
