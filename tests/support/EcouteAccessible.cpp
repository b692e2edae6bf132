#include "EcouteAccessible.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace quillora::test {

namespace {

EcouteAccessible* ecoute = nullptr;

void Recevoir(QAccessibleEvent* e) {
    if (!ecoute) return;
    EvenementLu lu;
    lu.type = e->type();
    if (QAccessibleInterface* i = e->accessibleInterface(); i && i->isValid()) {
        lu.nom = i->text(QAccessible::Name);
        lu.role = i->role();
        if (QAccessibleTableCellInterface* c = i->tableCellInterface()) {
            lu.ligne = c->rowIndex();
            lu.colonne = c->columnIndex();
        }
    }
    ecoute->evenements << lu;
}

} // namespace

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
