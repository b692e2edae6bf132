#include "Images.h"

#include <algorithm>

namespace quillora::test {

Filtre egal(const QColor& couleur) {
    return [rgb = couleur.rgb()](QColor c) { return c.rgb() == rgb; };
}

Filtre sauf(std::initializer_list<QColor> couleurs) {
    std::vector<QRgb> exclues;
    for (const QColor& c : couleurs) exclues.push_back(c.rgb());
    return [exclues](QColor c) {
        return std::find(exclues.begin(), exclues.end(), c.rgb()) == exclues.end();
    };
}

int compter(const QImage& image, const QRect& zone, const Filtre& filtre) {
    int n = 0;
    const QRect r = zone & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) n += filtre(image.pixelColor(x, y));
    }
    return n;
}

QRect boite(const QImage& image, const QRect& zone, const Filtre& filtre) {
    QRect resultat;
    const QRect r = zone & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (filtre(image.pixelColor(x, y))) resultat |= QRect(x, y, 1, 1);
        }
    }
    return resultat;
}

} // namespace quillora::test
