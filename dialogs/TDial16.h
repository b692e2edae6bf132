#pragma once

#include <QDialog>

#include "Classe.h"

class QComboBox;

namespace quillora {

// Chooses one assignment of the subject and period shown for a command.
class TDial16 : public QDialog {
    Q_OBJECT
public:
    enum But { Supprimer = 1, Copier, Couper, InsererCopie, InsererNouveau };

    TDial16(const TClasse& classe, But but, QWidget* parent = nullptr);

    // The assignment chosen by OK, or NonCalculable's -1789 when the dialog was cancelled.
    int Choix() const { return choix_; }
    QComboBox* Liste() const { return liste_; }
    static QString SujetAide(But but);

private:
    void ok();

    QComboBox* liste_;
    int choix_ = static_cast<int>(NonCalculable);
};

} // namespace quillora
