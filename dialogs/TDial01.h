#pragma once

#include <QDialog>
#include <QGroupBox>
#include <array>

#include "Classe.h"
#include "Formulaire.h"

namespace quillora {

// The list of students of a new class, typed one after the other; the class receives them
// only on OK.
class TDial01 : public QDialog {
    Q_OBJECT
public:
    explicit TDial01(TClasse& classe, QWidget* parent = nullptr);

    void Suivant();
    void Precedent();
    void accept() override;

private:
    struct Entree {
        QString nom, prenom, date;
    };
    void stocker();
    void afficher();

    TClasse& classe_;
    std::array<Entree, MaxEleves + 1> entrees_; // [1..45]
    int n_ = 1;
    bool conseilDonne_ = false;
    QGroupBox* cadre_;
    ChampsEleve champs_;
};

} // namespace quillora
