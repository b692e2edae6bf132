// What a sheet window does with its file and its page: saving with the .bak twin, the
// prompts of closing and the backup copy, deleting, printing and the table export.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "FichierAtomique.h"
#include "ImpressionFeuille.h"
#include "ImpressionFichier.h"
#include "Options.h"
#include "Plateforme.h"
#include "TChild.h"

namespace quillora {

namespace {

QString chemin(const std::string& c) {
    return QString::fromStdString(c);
}

} // namespace

bool TChild::Enregistrer(bool ajouterRecent, QString* echec) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Resultat r = Classe.Sauver();
    QApplication::restoreOverrideCursor();
    if (!r) {
        if (echec)
            *echec = QString::fromStdString(r.erreur);
        else
            dialogues().erreur(this, titreErreur(), QString::fromStdString(r.erreur));
        return false;
    }
    MarquerSauve();
    journalSauvegarde();
    if (ajouterRecent) {
        AjouterFichierRecent(Classe.NomFichier);
        emit fichiersRecentsChanges();
    }
    return true;
}

bool TChild::EnregistrerSous(QString* echec) {
    if (!VerifierSaisieFinie()) return false;
    QString nom = FichierAEnregistrer(
        this, QStringLiteral("Sauver sous"), chemin(Classe.NomFichier),
        QStringLiteral("Classes (*.cl3)"), [](const QString& n) {
            return QFileInfo(n).suffix().isEmpty() ? n + QStringLiteral(".cl3") : n;
        });
    if (nom.isEmpty()) return false;
    nom = cheminClasse(nom);
    const std::string ancien = Classe.NomFichier;
    Classe.NomFichier = nom.toStdString();
    Rafraichir();
    majTitre();
    if (!Enregistrer(true, echec)) {
        Classe.NomFichier = ancien;
        majTitre();
        return false;
    }
    NouveauFichier = false;
    return true;
}

bool TChild::EnregistrerAvecCopie() {
    QString echec;
    const bool enregistre = NouveauFichier ? EnregistrerSous(&echec) : Enregistrer(true, &echec);
    // The twin is written whatever happened, but only the real save marks the sheet saved:
    // a cancelled "save as" must still warn at closing.
    const std::string bak = NomBak(Classe.NomFichier);
    const Resultat r = Classe.SauverSous(bak);
    // When the class could not be written but its twin could, the grades are not lost: the
    // teacher must learn where they are.
    if (!echec.isEmpty()) {
        if (r)
            echec += QStringLiteral("\r\rLes notes sont en sécurité dans la copie de secours :\r") +
                     QFileInfo(chemin(bak)).absoluteFilePath();
        dialogues().erreur(this, titreErreur(), echec);
    }
    if (!r) dialogues().erreur(this, titreErreur(), QString::fromStdString(r.erreur));
    return enregistre;
}

void TChild::EffacerFichier() {
    if (!VerifierSaisieFinie()) return;
    const QString texte = QStringLiteral("Effacer DEFINITIVEMENT du disque le ficher ") +
                          chemin(Classe.NomFichier) + QStringLiteral(" ?");
    if (dialogues().question(this, titreConfirmation(), texte,
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QFile fichier(chemin(Classe.NomFichier));
    if (fichier.exists() && !fichier.remove()) {
        dialogues().erreur(this, titreErreur(),
                           QStringLiteral("Impossible d'effacer le fichier \"") +
                               chemin(Classe.NomFichier) + QStringLiteral("\". ") +
                               fichier.errorString());
        return;
    }
    journalEfface();
    effacement_ = true;
    // The frame's window around the sheet goes with it.
    if (QWidget* cadre = parentWidget(); cadre && cadre->inherits("QMdiSubWindow"))
        cadre->close();
    else
        close();
}

void TChild::closeEvent(QCloseEvent* event) {
    fermetureOK_ = true;
    // The grade being typed would be lost, or left out of the save that closing offers.
    if (!effacement_ && !VerifierSaisieFinie()) {
        fermetureOK_ = false;
        event->ignore();
        return;
    }
    if (effacement_) {
        emit fermeture();
        event->accept();
        return;
    }
    if (Modifie) {
        const QString texte = QStringLiteral("Le fichier ") + chemin(Classe.NomFichier) +
                              QStringLiteral(" à été modifié, mais pas sauvé.\r\r"
                                             "Ce fichier doit il être sauvé ?\r");
        const auto r =
            dialogues().question(this, titreConfirmation(), texte,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        // A save that did not happen (failed, or its dialog cancelled) keeps the window:
        // closing it would lose the grades.
        if (r == QMessageBox::Cancel ||
            (r == QMessageBox::Yes && (!EnregistrerAvecCopie() || Modifie))) {
            fermetureOK_ = false;
            event->ignore();
            return;
        }
    }
    // Steps left after the last save were refused by the teacher (or undone back to it):
    // they are not offered again at the next opening.
    if (etapesJournal_ > 0) journalMiseDeCote(RaisonMiseDeCote::Fermeture);
    sauvegardeDeFermeture();
    emit fermeture();
    event->accept();
}

void TChild::sauvegardeDeFermeture() {
    if (!Options.sauvegarde) return;
    QString nom = QFileInfo(chemin(Classe.NomFichier)).fileName();
    for (QChar& c : nom)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = c.toUpper();
    const QString repertoire = QString::fromStdString(Options.repsauve);
    const QString texte = QStringLiteral("La sauvegarde automatique est activée.\r"
                                         "( Option - Onglet Sauvegarde )\r\r"
                                         "Fichier à sauvegarder: ") +
                          nom + QStringLiteral("\rDans le répertoire: ") + repertoire +
                          QStringLiteral("\r\rEffectuer cette sauvegarde ?");
    if (dialogues().question(this, titreConfirmation(), texte,
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // An emptied folder field is no folder: the copy would otherwise land at the root.
    if (repertoire.isEmpty()) {
        dialogues().erreur(this, titreErreur(),
                           QStringLiteral("Aucun répertoire de sauvegarde n'est indiqué.\r"
                                          "( Option - Onglet Sauvegarde )"));
        return;
    }
    // The default folder is the program's own, made at its first use; a folder the teacher
    // chose is never made up, so that a missing one (a key not plugged in) is reported.
    if (Options.repsauve == OptionsDefaut.repsauve) QDir().mkpath(repertoire);
    // A folder typed without its final separator still means that folder.
    QString cible = repertoire;
    if (!cible.endsWith(QLatin1Char('/'))) cible += QLatin1Char('/');
    cible += nom;
    const Resultat r = Classe.SauverSous(cible.toStdString());
    if (!r) dialogues().erreur(this, titreErreur(), QString::fromStdString(r.erreur));
}

void TChild::Imprimer(bool SansDialogue) {
    QPrinter& p = ImprimanteProgramme();
    // Without a printer the print dialog offers a PDF file, named after the class.
    const bool imprimanteReelle = plateforme().imprimanteInstallee();
    if (!imprimanteReelle) {
        p.setOutputFormat(QPrinter::PdfFormat);
        const QFileInfo f(chemin(Classe.NomFichier));
        p.setOutputFileName(f.path() + QLatin1Char('/') + f.completeBaseName() +
                            QStringLiteral(".pdf"));
    }
    if ((!SansDialogue || !imprimanteReelle) && !dialogues().imprimer(&p, this)) return;
    const QString fichier = p.outputFileName();
    if (!fichier.isEmpty() && !SortiePermise(this, Classe.NomFichier, fichier)) return;
    std::string raison;
    const bool ok = ImprimerDocument(
        p, [this](QPrinter& q) { return ImprimerFeuille(q, Classe, LargeurNom); }, raison);
    DireImpression(this, ok, QStringLiteral("la feuille de notes"), fichier, raison);
}

void TChild::ConfigurerImprimante() {
    if (!dialogues().configurerImprimante(&ImprimanteProgramme(), this)) return;
    MesurerImprimante();
    Rafraichir();
}

void TChild::ExporterTableau() {
    QApplication::clipboard()->setText(
        texteQt(TexteExport(Classe, Classe.MatiereCourante, Classe.PeriodeCourante)));
}

} // namespace quillora
