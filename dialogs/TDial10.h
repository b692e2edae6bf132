#pragma once

#include <QDialog>
#include <array>

#include "Classe.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;
class QTableWidget;

namespace quillora {

// The students ranked by average for a period and a subject of the class's choosing, with
// the ranking's copy to the clipboard and to a text file opened in the desktop's editor.
// It only reads the class.
class TDial10 : public QDialog {
    Q_OBJECT
public:
    explicit TDial10(const TClasse& classe, QWidget* parent = nullptr);

    const TClasse& Classe;
    int PeriodeChoisie = 1; // 4: the year
    int MatiereChoisie = 1; // 4: the synthesis

    // Ranks again from the radio buttons and the check box.
    void Classer();
    // "--> Presse Papier".
    void CopierPressePapier();
    // "--> Bloc Note": writes "Classement.TXT" and opens it.
    void EcrireBlocNote();
    // Where "--> Bloc Note" writes.
    static QString CheminFichier();

private:
    bool sansAbsents() const;

    QTableWidget* ST;
    QButtonGroup* periodes_;
    QButtonGroup* matieres_;
    std::array<QRadioButton*, 5> rbPeriode_{}; // [1..4]: RB1..RB4
    std::array<QRadioButton*, 5> rbMatiere_{}; // [1..4]: RB11..RB14
    QCheckBox* CB;
};

} // namespace quillora
