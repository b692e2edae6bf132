#pragma once

#include <QDialog>
#include <array>

#include "Releve.h"

class QButtonGroup;
class QCheckBox;
class QListWidget;
class QRadioButton;

namespace quillora {

// The choice of the grade reports to print: every student or the ticked ones, a period or
// the year, with or without the students' ranks. It only reads the class; its caller
// computes the reports from `Choix()` once it is confirmed.
class TDialReleves : public QDialog {
    Q_OBJECT
public:
    explicit TDialReleves(const TClasse& classe, QWidget* parent = nullptr);

    const TClasse& Classe;

    ChoixReleves Choix() const;
    // Stays open, after saying so, while the ticked students are chosen and none is ticked.
    void accept() override;

private:
    QRadioButton* tous_;
    QRadioButton* coches_;
    QListWidget* liste_;
    QButtonGroup* periodes_;
    std::array<QRadioButton*, 5> rbPeriode_{}; // [1..4]: RB1..RB4
    QCheckBox* rangs_;
};

} // namespace quillora
