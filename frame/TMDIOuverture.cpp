// Opening a class in a window of its own: a new one, one chosen or one of the recent
// files, and the window followed once it is in the frame.
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QStandardPaths>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "Options.h"
#include "Programme.h"
#include "TChild.h"
#include "TMDI.h"
#include "ZoneClients.h"

namespace quillora {

TChild* TMDI::OuvrirClasse(const QString& nomFichier, bool depuisListe) {
    const QString chemin = cheminClasse(nomFichier);
    // A class open twice would be saved twice, each copy losing the other's grades.
    const QString canonique = QFileInfo(chemin).canonicalFilePath();
    for (TChild* f : Feuilles())
        if (!canonique.isEmpty() &&
            QFileInfo(QString::fromStdString(f->Classe.NomFichier)).canonicalFilePath() ==
                canonique) {
            zone_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(f->parentWidget()));
            return f;
        }

    auto* feuille = new TChild;
    connect(feuille, &TChild::fichiersRecentsChanges, this, &TMDI::MettreAJourMenuRecents);
    if (nomFichier.isEmpty()) {
        if (!feuille->NouvelleClasse(dossierClasses(), this, depuisListe)) {
            delete feuille;
            return nullptr;
        }
    } else if (const Resultat r = feuille->OuvrirFichier(chemin.toStdString()); !r) {
        delete feuille;
        dialogues().erreur(this, titreErreur(), QString::fromStdString(r.erreur));
        return nullptr;
    }
    installerFeuille(feuille);
    // Over the class as saved, so that the teacher sees what recovering would change.
    if (!nomFichier.isEmpty()) feuille->ReprendreJournal();
    return feuille;
}

void TMDI::installerFeuille(TChild* feuille) {
    connect(feuille, &TChild::fichiersRecentsChanges, this, &TMDI::MettreAJourMenuRecents,
            Qt::UniqueConnection);
    connect(feuille, &TChild::periodeChangee, this, [this, feuille] {
        if (feuille == FeuilleActive())
            AfficherPeriode(&feuille->Classe, feuille->Classe.PeriodeCourante);
    });
    connect(feuille, &TChild::etatChange, this, [this, feuille] {
        if (feuille == FeuilleActive()) suivreFeuille();
    });
    // The cell under the grade cursor, or the clock again once off the cells.
    connect(feuille, &TChild::statut, this, [this](const QString& texte, bool heure) {
        MajHeure = heure;
        v3_->setText(texte);
    });
    connect(feuille, &TChild::notification, this, &TMDI::NotifierStatistiques);
    connect(feuille, &TChild::fermeture, this, [this, feuille] {
        fermerStatistiques(&feuille->Classe);
        AfficherPeriode(nullptr, 0);
        MettreAJourMenuFenetre(true);
    });
    connect(feuille, &QObject::destroyed, this, [this] {
        DesactiverBoutons();
        AfficherPeriode(nullptr, 0);
        MettreAJourMenuFichier();
        // The next sheet was activated before this one was gone: what the destruction
        // just turned off must be turned on again for it.
        if (TChild* suivante = FeuilleActive()) activerFeuille(suivante);
    });
    QMdiSubWindow* avant = zone_->activeSubWindow();
    QMdiSubWindow* fenetre = zone_->addSubWindow(feuille);
    placer(fenetre, avant);
    feuille->show();
    zone_->setActiveSubWindow(fenetre);
    feuille->setFocus();
    MettreAJourMenuFenetre(false);
    AfficherPeriode(&feuille->Classe, feuille->Classe.PeriodeCourante);
}

QString TMDI::dossierClasses() const {
    // The program's own folder is not the teacher's to write in: a new class goes where
    // the last one came from, or else among the documents, or else home, whichever exists.
    QStringList dossiers{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                         QDir::homePath()};
    if (!Options.liste[1].empty())
        dossiers.prepend(QFileInfo(QString::fromStdString(Options.liste[1])).absolutePath());
    for (const QString& d : dossiers)
        if (!d.isEmpty() && QFileInfo(d).isDir()) return d;
    return QDir::homePath();
}

void TMDI::ouvrir() {
    RetablirTitre();
    QString dossier = DossierProgramme();
    if (!Options.liste[1].empty())
        dossier = QFileInfo(QString::fromStdString(Options.liste[1])).absolutePath();
    const QString f = dialogues().fichierAOuvrir(this, QStringLiteral("Ouvrir une classe"), dossier,
                                                 QStringLiteral("Classes (*.cl3)"));
    if (!f.isEmpty()) OuvrirClasse(f);
}

void TMDI::ouvrirRecent(int i) {
    RetablirTitre();
    OuvrirClasse(QString::fromStdString(Options.liste[i]));
}

} // namespace quillora
