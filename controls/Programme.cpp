#include "Programme.h"

#include <QDir>
#include <QFileInfo>

#include "Plateforme.h"

namespace quillora {

QString TitreProgramme() {
    return QStringLiteral("Quillora " QUILLORA_VERSION);
}

QString DossierProgramme() {
    return QFileInfo(plateforme().cheminProgramme()).absolutePath() + QLatin1Char('/');
}

QString FichierDuProgramme(const QString& nom) {
    const QString dossier = DossierProgramme();
    if (QFileInfo(dossier).isWritable()) return dossier + nom;
    const QString repli = plateforme().dossierConfiguration();
    QDir().mkpath(repli);
    return repli + QLatin1Char('/') + nom;
}

QString FichierCouleurs() {
    return FichierDuProgramme(QStringLiteral("CouleurPerso.ini"));
}

QString SiteOfficiel() {
    return QStringLiteral("https://www.quillora.org/");
}

} // namespace quillora
