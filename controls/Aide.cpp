#include "Aide.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

#include "FenetreAide.h"
#include "Plateforme.h"

namespace quillora {

QString CheminAide() {
    const QFileInfo programme(plateforme().cheminProgramme());
    QString dossier = programme.absolutePath();
    QString parent = QFileInfo(dossier).path();
    for (QString* d : {&dossier, &parent})
        if (!d->endsWith(QLatin1Char('/'))) *d += QLatin1Char('/');
    for (const QString& essai :
         {parent + QStringLiteral("Aide/"), parent + QStringLiteral("share/quillora/Aide/")})
        if (QFileInfo(essai).isDir()) return essai;
    return dossier + QStringLiteral("Aide/");
}

void AfficherAide(const QString& sujet) {
    const QString dossier = CheminAide();
    if (!QFileInfo(dossier).isDir()) return;

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
