#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <iterator>
#include <utility>

#include "NewGraphe.h"
#include "Tableau.h"

using namespace quillora;

namespace {

// Averages of one assignment across a class, with two absent students.
constexpr double Notes[] = {12.5, 8.0,  15.0, -1789.0, 17.5,    10.0,
                            6.5,  13.0, 0.0,  11.0,    -1789.0, 14.5};

void remplir(TNewGraphe& g, TMode mode) {
    g.SetMode(mode);
    g.SetCaption(QStringLiteral("Devoir 3 - Trimestre 1"));
    g.SetNbLigne(2);
    g.SetLigne(1, QStringLiteral("Moyenne de la classe : 11,8"));
    g.SetLigne(2, QStringLiteral("2 absents"));
    g.SetNbBarre(std::size(Notes));
    for (int i = 1; i <= g.NbBarre(); ++i) {
        TBarre b;
        b.Valeur = Notes[i - 1];
        b.CouleurBarre = b.Valeur >= 10 ? QColor(0, 128, 0) : QColor(255, 0, 0);
        b.SetTexte(QStringLiteral("abs"));
        b.SetLegende(QString::number(i));
        *g.Barre(i) = b;
    }
    g.BarreMoy().Valeur = 11.8;
}

bool enregistrer(const QImage& image, const QString& dossier, const QString& nom) {
    const QString chemin = QDir(dossier).filePath(nom);
    if (!image.save(chemin)) {
        std::fprintf(stderr, "charts_demo: cannot write %s\n", qPrintable(chemin));
        return false;
    }
    std::printf("%s\n", qPrintable(chemin));
    return true;
}

// The widget as a window shows it, through its own paint event.
QImage ecran(QWidget& w, int largeur, int hauteur) {
    w.resize(largeur, hauteur);
    return w.grab().toImage();
}

// The way a print layout draws a control: into a rectangle of a large white page.
template <typename Controle> QImage page(Controle& c, int largeur, int hauteur) {
    QImage image(largeur + 200, hauteur + 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    c.Dessiner(p, 100, 100, largeur, hauteur);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(dossier)) return 1;

    bool ok = true;
    const std::pair<TMode, const char*> modes[] = {
        {mBarre, "barres"}, {mLigne, "ligne"}, {mBezier, "bezier"}};
    for (const auto& [mode, nom] : modes) {
        TNewGraphe g;
        remplir(g, mode);
        ok &=
            enregistrer(ecran(g, 200, 150), dossier, QStringLiteral("graphe-%1-200.png").arg(nom));
        ok &=
            enregistrer(ecran(g, 640, 420), dossier, QStringLiteral("graphe-%1-640.png").arg(nom));
        g.SetNoirBlanc(true);
        ok &= enregistrer(page(g, 1200, 900), dossier, QStringLiteral("graphe-%1-nb.png").arg(nom));
    }
    TNewGraphe vide;
    vide.SetCaption(QStringLiteral("Aucun devoir dans cette période"));
    ok &= enregistrer(ecran(vide, 400, 300), dossier, QStringLiteral("graphe-vide.png"));

    const std::pair<TRelief, const char*> reliefs[] = {
        {rAucun, "aucun"}, {rCreux, "creux"}, {rBosse, "bosse"}};
    for (const auto& [relief, nom] : reliefs) {
        TTableau t;
        t.SetRelief(relief);
        t.SetCaption(QStringLiteral("Bilan du trimestre"));
        t.SetCellule(1, 1, QStringLiteral("Matière"));
        t.SetCellule(2, 1, QStringLiteral("Moy."));
        t.SetCellule(3, 1, QStringLiteral("Min."));
        t.SetCellule(4, 1, QStringLiteral("Max."));
        t.SetCellule(5, 1, QStringLiteral("Abs."));
        t.SetCellule(1, 2, QStringLiteral("Mathématiques et sciences expérimentales"));
        ok &=
            enregistrer(ecran(t, 200, 150), dossier, QStringLiteral("tableau-%1-200.png").arg(nom));
        ok &=
            enregistrer(ecran(t, 640, 420), dossier, QStringLiteral("tableau-%1-640.png").arg(nom));
        t.SetNoirBlanc(true);
        ok &=
            enregistrer(page(t, 1200, 900), dossier, QStringLiteral("tableau-%1-nb.png").arg(nom));
    }
    return ok ? 0 : 1;
}
