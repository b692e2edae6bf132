#include "Aide.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

#include "Dialogues.h"
#include "FenetreAide.h"
#include "Plateforme.h"

namespace quillora {

QStringList DossiersAide() {
    const QFileInfo programme(plateforme().cheminProgramme());
    QString dossier = programme.absolutePath();
    QString parent = QFileInfo(dossier).path();
    for (QString* d : {&dossier, &parent})
        if (!d->endsWith(QLatin1Char('/'))) *d += QLatin1Char('/');
    const QString essais[] = {parent + QStringLiteral("Aide/"),
                              parent + QStringLiteral("share/quillora/Aide/"),
                              dossier + QStringLiteral("Aide/")};
    // A program at the root has its folder for parent: the folder beside it stays last.
    QStringList dossiers;
    for (const QString& d : essais) {
        dossiers.removeAll(d);
        dossiers << d;
    }
    return dossiers;
}

QString CheminAide() {
    const QStringList dossiers = DossiersAide();
    for (const QString& d : dossiers)
        if (QFileInfo(d).isDir()) return d;
    return dossiers.last();
}

void AfficherAide(const QString& sujet) {
    const QString dossier = CheminAide();
    if (!QFileInfo(dossier).isDir()) {
        QWidget* parent = QApplication::activeModalWidget();
        dialogues().avertissement(parent ? parent : QApplication::activeWindow(),
                                  titreAvertissement(),
                                  QStringLiteral("Les pages de l'aide sont introuvables. Elles "
                                                 "ont été cherchées dans :\r") +
                                      DossiersAide().join(QLatin1Char('\r')));
        return;
    }

    // One help window for the whole program. While a modal dialog runs, a window of its own
    // would be blocked by it: the help then becomes the dialog's, and goes with it.
    static QPointer<FenetreAide> fenetre;
    QWidget* modal = QApplication::activeModalWidget();
    if (!fenetre) {
        fenetre = new FenetreAide(modal);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, fenetre, [] { delete fenetre; });
    } else if (fenetre->parentWidget() != modal) {
        fenetre->setParent(modal, fenetre->windowFlags());
    }

    fenetre->Afficher(dossier, sujet.isEmpty() ? FenetreAide::PageAccueil()
                                               : sujet + QStringLiteral(".htm"));
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

} // namespace quillora
