#pragma once

#include "FenetreStatistique.h"
#include "NewGraphe.h"

namespace quillora {

struct GrapheStat;

// A statistics window whose content is a chart: the period, subject, mode and school-year
// buttons of the top bar, and the chart set up from the settings at every computation.
class FenetreGraphe : public FenetreStatistique {
    Q_OBJECT

public:
    FenetreGraphe(const TClasse& classe, const QString& sujetAide, QWidget* parent);

    TNewGraphe* G = nullptr;
    int PeriodeChoisie = 1;
    int MatiereChoisie = 1;

    int PeriodeAffichee() const override { return PeriodeChoisie; }
    void Imprimer() override;
    // Computes the chart again from the class and repaints it.
    virtual void Calculer() = 0;

protected:
    // SB1..SB3, then the year button `annee` ("A" or "Bi") when given, then "To" when `tout`.
    void creerPeriodes(const QString& annee, const QString& aideAnnee, bool tout);
    // SB11..SB13, then "S" for the synthesis when `synthese`.
    void creerMatieres(bool synthese);
    // The line, bar and trend modes, the line pressed.
    void creerModes();
    // "An": the school year in the title.
    void creerAnnee();
    // The period buttons' texts by the class's division, the subjects' abbreviations.
    void texteBoutons();
    void prendrePeriode(int p);
    void prendreMatiere(int s);
    // The subject the sheet shows; the synthesis becomes subject 1 unless `synthese`.
    void prendreMatiereCourante(bool synthese);
    bool AvecAnnee() const;
    // Sets the chart up from the settings, fills it from `g` and repaints.
    void afficher(const GrapheStat& g);

    // A period or subject button clicked: by default, take it and compute again.
    virtual void periodeCliquee(int p);
    virtual void matiereCliquee(int s);

    QButtonGroup* periodes_ = nullptr;
    QButtonGroup* matieres_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QToolButton* annee_ = nullptr;
};

} // namespace quillora
