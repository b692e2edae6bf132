#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "Classe.h"

namespace quillora {

class PanneauConsequences;

// The class's own settings: abbreviation, division of the year, school year, teacher,
// main subject, rounding of averages and the joker average.
class TDial05 : public QDialog {
    Q_OBJECT
public:
    explicit TDial05(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;

    // Shows, above the buttons, whose averages the division of the year, the rounding and
    // the joker would change, seen from the sheet's view (s, p).
    void MontrerConsequences(int s, int p);
    PanneauConsequences* Panneau() const { return panneau_; }

private:
    // The fields that decide how averages come out, written into `c`.
    void reglerMoyennes(TClasse& c) const;

    TClasse& classe_;
    QLineEdit* abrev_;
    QRadioButton* semestres_;
    QRadioButton* trimestres_;
    QLineEdit* annee_;
    QLineEdit* professeur_;
    QLineEdit* matiere_;
    QComboBox* arrondi_;
    QCheckBox* joker_;
    PanneauConsequences* panneau_ = nullptr;
};

} // namespace quillora
