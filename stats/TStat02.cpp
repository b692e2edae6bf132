#include "TStat02.h"

#include <QLabel>

#include "ConversionsQt.h"
#include "Statistiques.h"

namespace quillora {

TStat02::TStat02(const TClasse& classe, QWidget* parent)
    : FenetreGraphe(classe, QStringLiteral("stat_02"), parent) {
    auto* libelle = new QLabel(QStringLiteral("Devoir:"), this);
    ajouter(libelle);
    CB = new QComboBox(this);
    libelle->setBuddy(CB);
    CB->setObjectName(QStringLiteral("CB"));
    CB->setMinimumContentsLength(22);
    ajouter(CB);
    creerPeriodes({}, {}, false);
    creerMatieres(false);
    creerModes();
    creerAnnee();
    connect(CB, &QComboBox::currentIndexChanged, this, [this](int i) {
        DevoirChoisi = i + 1;
        Calculer();
    });

    G->SetAfficher0(false);
    G->SetLectureBarres(
        {QStringLiteral("note %1"), 0, QStringLiteral("nombre d'élèves"), QStringLiteral("élève")});
    texteBoutons();
    prendrePeriode(Classe.PeriodeCourante);
    prendreMatiereCourante(false);
    remplirDevoirs();
    Calculer();
    fixerTitre(QStringLiteral(": Répartition des notes d'un devoir"), 43);
}

void TStat02::remplirDevoirs() {
    const QSignalBlocker bloque(CB);
    CB->clear();
    const int s = MatiereChoisie, p = PeriodeChoisie;
    const int n = p >= 1 && p <= 3 ? Classe.NbDevoir[s][p] : 0;
    for (int a = 1; a <= n; ++a)
        CB->addItem(QString::number(a) + QStringLiteral(" - ") +
                    texteQt(Classe.Devoir[s][p][a].Commentaire.view()));
    CB->setCurrentIndex(n - 1);
    DevoirChoisi = n;
}

void TStat02::Calculer() {
    const GrapheStat g = CalculerRepartitionDevoir(Classe, MatiereChoisie, PeriodeChoisie,
                                                   DevoirChoisi, AvecAnnee());
    afficher(g);
    // Without grades the chart's caption is a message, not a title for the window.
    if (!g.Barres.empty()) setWindowTitle(G->Caption());
}

void TStat02::periodeCliquee(int p) {
    PeriodeChoisie = p;
    remplirDevoirs();
    Calculer();
    emit periodeAffichee();
}

void TStat02::matiereCliquee(int s) {
    MatiereChoisie = s;
    remplirDevoirs();
    Calculer();
}

void TStat02::Notifier(int code, int periode, int item, int) {
    switch (code) {
    case 1:
        remplirDevoirs();
        break;
    case 2:
        if (periode != PeriodeChoisie && PeriodeChoisie != 4) return;
        remplirDevoirs();
        break;
    case 3:
    case 4:
        if (periode != PeriodeChoisie || item != DevoirChoisi) return;
        break;
    case 5:
        texteBoutons();
        if (periode == PeriodeChoisie) return;
        prendrePeriode(PeriodeChoisie);
        remplirDevoirs();
        break;
    case 7:
        // The list must follow the subject, or it would offer the old subject's assignments.
        texteBoutons();
        prendreMatiereCourante(false);
        remplirDevoirs();
        break;
    default:
        break;
    }
    Calculer();
}

} // namespace quillora
