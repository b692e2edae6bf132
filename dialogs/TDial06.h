#pragma once

#include <QDialog>

#include "Classe.h"

class QComboBox;

namespace quillora {

class ChampsDevoir;

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
};

} // namespace quillora
