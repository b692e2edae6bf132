#include "Plateforme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include "Classe.h"

namespace quillora {

void Plateforme::bip() {
    QApplication::beep();
}

bool Plateforme::imprimanteInstallee() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

Plateforme::MesuresImprimante Plateforme::mesurerImprimante() {
    MesuresImprimante m;
    if (!imprimanteInstallee()) return m;
    QPrinter p(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    m.resolution = p.resolution();
    const QRect papier = p.paperRect(QPrinter::DevicePixel).toRect();
    m.largeur = papier.width();
    m.hauteur = papier.height();
    const QRect page = p.pageRect(QPrinter::DevicePixel).toRect();
    m.largeurImprimable = page.width();
    m.hauteurImprimable = page.height();
    return m;
}

int Plateforme::resolutionEcran() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? qRound(ecran->logicalDotsPerInch()) : 96;
}

bool Plateforme::ouvrirUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
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
    return QCoreApplication::applicationFilePath();
}

QString Plateforme::dossierConfiguration() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillora");
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

Plateforme::MesuresImprimante MesurerImprimante() {
    Plateforme& p = plateforme();
    const auto m = p.mesurerImprimante();
    DefinirMesuresImprimante(p.resolutionEcran(), m.resolution, m.largeur, m.hauteur);
    return m;
}

} // namespace quillora
