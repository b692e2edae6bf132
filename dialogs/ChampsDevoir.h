#pragma once

#include <QGroupBox>
#include <optional>

#include "Classe.h"

class QLineEdit;

namespace quillora {

// The frame of an assignment's fields, shared by the new-assignment and the change dialogs:
// "Date :", "Durée :", "Coef :", "Commentaire :".
class ChampsDevoir : public QGroupBox {
    Q_OBJECT
public:
    // A new assignment's fields propose today's date, which the arrow keys move, and a
    // coefficient of 1.
    ChampsDevoir(bool nouveau, QWidget* parent);

    void Afficher(const TDevoir& d);
    // Writes the fields into `d`. The coefficient must be a number within range: otherwise
    // the warning is shown, the coefficient is left alone, the focus goes to its field and
    // the store fails; the texts are written in every case.
    bool Enregistrer(TDevoir& d);
    // The coefficient a store would write now, without a word; none when it would be refused.
    std::optional<double> CoefLu() const;

    QLineEdit* Date() const { return date_; }
    QLineEdit* Duree() const { return duree_; }
    QLineEdit* Coef() const { return coef_; }
    QLineEdit* Commentaire() const { return commentaire_; }

private:
    QLineEdit* date_;
    QLineEdit* duree_;
    QLineEdit* coef_;
    QLineEdit* commentaire_;
    // A stored coefficient is shown with one decimal: left untouched, it keeps its value
    // instead of becoming its rounding.
    bool garderCoef_ = false;
    double coefStocke_ = 1.0;
};

} // namespace quillora
