#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
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
Filtre egal(const QColor& couleur);
// Anything but the given colours: text, which is antialiased, falls in here.
Filtre sauf(std::initializer_list<QColor> couleurs);

int compter(const QImage& image, const QRect& zone, const Filtre& filtre);
inline int compter(const QImage& image, const Filtre& filtre) {
    return compter(image, image.rect(), filtre);
}
// The smallest rectangle holding every matching pixel; null when none matches.
QRect boite(const QImage& image, const QRect& zone, const Filtre& filtre);

} // namespace quillora::test
