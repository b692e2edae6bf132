// Paints the views of a class file as the sheet window, its preview and the printer show
// them, into PNG files to look at (and one PDF page), without a display:
//   rendrefeuille CLASSE.cl3 DOSSIER [LARGEURxHAUTEUR]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>

#include "DessinFeuille.h"
#include "ImpressionFeuille.h"
#include "LargeurNom.h"
#include "Options.h"
#include "Plateforme.h"

using namespace quillora;

namespace {

struct Vue {
    const char* nom;
    int s, p;
};

QImage peindre(const TClasse& c, const EtatFeuille& etat, bool impression, QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (impression) {
        // A 300 dpi page: the sheet is laid out by the surface's resolution.
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
    }
    QPainter p(&image);
    DessinerFeuille(p, c, etat, impression);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage : rendrefeuille CLASSE.cl3 DOSSIER [LARGEURxHAUTEUR]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InitOptions(Options);
    MesurerImprimante();

    TClasse c;
    c.Initialiser();
    c.NomFichier = argv[1];
    if (const Resultat r = c.Charger(); !r) {
        std::fprintf(stderr, "%s\n", r.erreur.c_str());
        return 1;
    }
    c.NormaliserNoms();
    const QString dossier = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    QSize fenetre(1366, 640);
    if (argc > 3) {
        const QStringList t = QString::fromLatin1(argv[3]).split(QLatin1Char('x'));
        if (t.size() == 2) fenetre = QSize(t[0].toInt(), t[1].toInt());
    }

    EtatFeuille etat;
    etat.LargeurNom = CalculerLargeurNom(c);
    etat.TailleClient = fenetre;
    const Vue vues[] = {
        {"matiere", 1, 1}, {"synthese", 4, 1}, {"annee", 1, 4}, {"synthese-annee", 4, 4}};
    for (const Vue& v : vues) {
        c.MatiereCourante = static_cast<std::uint8_t>(v.s);
        c.PeriodeCourante = static_cast<std::uint8_t>(v.p);
        peindre(c, etat, false, fenetre).save(dossier + QLatin1String(v.nom) + ".png");
    }

    c.MatiereCourante = 1;
    c.PeriodeCourante = 1;
    etat.ModeApercu = true;
    // One page fits the window's height, as the preview opens.
    etat.ZoomApercu = (fenetre.height() - 15) / (HauteurPage * RapportEcranImprimante);
    peindre(c, etat, false, fenetre).save(dossier + "apercu.png");
    etat.ModeApercu = false;
    peindre(c, etat, true, QSize(LargeurPage, HauteurPage)).save(dossier + "papier.png");

    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(dossier + "papier.pdf");
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setResolution(300);
    return ImprimerFeuille(imprimante, c, etat.LargeurNom) ? 0 : 1;
}
