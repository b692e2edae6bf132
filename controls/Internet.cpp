#include "Internet.h"

#include <QUrl>

#include "Dialogues.h"
#include "Plateforme.h"
#include "Programme.h"

namespace quillora {

void AllerAuSiteOfficiel(QWidget* parent) {
    if (plateforme().ouvrirUrl(QUrl(SiteOfficiel()))) return;
    dialogues().information(
        parent, titreInformation(),
        QStringLiteral("Aucun navigateur internet n'a pu ouvrir le site officiel.\r\r"
                       "Son adresse : ") +
            SiteOfficiel());
}

void ContacterAuteur(QWidget* parent) {
    dialogues().information(
        parent, titreInformation(),
        QStringLiteral("Pour poser une question, proposer une amélioration ou signaler une "
                       "erreur, utilisez le formulaire de la page Contact du site officiel :\r\r") +
            SiteOfficiel() +
            QStringLiteral("contact\r\rMerci de préciser la version du "
                           "logiciel : ") +
            TitreProgramme() + QStringLiteral("."));
}

} // namespace quillora
