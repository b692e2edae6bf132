#pragma once

#include <QDialog>

#include "Classe.h"

namespace quillora {

class ChampsDevoir;
class PanneauConsequences;

// A new assignment of the subject and period shown, written into its slot and counted
// when one of the two validating buttons succeeds. Cancel counts nothing.
class TDial02 : public QDialog {
    Q_OBJECT
public:
    // `verbe`: "Ajouter" for an assignment at the end, "Insérer" for one put before another;
    // `a` is the assignment's number.
    TDial02(TClasse& classe, const QString& verbe, int a, QWidget* parent = nullptr);

    ChampsDevoir* Champs() const { return champs_; }

    // Shows, above the buttons, whose averages the new assignment would change with the
    // coefficient typed. `avant` is the class as the sheet showed it, before a column was
    // opened for the assignment; (s, p) is the sheet's view.
    void MontrerConsequences(const ImageClasse& avant, int s, int p);
    PanneauConsequences* Panneau() const { return panneau_; }

private:
    bool place() const;
    void validerPlusTard();
    void validerEtSaisir();

    TClasse& classe_;
    int a_;
    ChampsDevoir* champs_;
    PanneauConsequences* panneau_ = nullptr;
};

} // namespace quillora
