#pragma once

#include "FenetreStatistique.h"
#include "Tableau.h"

namespace quillora {

// The full report: the averages of one student, or of the class, by subject and period.
class TStat04 : public FenetreStatistique {
    Q_OBJECT

public:
    TStat04(const TClasse& classe, QWidget* parent = nullptr);

    TTableau* T = nullptr;
    // 0: the class averages.
    int EleveChoisi = 0;

    // Fills the table again from the class and repaints it.
    void Calculer();
    void Notifier(int code, int periode, int item, int eleve) override;
    int PeriodeAffichee() const override { return 4; }
    void Imprimer() override;

private:
    // The student list, back on the class; the caption with it.
    void remplirListe();

    QComboBox* CB = nullptr;
};

} // namespace quillora
