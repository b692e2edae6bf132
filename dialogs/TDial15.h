#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "Classe.h"

namespace quillora {

// How many subjects the class uses, and their names and abbreviations.
class TDial15 : public QDialog {
    Q_OBJECT
public:
    explicit TDial15(TClasse& classe, QWidget* parent = nullptr);
    void accept() override;

private:
    void montrerLignes();

    TClasse& classe_;
    QWidget* lignes_[MaxMatieres];
    QLineEdit* noms_[MaxMatieres];
    QLineEdit* abrevs_[MaxMatieres];
    QRadioButton* nombres_[MaxMatieres];
};

} // namespace quillora
