#include "TStat03.h"

#include "Statistiques.h"

namespace quillora {

TStat03::TStat03(const TClasse& classe, QWidget* parent)
    : FenetreGraphe(classe, QStringLiteral("stat_03"), parent) {
    creerPeriodes(QStringLiteral("Bi"), QStringLiteral("Bilan annuel"), false);
    creerMatieres(true);
    creerModes();
    creerAnnee();

    G->SetAfficher0(false);
    G->SetLectureBarres({QStringLiteral("moyenne %1"), 0, QStringLiteral("nombre d'élèves"),
                         QStringLiteral("élève")});
    texteBoutons();
    prendrePeriode(Classe.PeriodeCourante);
    prendreMatiereCourante(true);
    Calculer();
    fixerTitre(QStringLiteral(": Répartition des moyennes"), 34);
}

void TStat03::Calculer() {
    G->Vider();
    afficher(CalculerRepartitionMoyennes(Classe, MatiereChoisie, PeriodeChoisie, AvecAnnee()));
    emit periodeAffichee();
}

void TStat03::Notifier(int code, int periode, int, int) {
    switch (code) {
    case 2:
    case 3:
    case 4:
        if (periode != PeriodeChoisie && PeriodeChoisie != 4) return;
        break;
    case 5:
        texteBoutons();
        if (periode == PeriodeChoisie) return;
        prendrePeriode(Classe.PeriodeCourante);
        break;
    case 7:
        texteBoutons();
        prendreMatiereCourante(true);
        break;
    default:
        break;
    }
    Calculer();
}

} // namespace quillora
