// Drawing a chart or a table onto a printed page: a full class year of 72 bars in each mode,
// and the full 5 x 5 table, into an A4 page image at 300 dpi (goal: each under 5 ms), and, for
// comparison, onto the PDF page that printing really produces.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

#include "NewGraphe.h"
#include "Plateforme.h"
#include "Tableau.h"

using namespace quillora;

namespace {

// The controls are widgets; the benchmark library owns main().
void application() {
    static int argc = 1;
    static char nom[] = "bench_stats";
    static char* argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PreparerRenduTexte(); // as the program does
    static QApplication app(argc, argv);
}

QImage pageA4() {
    QImage page(2480, 3508, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

enum Support { Image, Pdf };

template <typename Controle> void dessinerSurPage(benchmark::State& state, Controle& c) {
    if (state.range(0) == Image) {
        QImage page = pageA4();
        QPainter p(&page);
        for (auto _ : state) c.Dessiner(p, 40, 40, 2400, 1800);
        return;
    }
    QBuffer fichier;
    fichier.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&fichier);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    QPainter p(&pdf);
    for (auto _ : state) {
        c.Dessiner(p, 40, 40, 2400, 1800);
        pdf.newPage();
    }
}

void BM_Graphe(benchmark::State& state) {
    application();
    TNewGraphe g;
    g.SetMode(static_cast<TMode>(state.range(1)));
    g.SetNoirBlanc(state.range(2) != 0);
    g.SetCaption(QStringLiteral("Moyennes de l'année"));
    g.SetNbLigne(3);
    g.SetNbBarre(72);
    for (int i = 1; i <= 72; ++i) {
        g.Barre(i)->Valeur = i % 9 == 0 ? -1789.0 : (i * 37 % 200) / 10.0;
        g.Barre(i)->SetTexte(QStringLiteral("abs"));
        g.SetLegende(i, QString::number(i));
    }
    dessinerSurPage(state, g);
}
BENCHMARK(BM_Graphe)
    ->ArgNames({"pdf", "mode", "nb"})
    ->ArgsProduct({{Image, Pdf}, {mBarre, mLigne, mBezier}, {0}})
    ->Args({Image, mBarre, 1})
    ->Args({Pdf, mBarre, 1})
    ->Unit(benchmark::kMillisecond);

void BM_Tableau(benchmark::State& state) {
    application();
    TTableau t;
    t.SetCaption(QStringLiteral("Bilan de l'année"));
    dessinerSurPage(state, t);
}
BENCHMARK(BM_Tableau)->ArgName("pdf")->Arg(Image)->Arg(Pdf)->Unit(benchmark::kMillisecond);

} // namespace
