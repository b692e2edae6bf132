#include "TStat01.h"

#include "Statistiques.h"

namespace quillora {

TStat01::TStat01(const TClasse& classe, QWidget* parent)
    : FenetreGraphe(classe, QStringLiteral("stat_01"), parent) {
    CB = new QComboBox(this);
    CB->setObjectName(QStringLiteral("CB"));
    CB->setMinimumContentsLength(22);
    ajouter(CB);
    creerPeriodes(QStringLiteral("A"), {}, true);
    creerMatieres(false);
    creerModes();
    separer();
    SB7 = bouton("SB7", QStringLiteral("M"), QStringLiteral("Afficher/Cacher la moyenne"));
    SB7->setCheckable(true);
    SB7->setChecked(true);
    connect(SB7, &QToolButton::toggled, this, [this](bool moyenne) {
        G->SetMoy(moyenne);
        G->update();
    });
    creerAnnee();
    connect(CB, &QComboBox::currentIndexChanged, this, [this](int i) {
        EleveChoisi = i;
        Calculer();
    });

    G->SetNbLigne(0);
    texteBoutons();
    prendrePeriode(Classe.PeriodeCourante);
    prendreMatiereCourante(false);
    remplirEleves(CB);
    Calculer();
    fixerTitre(QStringLiteral(": Evolution des notes d'un élève"), 40);
}

void TStat01::Calculer() {
    const bool annee = PeriodeChoisie == 4;
    G->SetLectureBarres(
        {annee ? QLatin1String(MotPeriode[IndexPeriodes(Classe.NbPeriode)]) + QStringLiteral(" %1")
               : QStringLiteral("devoir %1"),
         1,
         EleveChoisi == 0 || annee ? QStringLiteral("moyenne") : QStringLiteral("note"),
         {}});
    afficher(CalculerEvolution(Classe, MatiereChoisie, PeriodeChoisie, EleveChoisi, AvecAnnee()));
}

void TStat01::Notifier(int code, int periode, int, int eleve) {
    const bool annee = PeriodeChoisie >= 4;
    switch (code) {
    case 1:
        remplirEleves(CB);
        EleveChoisi = 0;
        break;
    case 2:
        if (periode != PeriodeChoisie && !annee) return;
        break;
    case 3:
    case 4:
        // The class view's bars and line are averages over every student, and a
        // coefficient moves the student's average: both change with more than the one cell.
        if (!annee && periode != PeriodeChoisie && EleveChoisi != 0) return;
        if (!annee && EleveChoisi != 0 && code == 3 && eleve != EleveChoisi) return;
        break;
    case 5:
        texteBoutons();
        if (periode == PeriodeChoisie || PeriodeChoisie == 5) return;
        prendrePeriode(Classe.PeriodeCourante);
        break;
    case 7:
        texteBoutons();
        prendreMatiereCourante(false);
        break;
    default:
        break;
    }
    Calculer();
}

} // namespace quillora
