#pragma once

#include <QDialog>
#include <QLineEdit>

#include "Classe.h"

namespace quillora {

class PanneauConsequences;

// The coefficients of the subjects, one per period, in a grid shaped by the subjects in use
// and the division of the year.
class TDial14 : public QDialog {
    Q_OBJECT
public:
    explicit TDial14(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;

    QLineEdit* Champ(int s, int p) const { return champs_[s - 1][p - 1]; }

    // Shows, above the buttons, whose averages the coefficients typed would change, seen
    // from the sheet's view (s, p).
    void MontrerConsequences(int s, int p);
    PanneauConsequences* Panneau() const { return panneau_; }

private:
    TClasse& classe_;
    QLineEdit* champs_[MaxMatieres][MaxPeriodes];
    QString montres_[MaxMatieres][MaxPeriodes];
    PanneauConsequences* panneau_ = nullptr;
};

} // namespace quillora
