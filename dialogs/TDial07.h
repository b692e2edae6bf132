#pragma once

#include <QComboBox>
#include <QDialog>

#include "Classe.h"
#include "Formulaire.h"

namespace quillora {

// A new student inserted before another one.
class TDial07 : public QDialog {
    Q_OBJECT
public:
    explicit TDial07(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;

private:
    TClasse& classe_;
    QComboBox* liste_;
    ChampsEleve champs_;
    bool conseilDonne_ = false;
};

} // namespace quillora
