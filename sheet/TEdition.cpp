#include "TEdition.h"

#include <QKeyEvent>

#include "ChampDecimal.h"
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
    VirguleEnPoint(this);
}

void TEdition::Commencer(const QString& texte, bool remplacer) {
    setText(texte);
    remplacer_ = remplacer && !texte.isEmpty();
    if (remplacer_)
        selectAll();
    else
        end(false);
}

void TEdition::keyPressEvent(QKeyEvent* event) {
    DerniereTouche = event->key();
    if (remplacer_ && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (DerniereTouche) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Backspace:
            deselect(); // the caret stays after the last character
            break;
        default:
            break;
        }
    }
    remplacer_ = false;
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
