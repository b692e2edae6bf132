#include "TEditSaisieNombre.h"

#include <QKeyEvent>

#include "Plateforme.h"
#include "TSaisieNombre.h"

namespace quillora {

TEditSaisieNombre::TEditSaisieNombre(TSaisieNombre* proprietaire)
    : QLineEdit(proprietaire), proprietaire_(proprietaire) {}

bool TEditSaisieNombre::accepte(QChar c) const {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return true;
    if (c == QLatin1Char('-')) return proprietaire_->Negatif();
    if (c == QLatin1Char(',') || c == QLatin1Char('.'))
        return proprietaire_->Mode() == TModeSN::mReal;
    return false;
}

void TEditSaisieNombre::keyPressEvent(QKeyEvent* e) {
    // Only printable characters are filtered: Backspace, Enter, Escape, the arrows and the
    // clipboard shortcuts keep their usual meaning (whatever a paste brings in is caught by
    // the validation).
    const QString t = e->text();
    if (t.size() == 1 && t.at(0).isPrint() && !(e->modifiers() & Qt::ControlModifier) &&
        !accepte(t.at(0))) {
        plateforme().bip();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace quillora
