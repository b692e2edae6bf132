#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "Classe.h"

namespace quillora {

// The class's own settings: abbreviation, division of the year, school year, teacher,
// main subject, rounding of averages and the joker average.
class TDial05 : public QDialog {
    Q_OBJECT
public:
    explicit TDial05(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;

private:
    TClasse& classe_;
    QLineEdit* abrev_;
    QRadioButton* semestres_;
    QRadioButton* trimestres_;
    QLineEdit* annee_;
    QLineEdit* professeur_;
    QLineEdit* matiere_;
    QComboBox* arrondi_;
    QCheckBox* joker_;
};

} // namespace quillora
