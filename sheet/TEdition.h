#pragma once

#include <QLineEdit>

#include "Classe.h"
#include "EtatFeuille.h"

namespace quillora {

// The small edit control laid over a cell of the sheet while a grade or a coefficient is
// typed. Enter, Up, Down, Tab and Shift+Tab store the text when the rules of entry accept
// it; Escape abandons it. Either way the sheet hears of it through `finSaisie`.
class TEdition : public QLineEdit {
    Q_OBJECT

public:
    // The row `finSaisie` gives when the entry was abandoned.
    static constexpr int Abandon = 255;

    TEdition(TClasse& classe, QWidget* parent);

    // Shows `texte`. When it is what the cell already holds (`remplacer`), it is selected,
    // so that the first character typed replaces it as in any spreadsheet, while the first
    // Left, Right, Home, End or Backspace starts editing it from its end.
    void Commencer(const QString& texte, bool remplacer);

    TClasse& Classe;
    int Ligne = 0;
    int Colonne = 0;
    int DerniereTouche = 0; // the last key pressed in the control

signals:
    // The entry is over: the value of (ligne, colonne) was stored, or `ligne` is Abandon.
    void finSaisie(int ligne, int colonne);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void valider();

    bool remplacer_ = false; // no key pressed yet in an entry opened on the cell's text
};

} // namespace quillora
