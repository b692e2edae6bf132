#include "ApplicationFenetre.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QScreen>
#include <iostream>
#include <string_view>

#include "ApparenceProgramme.h"
#include "Association.h"
#include "FichierAtomique.h"
#include "FichierLigneCommande.h"
#include "ImpressionFeuille.h"
#include "ImpressionFichier.h"
#include "LargeurNom.h"
#include "Options.h"
#include "Plateforme.h"
#include "TChild.h"
#include "TMDI.h"
#include "Traductions.h"
#include "ZoneClients.h"

namespace quillora {

char SeparateurDecimal() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}

std::unique_ptr<TMDI> DemarrerFenetre(const Lancement& l) {
    PreparerApparence();
    auto cadre =
        std::make_unique<TMDI>(QString::fromStdString(FichierOptionsDe(l)), SeparateurDecimal());
    cadre->showMaximized();
    // Without a window manager (a bare X server) maximising does nothing: fill the screen.
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        cadre->setGeometry(ecran->availableGeometry());
    QStringList arguments;
    for (const std::string& a : l.autres) arguments << QString::fromLocal8Bit(a.c_str());
    const QString fichier = FichierLigneCommande(arguments);
    TChild* feuille = nullptr;
    if (!fichier.isEmpty()) {
        cadre->RetablirTitre();
        feuille = cadre->OuvrirClasse(fichier);
    }
    // A new class lost to an interruption is offered before anything else is done.
    cadre->ReprendreNouvellesClasses();
    // Asking the desktop and the print system takes longer than showing the class: it
    // waits until the class, or else the empty frame, is on the screen.
    const auto verifier = [] {
        MesurerImprimante();
        VerifierAssociation(QStringLiteral(".cl3"), QStringLiteral("QUILLORA"), true, true);
    };
    const auto unique =
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection);
    if (feuille)
        QObject::connect(feuille, &TChild::feuilleDessinee, cadre.get(), verifier, unique);
    else
        QObject::connect(cadre->Zone(), &ZoneClients::premierDessin, cadre.get(), verifier, unique);
    return cadre;
}

namespace {

// How many of the arguments the toolkit may read: its own options stop where the program's
// do, so that a class named "-style" after "--" stays a class.
int ArgumentsBoiteAOutils(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--") return i;
    return argc;
}

} // namespace

int ExecuterFenetre(int argc, char** argv, const Lancement& l) {
    PreparerRenduTexte();
    int arguments = ArgumentsBoiteAOutils(argc, argv);
    QApplication app(arguments, argv);
    QApplication::setApplicationName(QStringLiteral("quillora"));
    InstallerTraductions();
    const auto cadre = DemarrerFenetre(l);
    return app.exec();
}

namespace {

// The command-line modes report their own failures in French; what the toolkit says on
// the way (a runtime folder it would like, a painter that could not start) is noise.
void messagesBoiteAOutils(QtMsgType type, const QMessageLogContext&, const QString& texte) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << texte.toLocal8Bit().constData() << '\n';
}

} // namespace

int ExecuterPdf(int argc, char** argv, const Lancement& l) {
    qInstallMessageHandler(messagesBoiteAOutils);
    if (const int code = VerifierSortie(l, std::cerr)) return code;
    // No display is needed: the offscreen platform paints as well as any.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PreparerRenduTexte();
    int arguments = ArgumentsBoiteAOutils(argc, argv);
    QGuiApplication app(arguments, argv);
    TClasse classe;
    if (const int code = PreparerClasse(l, SeparateurDecimal(), classe, std::cerr)) return code;

    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(QString::fromLocal8Bit(l.sortie.c_str()));
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setPageOrientation(QPageLayout::Portrait);
    imprimante.setResolution(300);
    const Plateforme::MesuresImprimante a4;
    DefinirMesuresImprimante(plateforme().resolutionEcran(), a4.resolution, a4.largeur, a4.hauteur);
    std::string raison;
    if (!ImprimerDocument(
            imprimante,
            [&](QPrinter& p) { return ImprimerFeuille(p, classe, CalculerLargeurNom(classe)); },
            raison)) {
        std::cerr << "Impossible de créer le fichier \"" << l.sortie << "\". " << raison << '\n';
        return 1;
    }
    return 0;
}

} // namespace quillora
