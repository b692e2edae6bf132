#include "Programme.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QResource>

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

QImage ImageProgramme() {
    constexpr int cote = 128;
    // The resource is stored uncompressed: its bytes are the program's own, never copied.
    static const QByteArray pixels =
        QResource(QStringLiteral(":/icones/quillora.rgba")).uncompressedData();
    if (pixels.size() != cote * cote * 4) return {};
    return QImage(reinterpret_cast<const uchar*>(pixels.constData()), cote, cote,
                  QImage::Format_RGBA8888);
}

QIcon IconeProgramme() {
    return QIcon(QPixmap::fromImage(ImageProgramme()));
}

} // namespace quillora
