// One grade typed on a full class (45 students, 3 subjects, 3 periods of 24 assignments) with
// the four statistics windows open, each in the view the sheet opens them in: what the sheet's
// notification costs them, computing and repainting (goal: under 4 ms in all).
#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

#include "ClasseComplete.h"
#include "Options.h"
#include "Plateforme.h"
#include "TStat01.h"
#include "TStat02.h"
#include "TStat03.h"
#include "TStat04.h"

using namespace quillora;

namespace {

void application() {
    static int argc = 1;
    static char nom[] = "bench_stats";
    static char* argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PreparerRenduTexte();
    static QApplication app(argc, argv);
}

void BM_NoteTapee(benchmark::State& state) {
    application();
    InitOptions(Options);
    TClasse c = ClasseComplete();
    std::vector<std::unique_ptr<FenetreStatistique>> fenetres;
    fenetres.emplace_back(new TStat01(c));
    fenetres.emplace_back(new TStat02(c));
    fenetres.emplace_back(new TStat03(c));
    fenetres.emplace_back(new TStat04(c));
    const QSize tailles[] = {{632, 300}, {618, 340}, {470, 330}, {540, 289}};
    for (int i = 0; i < 4; ++i) {
        fenetres[i]->resize(tailles[i]);
        fenetres[i]->show();
    }
    QApplication::processEvents();
    // The last assignment, which the assignment window opens on, for the first student.
    const int a = c.NbDevoir[1][1];
    int n = 0;
    for (auto _ : state) {
        c.Eleve[1].Note[1][1][a] = ++n % 2 ? "7.5" : "15";
        for (auto& f : fenetres) f->Notifier(3, 1, a, 1);
        // What changed is painted, as the event loop does after the sheet's notification.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_NoteTapee)->Unit(benchmark::kMillisecond);

} // namespace
