#pragma once

#include <QDialog>

#include "Classe.h"

class QComboBox;

namespace quillora {

class ChampsDevoir;
class PanneauConsequences;

// Changes the date, length, coefficient and comment of the assignments of the subject and
// period shown, one after the other: choosing another line stores the one shown first.
class TDial06 : public QDialog {
    Q_OBJECT
public:
    TDial06(TClasse& classe, QWidget* parent = nullptr);

    QComboBox* Liste() const { return liste_; }
    ChampsDevoir* Champs() const { return champs_; }
    int Affiche() const { return affiche_; }

    void reject() override;

    // Shows, above the buttons, whose averages the coefficient typed would change, with the
    // assignments already stored during this run, seen from the sheet's view (s, p).
    void MontrerConsequences(int s, int p);
    PanneauConsequences* Panneau() const { return panneau_; }

private:
    bool enregistrer();
    void afficher(int a);
    void choisir(int index);
    void ok();

    TClasse& classe_;
    QComboBox* liste_;
    ChampsDevoir* champs_;
    int affiche_ = 0; // 0: no assignment to show
    bool tente_ = false;
    PanneauConsequences* panneau_ = nullptr;
};

} // namespace quillora
