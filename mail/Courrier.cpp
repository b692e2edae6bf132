#include "Courrier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "Dialogues.h"
#include "FichierAtomique.h"
#include "Plateforme.h"
#include "TSendMailThread.h"
#include "TZip.h"

namespace quillora {

QString DernierMessageMail;

QString TexteResultatMail(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("Cas 13 - Message envoyé avec succès.");
    case 1:
        return QStringLiteral("Erreur 12 - Utilisateur non défini; Message non envoyé.");
    case 2:
        return QStringLiteral("Erreur 5 - Message non envoyé.");
    case 3:
        return QStringLiteral("Erreur 7 - Utilisateur non défini. Message non envoyé.");
    case 5:
        return QStringLiteral("Erreur 6 - Mémoire insuffisante. Message non envoyé.");
    case 9:
        return QStringLiteral("Erreur 9 - Trop de fichiers joints. Message non envoyé.");
    case 10:
        return QStringLiteral("Erreur 10 - Trop de destinataires. Message non envoyé.");
    case 11:
        return QStringLiteral("Erreur 2 - Fichier joint non trouvé. Message non envoyé.");
    case 12:
        return QStringLiteral("Erreur 3 - Fichier joint non ouvert. Message non envoyé.");
    case 14:
        return QStringLiteral(
            "Erreur 11 - Utilisateur non défini dans la liste d'adresse. Message non envoyé.");
    case 15:
        return QStringLiteral(
            "Erreur 4 - Type non MAPI_TO, MAPI_CC, ou MAPI_BCC. Message non envoyé.");
    case 18:
        return QStringLiteral("Erreur 8 - Texte trop long. Message non envoyé.");
    case 21:
        return QStringLiteral("Erreur 1 - Problème fichier joint. Message non envoyé.");
    default:
        return {};
    }
}

int CodeResultatCourrier(int statut) {
    switch (statut) {
    case 0:
        return 0; // in the mail program's hands
    case 2:
        return 11; // the attachment is missing
    case 3:        // no mail program configured
    case 127:      // not even xdg-email
        return CodeSansMessagerie;
    default:
        return 2;
    }
}

QStringList ArgumentsCourrier(const QString& a, const QString& sujet, const QString& corps,
                              const QString& pieceJointe) {
    QStringList arguments{QStringLiteral("--utf8")};
    if (!sujet.isEmpty()) arguments << QStringLiteral("--subject") << sujet;
    if (!corps.isEmpty()) arguments << QStringLiteral("--body") << corps;
    if (!pieceJointe.isEmpty()) arguments << QStringLiteral("--attach") << pieceJointe;
    if (!a.isEmpty()) arguments << a;
    return arguments;
}

namespace {

void retenirResultat(int code) {
    if (const QString texte = TexteResultatMail(code); !texte.isEmpty()) DernierMessageMail = texte;
}

} // namespace

bool EnvoyerMail(const QString& a, const QString& sujet, const QString& corps, bool synchrone,
                 const QString& pieceJointe) {
    if (!synchrone) {
        auto* fil = new TSendMailThread(a, sujet, corps, pieceJointe);
        QObject::connect(fil, &TSendMailThread::envoye, fil, &retenirResultat);
        fil->start();
        return true;
    }
    const int code = CodeResultatCourrier(
        plateforme().remettreCourrier(ArgumentsCourrier(a, sujet, corps, pieceJointe)));
    retenirResultat(code);
    return code == 0;
}

void ProposerEnvoiALaMain(QWidget* fenetre, const QString& archive) {
    // The archive is kept for the teacher to attach it in whatever sends mail here.
    const QString dossier = QFileInfo(archive).absolutePath();
    const auto r = dialogues().question(
        fenetre, titreAvertissement(),
        QStringLiteral("Aucun programme de messagerie n'est configuré sur cet ordinateur : le "
                       "message n'est pas envoyé.\r\rLa classe est prête à être jointe à un "
                       "message, dans l'archive :\r") +
            QFileInfo(archive).absoluteFilePath() +
            QStringLiteral("\r\rOuvrir le dossier qui la contient ?"),
        QMessageBox::Yes | QMessageBox::No);
    if (r == QMessageBox::Yes && !plateforme().ouvrirUrl(QUrl::fromLocalFile(dossier)))
        dialogues().avertissement(fenetre, titreAvertissement(),
                                  QStringLiteral("Impossible d'ouvrir le dossier ") + dossier);
}

TSendMailThread* EnvoyerClasseParMail(QWidget* fenetre, const QString& fichierClasse) {
    const QFileInfo classe(fichierClasse);
    QString dossier = QDir::tempPath();
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) dossier = classe.absolutePath();
    const QString archive =
        dossier + QLatin1Char('/') + classe.completeBaseName() + QStringLiteral(".zip");
    // A leftover archive of an earlier mail of this class.
    if (QFile f(archive); f.exists() && !f.remove()) {
        dialogues().erreur(fenetre, titreErreur(),
                           QStringLiteral("Impossible d'effacer le fichier \"") + archive +
                               QStringLiteral("\". ") + f.errorString());
        return nullptr;
    }
    {
        TZip zip(fenetre);
        zip.FichiersAjouter << classe.absoluteFilePath();
        if (!zip.SetZipFileName(archive) || zip.Ajouter() < 1) {
            // Cancelled or failed: no archive is left that looks like a finished one.
            QFile::remove(archive);
            return nullptr;
        }
    }
    auto* fil = new TSendMailThread(QString(), QStringLiteral("Fichier:") + classe.fileName(),
                                    QString(), archive);
    const QPointer<QWidget> parent(fenetre);
    QObject::connect(fil, &TSendMailThread::envoye, fil, [parent, archive](int code) {
        retenirResultat(code);
        if (code == 0) return; // the mail program reads the archive when the mail goes
        if (code == CodeSansMessagerie) {
            ProposerEnvoiALaMain(parent, archive);
            return;
        }
        QFile::remove(archive);
        dialogues().avertissement(parent, titreAvertissement(), DernierMessageMail);
    });
    fil->start();
    return fil;
}

} // namespace quillora
