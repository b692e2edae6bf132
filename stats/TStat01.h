#pragma once

#include "FenetreGraphe.h"

namespace quillora {

// The evolution of one student's grades, or of the class's assignment averages, assignment
// after assignment: over a period, the year's periods, or every assignment of the year.
class TStat01 : public FenetreGraphe {
    Q_OBJECT

public:
    TStat01(const TClasse& classe, QWidget* parent = nullptr);

    // 0: the class as a whole.
    int EleveChoisi = 0;

    void Calculer() override;
    void Notifier(int code, int periode, int item, int eleve) override;

private:
    QComboBox* CB = nullptr;
    QToolButton* SB7 = nullptr;
};

} // namespace quillora
