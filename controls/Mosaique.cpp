#include "Mosaique.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <cmath>

namespace quillora {

QList<QRect> PlacesEnMosaique(QSize zone, int nombre) {
    QList<QRect> places;
    if (nombre <= 0) return places;
    const int colonnes = static_cast<int>(std::ceil(std::sqrt(nombre)));
    const int lignes = (nombre + colonnes - 1) / colonnes;
    for (int i = 0; i < nombre; ++i) {
        const int ligne = i / colonnes;
        const int parLigne = ligne == lignes - 1 ? nombre - ligne * colonnes : colonnes;
        const int colonne = i % colonnes;
        // Edges at exact fractions of the area, so that the last window ends on its border.
        const int x1 = zone.width() * colonne / parLigne,
                  x2 = zone.width() * (colonne + 1) / parLigne;
        const int y1 = zone.height() * ligne / lignes, y2 = zone.height() * (ligne + 1) / lignes;
        places << QRect(x1, y1, x2 - x1, y2 - y1);
    }
    return places;
}

void DisposerEnMosaique(QMdiArea* zone) {
    QList<QMdiSubWindow*> fenetres;
    for (QMdiSubWindow* w : zone->subWindowList())
        if (!w->isMinimized() && !w->isHidden()) fenetres << w;
    const QList<QRect> places =
        PlacesEnMosaique(zone->viewport()->size(), static_cast<int>(fenetres.size()));
    QMdiSubWindow* active = zone->activeSubWindow();
    for (qsizetype i = 0; i < fenetres.size(); ++i) {
        fenetres[i]->showNormal();
        fenetres[i]->setGeometry(places[i]);
    }
    if (active) zone->setActiveSubWindow(active);
}

} // namespace quillora
