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
};

} // namespace quillora
