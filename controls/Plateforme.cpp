#include "Plateforme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include "Classe.h"
#include "JournalReprise.h"
#include "Options.h"

namespace quillora {

void Plateforme::bip() {
    QApplication::beep();
}

bool Plateforme::imprimanteInstallee() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

Plateforme::MesuresImprimante Plateforme::mesurerImprimante(const QPrinter& p) {
    if (!imprimanteInstallee() || p.outputFormat() != QPrinter::NativeFormat)
        return MesuresSansImprimante(p.pageLayout());
    MesuresImprimante m;
    m.resolution = p.resolution();
    const QRect papier = p.paperRect(QPrinter::DevicePixel).toRect();
    m.largeur = papier.width();
    m.hauteur = papier.height();
    const QRect page = p.pageRect(QPrinter::DevicePixel).toRect();
    m.largeurImprimable = page.width();
    m.hauteurImprimable = page.height();
    return m;
}

Plateforme::MesuresImprimante Plateforme::MesuresSansImprimante(const QPageLayout& mise) {
    MesuresImprimante m;
    if (mise.pageSize().id() != QPageSize::A4) {
        const QRect papier = mise.fullRectPixels(m.resolution);
        const QRect page = mise.paintRectPixels(m.resolution);
        return {m.resolution, papier.width(), papier.height(), page.width(), page.height()};
    }
    if (mise.orientation() == QPageLayout::Landscape) {
        std::swap(m.largeur, m.hauteur);
        std::swap(m.largeurImprimable, m.hauteurImprimable);
    }
    return m;
}

int Plateforme::resolutionEcran() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? qRound(ecran->logicalDotsPerInch()) : 96;
}

bool Plateforme::ouvrirUrl(const QUrl& url) {
    if (url.isLocalFile()) return QDesktopServices::openUrl(url);
    // The toolkit only knows that xdg-open started, not that a browser took the address.
    // xdg-open says at once when none can; a browser it starts may keep it running for as
    // long as that browser is open, so it is not waited for beyond that first moment.
    auto* xdg = new QProcess(qApp);
    QObject::connect(xdg, &QProcess::finished, xdg, &QObject::deleteLater);
    xdg->start(QStringLiteral("xdg-open"), {url.toString()});
    if (!xdg->waitForStarted(5000)) {
        delete xdg;
        return QDesktopServices::openUrl(url);
    }
    if (!xdg->waitForFinished(1000)) return true;
    return xdg->exitStatus() == QProcess::NormalExit && xdg->exitCode() == 0;
}

bool Plateforme::ouvrirEditeur(const QString& fichier) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fichier));
}

Plateforme::ResultatCommande Plateforme::executer(const QString& programme,
                                                  const QStringList& arguments) {
    ResultatCommande r;
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForStarted(5000)) return r;
    r.demarree = true;
    p.waitForFinished(30000);
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.sortie = QString::fromLocal8Bit(p.readAllStandardOutput());
    return r;
}

int Plateforme::remettreCourrier(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("xdg-email"), arguments);
    if (!p.waitForStarted(-1)) return 127;
    if (!p.waitForFinished(-1)) return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString Plateforme::cheminProgramme() {
    return QFile::decodeName(CheminProgramme().c_str());
}

QString Plateforme::dossierConfiguration() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillora");
}

QString Plateforme::dossierDocuments() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString Plateforme::dossierEtat() {
    return QString::fromStdString(DossierEtatParDefaut());
}

QStringList Plateforme::dossiersDonnees() {
    return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
}

namespace {
Plateforme* installee = nullptr;
}

Plateforme& plateforme() {
    static Plateforme reelle;
    return installee ? *installee : reelle;
}

void definirPlateforme(Plateforme* p) {
    installee = p;
}

void PreparerRenduTexte() {
    if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", "256");
}

QPrinter& ImprimanteProgramme() {
    static QPrinter imprimante(QPrinter::HighResolution);
    return imprimante;
}

Plateforme::MesuresImprimante MesurerImprimante() {
    Plateforme& p = plateforme();
    const auto m = p.mesurerImprimante(ImprimanteProgramme());
    DefinirMesuresImprimante(p.resolutionEcran(), m.resolution, m.largeur, m.hauteur);
    return m;
}

} // namespace quillora
