#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "Classe.h"

class QGroupBox;
class QLineEdit;

namespace quillora {

// "Saisie des notes": the grades of a new assignment typed student by student, in list
// order. Nothing reaches the class before "Valider les notes saisies".
class TDial03 : public QDialog {
    Q_OBJECT
public:
    // For assignment `a` of the subject and period shown.
    TDial03(TClasse& classe, int a, QWidget* parent = nullptr);

    int Courant() const { return courant_; }
    QLineEdit* Note() const { return note_; }

protected:
    bool event(QEvent* event) override;

private:
    // Keeps the field's text for the current student when the rules of entry accept it.
    bool garder();
    void afficher();
    void precedent();
    void suivant();
    void valider();

    TClasse& classe_;
    int a_;
    std::vector<std::string> notes_; // [0..NbEleve], kept as the record will keep them
    int courant_ = 1;
    QGroupBox* cadre_;
    QLineEdit* note_;
};

} // namespace quillora
