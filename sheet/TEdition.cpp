#include "TEdition.h"

#include <QKeyEvent>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "SaisieNote.h"

namespace quillora {

TEdition::TEdition(TClasse& classe, QWidget* parent) : QLineEdit(parent), Classe(classe) {
    setObjectName(QStringLiteral("EditNote"));
    setMaxLength(5);
    setFrame(false);
    resize(10, 10);
    hide();
}

void TEdition::keyPressEvent(QKeyEvent* event) {
    DerniereTouche = event->key();
    if (DerniereTouche == Qt::Key_Tab && event->modifiers() & Qt::ShiftModifier)
        DerniereTouche = Qt::Key_Backtab;
    switch (DerniereTouche) {
    case Qt::Key_Escape:
        event->accept();
        emit finSaisie(Abandon, Colonne);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Kept here: the sheet under the control would take them for cursor moves.
        event->accept();
        valider();
        break;
    default:
        QLineEdit::keyPressEvent(event);
        break;
    }
}

// Tab would take the focus away and leave the entry open with no key reaching it: it
// reaches keyPressEvent instead.
bool TEdition::focusNextPrevChild(bool) {
    return false;
}

void TEdition::valider() {
    std::string avertissement;
    if (EnregistrerSaisie(Classe, Cellule{Ligne, Colonne}, texteModele(text()), avertissement)) {
        emit finSaisie(Ligne, Colonne);
        return;
    }
    // The entry stays open on the refused text, to be corrected.
    if (!avertissement.empty())
        dialogues().avertissement(this, titreAvertissement(), texteQt(avertissement));
}

} // namespace quillora
