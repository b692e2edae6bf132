// One full repaint of the sheet of the largest class, on the window and on paper.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "ClasseComplete.h"
#include "DessinFeuille.h"
#include "LargeurNom.h"
#include "Options.h"

using namespace quillora;

namespace {

// Fonts need a GUI application; benchmark's own main() makes none.
void application() {
    static int argc = 1;
    static char nom[] = "bench_sheet";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        InitOptions(Options);
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

void Peindre(benchmark::State& state, int s, int p, bool impression, bool apercu = false) {
    application();
    TClasse c = ClasseComplete();
    c.MatiereCourante = static_cast<std::uint8_t>(s);
    c.PeriodeCourante = static_cast<std::uint8_t>(p);
    EtatFeuille etat;
    etat.LargeurNom = CalculerLargeurNom(c);
    // A maximised sheet window on a 1366 x 768 screen; an A4 page at 300 dpi.
    etat.TailleClient = QSize(1366, 640);
    etat.ModeApercu = apercu;
    QImage image(impression ? QSize(2481, 3507) : etat.TailleClient,
                 QImage::Format_ARGB32_Premultiplied);
    if (impression) {
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
    }
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        DessinerFeuille(painter, c, etat, impression);
    }
}

void MatiereFenetre(benchmark::State& state) {
    Peindre(state, 1, 1, false);
}
void SyntheseAnneeFenetre(benchmark::State& state) {
    Peindre(state, 4, 4, false);
}
void MatierePapier(benchmark::State& state) {
    Peindre(state, 1, 1, true);
}
void SyntheseAnneePapier(benchmark::State& state) {
    Peindre(state, 4, 4, true);
}
// The preview measures the printer again at every paint.
void MatiereApercu(benchmark::State& state) {
    Peindre(state, 1, 1, false, true);
}

BENCHMARK(MatiereFenetre)->Unit(benchmark::kMillisecond);
BENCHMARK(SyntheseAnneeFenetre)->Unit(benchmark::kMillisecond);
BENCHMARK(MatierePapier)->Unit(benchmark::kMillisecond);
BENCHMARK(SyntheseAnneePapier)->Unit(benchmark::kMillisecond);
BENCHMARK(MatiereApercu)->Unit(benchmark::kMillisecond);

} // namespace
