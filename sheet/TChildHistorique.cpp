#include <QKeySequence>

#include "LargeurNom.h"
#include "TChild.h"
#include "ZonesSaisie.h"

// Undo and redo: the sheet's history of its class, and what the window does to show a step
// undone or redone as the command had shown it.

namespace quillora {

void TChild::creerMenusHistorique() {
    annuler_ = menuEdition_->addAction(QStringLiteral("Annuler"));
    annuler_->setObjectName(QStringLiteral("MAnnuler"));
    annuler_->setShortcut(QKeySequence::Undo);
    connect(annuler_, &QAction::triggered, this, &TChild::Annuler);
    retablir_ = menuEdition_->addAction(QStringLiteral("Rétablir"));
    retablir_->setObjectName(QStringLiteral("MRetablir"));
    retablir_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(retablir_, &QAction::triggered, this, &TChild::Retablir);
    QAction* journal = menuEdition_->addAction(QStringLiteral("&Journal des modifications..."));
    journal->setObjectName(QStringLiteral("MJournal"));
    journal->setStatusTip(QStringLiteral("Toutes les modifications de la classe, avec leur date"));
    connect(journal, &QAction::triggered, this, &TChild::AfficherJournal);
    menuEdition_->addSeparator();
    majMenusHistorique();
}

void TChild::majMenusHistorique() {
    const bool annuler = historique_.PeutAnnuler(), retablir = historique_.PeutRetablir();
    annuler_->setEnabled(annuler);
    annuler_->setText(annuler ? QStringLiteral("A&nnuler ") +
                                    QString::fromStdString(historique_.NomAnnuler())
                              : QStringLiteral("Annuler"));
    retablir_->setEnabled(retablir);
    retablir_->setText(retablir ? QStringLiteral("&Rétablir ") +
                                      QString::fromStdString(historique_.NomRetablir())
                                : QStringLiteral("Rétablir"));
}

void TChild::DebutEtape(const QString& nom, int code, int periode, int item, int eleve) {
    Historique::Contexte c;
    c.matiere = Classe.MatiereCourante;
    c.periode = Classe.PeriodeCourante;
    c.code = code;
    c.argPeriode = periode;
    c.argItem = item;
    c.argEleve = eleve;
    historique_.Debut(Classe, nom.toStdString(), c);
}

TChild::EtapeCommande TChild::Etape(const QString& nom, int code, int periode, int item,
                                    int eleve) {
    DebutEtape(nom, code, periode, item, eleve);
    return EtapeCommande(historique_);
}

void TChild::Annuler() {
    if (!VerifierSaisieFinie() || !historique_.PeutAnnuler()) return;
    const Historique::Contexte& c = historique_.Annuler(Classe);
    journaliser(GenreEtape::Annulation, historique_.DerniereAnnulee());
    montrerEtape(c, c.matiere, c.periode);
}

void TChild::Retablir() {
    if (!VerifierSaisieFinie() || !historique_.PeutRetablir()) return;
    const Historique::Contexte& c = historique_.Retablir(Classe);
    journaliser(GenreEtape::Retablissement, historique_.DerniereFaite());
    montrerEtape(c, c.matiereApres, c.periodeApres);
}

void TChild::montrerEtape(const Historique::Contexte& etape, int matiere, int periode) {
    const bool autreMatiere = Classe.MatiereCourante != matiere;
    const bool autrePeriode = Classe.PeriodeCourante != periode;
    const bool memeVue = !autreMatiere && !autrePeriode;
    Classe.MatiereCourante = static_cast<std::uint8_t>(matiere);
    Classe.PeriodeCourante = static_cast<std::uint8_t>(periode);
    Modifie = !historique_.EstSauve();
    setWindowModified(Modifie);
    const bool cellule = etape.code == 3 || etape.code == 4;
    if (memeVue && etape.code == 3) {
        // A grade: only what it changes is painted again, as after typing. A coefficient
        // moves every average, and its old text may have run over its neighbour's cell.
        viewport()->update(ZonesModifiees(Classe, Etat(), Cellule{etape.argEleve, etape.argItem}));
        MettreAJourMenus();
        annoncerValeur(Cellule{etape.argEleve, etape.argItem});
    } else {
        TexteMenus();
        TexteMatieres();
        cocherVue();
        // Any other step may have changed a name, and the column follows the longest one.
        if (!cellule) LargeurNom = CalculerLargeurNom(Classe);
        Rafraichir();
        emit periodeChangee();
        // The windows that follow the view hear of it as when the teacher changes it.
        if (autrePeriode) emit notification(5, periode, 0, 0);
        if (autreMatiere) emit notification(7, periode, matiere, 0);
        effacerCurseur();
    }
    if (etape.code != 0)
        emit notification(etape.code, etape.argPeriode, etape.argItem, etape.argEleve);
}

} // namespace quillora
