#include "PlacementFenetres.h"

#include <algorithm>

namespace quillora {

QRect DansLaZone(QSize zone, QRect r) {
    const QSize taille = r.size().boundedTo(zone);
    // Pushed back from the right and bottom edges rather than cut by them.
    const QPoint coin(std::clamp(r.x(), 0, std::max(0, zone.width() - taille.width())),
                      std::clamp(r.y(), 0, std::max(0, zone.height() - taille.height())));
    return QRect(coin, taille);
}

QRect PlaceNouvelleFenetre(QSize zone, QSize voulue, std::optional<QRect> avant, int pas) {
    const QPoint coin = avant ? avant->topLeft() + QPoint(pas, pas) : QPoint(0, 0);
    return DansLaZone(zone, QRect(coin, voulue));
}

QList<QRect> PlacesEnCascade(QSize zone, int nombre, int pas) {
    QList<QRect> places;
    if (nombre <= 0) return places;
    pas = std::max(pas, 1);
    const int retrait = (nombre - 1) * pas;
    const QSize taille(std::max(zone.width() - retrait, zone.width() * 2 / 3),
                       std::max(zone.height() - retrait, zone.height() * 2 / 3));
    const int marches = 1 + std::min((zone.width() - taille.width()) / pas,
                                     (zone.height() - taille.height()) / pas);
    for (int i = 0; i < nombre; ++i) {
        const int k = i % marches;
        places << QRect(QPoint(k * pas, k * pas), taille);
    }
    return places;
}

} // namespace quillora
