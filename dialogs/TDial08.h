#pragma once

#include <QComboBox>
#include <QDialog>

#include "Classe.h"
#include "Formulaire.h"

namespace quillora {

// Corrects the name, first name and birth date of the students, one after the other.
class TDial08 : public QDialog {
    Q_OBJECT
public:
    explicit TDial08(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;
    // After a student was stored by a change of line, even Cancel answers OK, so that the
    // sheet shows those changes.
    void reject() override;

private:
    // False, after saying why, when the name shown is empty: nothing is stored then.
    bool stocker();
    void choisir(int index);

    TClasse& classe_;
    QComboBox* liste_;
    ChampsEleve champs_;
    int affiche_ = 0; // the student shown, 0 for none
    bool stocke_ = false;
};

} // namespace quillora
