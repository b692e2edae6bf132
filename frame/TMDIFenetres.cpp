// Where the frame puts its windows: a new sheet, the cascade, the icons.
#include <QLayout>
#include <QMdiSubWindow>

#include "PlacementFenetres.h"
#include "TChild.h"
#include "TMDI.h"
#include "ZoneClients.h"

namespace quillora {

void TMDI::placer(QMdiSubWindow* fenetre, QMdiSubWindow* avant) {
    auto* feuille = qobject_cast<TChild*>(fenetre->widget());
    const QSize zone = zone_->viewport()->size();
    // Under a maximised window the frame maximises the new one too. It is placed first as
    // an ordinary window, so that its borders are measured and restoring it later gives
    // that place; maximised only then, it fills the frame.
    const bool agrandie = avant && avant->isMaximized();
    // Laid out once at the area's size, to learn what its borders, title and scroll bars
    // take around the sheet.
    fenetre->resize(zone);
    fenetre->show();
    if (fenetre->isMaximized()) fenetre->showNormal();
    if (QLayout* l = fenetre->layout()) l->activate();
    const QSize bords = fenetre->size() - feuille->viewport()->size();
    std::optional<QRect> apres;
    if (avant && !avant->isMaximized() && !avant->isMinimized()) apres = avant->geometry();
    fenetre->setGeometry(
        PlaceNouvelleFenetre(zone, feuille->TailleFeuille() + bords, apres, pasCascade(fenetre)));
    if (agrandie) fenetre->showMaximized();
}

int TMDI::pasCascade(QMdiSubWindow* fenetre) {
    // The title bar's height, so that every title stays in sight.
    return fenetre->widget() ? std::max(fenetre->widget()->geometry().top(), 1) : 24;
}

void TMDI::cascade() {
    QList<QMdiSubWindow*> fenetres;
    for (QMdiSubWindow* w : zone_->subWindowList())
        if (!w->isMinimized()) fenetres << w;
    if (fenetres.isEmpty()) return;
    QMdiSubWindow* active = zone_->activeSubWindow();
    for (QMdiSubWindow* w : fenetres) w->showNormal();
    const auto places =
        PlacesEnCascade(zone_->viewport()->size(), fenetres.size(), pasCascade(fenetres.first()));
    for (qsizetype i = 0; i < fenetres.size(); ++i) {
        fenetres[i]->setGeometry(places[i]);
        fenetres[i]->raise();
    }
    if (active) zone_->setActiveSubWindow(active);
}

void TMDI::arrangerIcones() {
    int x = 0;
    for (QMdiSubWindow* w : zone_->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, zone_->viewport()->height() - w->height());
        x += w->width();
    }
}

} // namespace quillora
