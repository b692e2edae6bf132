#pragma once

#include "FenetreGraphe.h"

namespace quillora {

// How the students' averages spread over the marks, for a subject or all of them, a
// period or the year, with four lines of figures.
class TStat03 : public FenetreGraphe {
    Q_OBJECT

public:
    TStat03(const TClasse& classe, QWidget* parent = nullptr);

    void Calculer() override;
    void Notifier(int code, int periode, int item, int eleve) override;
};

} // namespace quillora
