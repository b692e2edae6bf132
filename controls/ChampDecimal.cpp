#include "ChampDecimal.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "Saisie.h"

namespace quillora {

namespace {

// Watches the key presses of the fields it is installed on, before the fields see them.
class FiltreVirgule : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* champ = qobject_cast<QLineEdit*>(objet);
        if (!champ || champ->isReadOnly() ||
            static_cast<QKeyEvent*>(event)->text() != QLatin1String(","))
            return false;
        // The text the field would show with a point typed instead, over the selection.
        const QString t = champ->text();
        const int debut =
            champ->hasSelectedText() ? champ->selectionStart() : champ->cursorPosition();
        const int fin = debut + static_cast<int>(champ->selectedText().size());
        const QString avecPoint = t.left(debut) + QLatin1Char('.') + t.mid(fin);
        if (!VirguleDecimale(avecPoint.toStdString())) return false;
        champ->insert(QStringLiteral("."));
        return true;
    }
};

class DelegueDecimal : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editeur = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* champ = qobject_cast<QLineEdit*>(editeur)) VirguleEnPoint(champ);
        return editeur;
    }
};

} // namespace

void VirguleEnPoint(QLineEdit* champ) {
    champ->installEventFilter(new FiltreVirgule(champ));
}

QStyledItemDelegate* DelegueVirguleEnPoint(QObject* parent) {
    return new DelegueDecimal(parent);
}

} // namespace quillora
