// The consequences panel following a coefficient typed in the subjects' dialog, on the
// fullest class: the computation and its lines put in the panel's list. Under 5 ms, so that
// the panel keeps up with typing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "ClasseComplete.h"
#include "Options.h"
#include "PanneauConsequences.h"
#include "TDial14.h"

using namespace quillora;

namespace {

void PanneauApresUnChamp(benchmark::State& state) {
    static int argc = 1;
    static char nom[] = "bench_consequences";
    static char* argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    InitOptions(Options);
    TClasse c = ClasseComplete();
    TDial14 d(c);
    d.MontrerConsequences(1, 2);
    d.show();
    QApplication::processEvents();
    QLineEdit* champ = d.Champ(1, 2);
    int i = 0;
    for (auto _ : state) {
        // Each text gives another period weight, so every student's year moves each time.
        champ->setText(QString::number(2 + (i++ % 2)));
        d.Panneau()->repaint();
    }
    state.counters["lignes"] = static_cast<double>(d.Panneau()->Lignes().size());
}
BENCHMARK(PanneauApresUnChamp)->Unit(benchmark::kMicrosecond);

} // namespace
