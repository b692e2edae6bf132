#include <QPaintEvent>
#include <QScrollBar>

#include "ConversionsQt.h"
#include "FeuilleSaisie.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// Records the region of every paint of the sheet.
class Espion : public QObject {
public:
    QRegion dernier;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) dernier = static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

} // namespace

class Repeint : public FeuilleSaisie {
protected:
    // Types `tape` into `cellule` and checks that what the window then shows is what a full
    // paint shows, and that less than the whole window was painted.
    void comparer(Cellule cellule, const QString& tape) {
        Espion espion;
        vue()->installEventFilter(&espion);
        f->Ligne = cellule.Ligne;
        f->Colonne = cellule.Colonne;
        f->OuvrirSaisie(tape);
        QCoreApplication::processEvents();
        const QImage avant = ecran();
        QTest::keyClick(f->EditNote, Qt::Key_Return);
        ASSERT_FALSE(f->SaisieEnCours());
        const QImage apres = ecran();
        EXPECT_NE(apres, avant);
        EXPECT_FALSE(espion.dernier.contains(note(6, 4))); // a grade that did not change
        vue()->repaint();
        EXPECT_EQ(ecran(), apres);
        vue()->removeEventFilter(&espion);
    }
};

TEST_F(Repeint, CeQuiChangeApresUneNoteOuUnCoefficientEstCeQuUnDessinCompletMontre) {
    comparer({2, 3}, QStringLiteral("3"));
    comparer({5, 1}, QStringLiteral("abs"));
    // A coefficient repaints every average, even the joker column beyond 19 x (n + L + 1)
    // + 54 units.
    TClasse& c = f->Classe;
    c.NbDevoir[1][1] = 24;
    for (int e = 1; e <= c.NbEleve; ++e)
        for (int a = 5; a <= 24; ++a) c.Eleve[e].Note[1][1][a] = std::to_string(e + a % 7);
    f->resize(1800, 400);
    QTest::qWait(20);
    comparer({0, 2}, QStringLiteral("5"));
}

TEST_F(Repeint, LaMarqueDuCurseurSuitLePointeurEtLeRelief) {
    constexpr Couleur fond = 0x00FFFF;
    Options.couleur[3] = fond;
    const QPoint coin = point((f->LargeurNom + 2 - 0.1) * 20, 60); // the L's corner
    const auto pixel = [](const QImage& im, QPoint p) { return couleurModele(im.pixelColor(p)); };
    for (auto [relief, couleur] :
         {std::pair<int, Couleur>{0, Options.couleur[2]}, {1, 0xFFFFFF}, {2, 0x808080}}) {
        Options.relief = static_cast<std::uint8_t>(relief);
        survoler(point(40, 30));
        survoler(note(4, 2));
        const QImage im = vue()->grab().toImage();
        EXPECT_EQ(pixel(im, coin), couleur) << relief;
        EXPECT_EQ(pixel(im, coin + QPoint(qRound(15 * Options.zoomD), 0)), fond) << relief;
    }
    survoler(note(1, 1)); // moving on erases it
    EXPECT_EQ(pixel(ecran(), coin), fond);
}

TEST_F(Repeint, LeCurseurFaitDefilerEtLaSaisieSuitLaFeuille) {
    f->Classe.NbEleve = 45;
    for (int e = 7; e <= 45; ++e) f->Classe.Eleve[e].Nom = "ZOLA";
    f->resize(900, 300);
    QTest::qWait(20);
    QScrollBar* v = f->verticalScrollBar();
    survoler(note(2, 1));
    for (int lignes = 0; v->value() == 0 && lignes < 45; ++lignes) touche(Qt::Key_Down);
    EXPECT_GT(v->value(), 0);
    EXPECT_EQ(f->Etat().Curseur, (Cellule{f->Ligne, 1}));
    // The cursor's cell stays clear of the bottom edge.
    EXPECT_LT(point(0, (f->Ligne + 2) * 10).y(), vue()->height());
    touche(Qt::Key_Home);
    EXPECT_EQ(v->value(), 0);
    touche(Qt::Key_End);
    EXPECT_EQ(v->value(), v->maximum());
    f->OuvrirSaisie(QStringLiteral("7"));
    const QPoint avant = f->EditNote->pos();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(f->EditNote->pos(), avant + QPoint(0, v->singleStep()));
}
