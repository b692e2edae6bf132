#pragma once

#include "FenetreGraphe.h"

class QLabel;

namespace quillora {

// How the grades of one assignment spread over the marks, with five lines of figures.
class TStat02 : public FenetreGraphe {
    Q_OBJECT

public:
    TStat02(const TClasse& classe, QWidget* parent = nullptr);

    // 0: the period has no assignment.
    int DevoirChoisi = 0;

    void Calculer() override;
    void Notifier(int code, int periode, int item, int eleve) override;

protected:
    void periodeCliquee(int p) override;
    void matiereCliquee(int s) override;

private:
    // The assignments of the subject and period, the last one chosen.
    void remplirDevoirs();

    QComboBox* CB = nullptr;
};

} // namespace quillora
