// One live change in the options dialog: a box of the first tab clicked, the settings read
// back from every control and the sample sheet repainted. It must feel immediate (2 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>

#include "ApercuOptions.h"
#include "Options.h"
#include "TDialOption.h"

using namespace quillora;

namespace {

void ChangementVivant(benchmark::State& state) {
    static int argc = 1;
    static char nom[] = "bench_options";
    static char* argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    InitOptions(Options);
    QTemporaryDir dossier;
    TDialOption d(nullptr, dossier.filePath(QStringLiteral("quillora.ini")), ',');
    d.show();
    QApplication::processEvents();
    QCheckBox* prenom = d.findChild<QCheckBox*>(QStringLiteral("prenom"));
    for (auto _ : state) {
        prenom->click();
        d.Apercu()->repaint();
    }
}
BENCHMARK(ChangementVivant)->Unit(benchmark::kMicrosecond);

} // namespace
