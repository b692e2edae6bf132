#pragma once

#include <QDialog>

#include "Classe.h"
#include "Formulaire.h"

namespace quillora {

// A new student at the end of the list.
class TDial13 : public QDialog {
    Q_OBJECT
public:
    explicit TDial13(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;

private:
    TClasse& classe_;
    ChampsEleve champs_;
    bool conseilDonne_ = false;
};

} // namespace quillora
