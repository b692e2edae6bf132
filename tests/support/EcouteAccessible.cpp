#include "EcouteAccessible.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace quillora::test {

namespace {

EcouteAccessible* ecoute = nullptr;

void Recevoir(QAccessibleEvent* e) {
    if (!ecoute) return;
    EvenementLu lu = Lire(e->accessibleInterface(), e->type());
    lu.objet = e->object();
    ecoute->evenements << lu;
}

} // namespace

EvenementLu Lire(QAccessibleInterface* iface, QAccessible::Event type) {
    EvenementLu lu;
    lu.type = type;
    if (!iface || !iface->isValid()) return lu;
    lu.nom = iface->text(QAccessible::Name);
    lu.role = iface->role();
    if (QAccessibleTableCellInterface* c = iface->tableCellInterface()) {
        lu.ligne = c->rowIndex();
        lu.colonne = c->columnIndex();
    } else if (lu.role == QAccessible::ColumnHeader || lu.role == QAccessible::RowHeader) {
        // A header is found by its place among its table's children.
        if (QAccessibleInterface* table = iface->parent(); table && table->tableInterface()) {
            const int colonnes = table->tableInterface()->columnCount();
            const int i = table->indexOfChild(iface);
            if (lu.role == QAccessible::ColumnHeader) {
                lu.ligne = -1;
                lu.colonne = i;
            } else {
                lu.ligne = (i - colonnes) / (colonnes + 1);
                lu.colonne = -1;
            }
        }
    }
    return lu;
}

EcouteAccessible::EcouteAccessible() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    ecoute = this;
    QAccessible::installUpdateHandler(Recevoir);
}

EcouteAccessible::~EcouteAccessible() {
    QAccessible::installUpdateHandler(nullptr);
    ecoute = nullptr;
}

QList<EvenementLu> EcouteAccessible::De(QAccessible::Event type) const {
    QList<EvenementLu> r;
    for (const EvenementLu& e : evenements)
        if (e.type == type) r << e;
    return r;
}

} // namespace quillora::test
