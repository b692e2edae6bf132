#include "NomAccessible.h"

#include <QAbstractButton>
#include <QEvent>

namespace quillora {

namespace {

class SuiviBulle : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange)
            if (auto* b = qobject_cast<QAbstractButton*>(objet)) b->setAccessibleName(b->toolTip());
        return false;
    }
};

} // namespace

void NommerParBulle(QAbstractButton* bouton) {
    bouton->setAccessibleName(bouton->toolTip());
    bouton->installEventFilter(new SuiviBulle(bouton));
}

} // namespace quillora
