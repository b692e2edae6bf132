// The grade reports of the fullest class as one PDF, from the class record to the bytes: a
// trimester (a page or two a student) and the whole year (every assignment of it).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPageLayout>
#include <sys/resource.h>

#include "ClasseComplete.h"
#include "ImpressionReleves.h"
#include "Options.h"

using namespace quillora;

namespace {

// The charts are widgets: they need the widget application, which benchmark's own main()
// does not make.
void application() {
    static int argc = 1;
    static char nom[] = "bench_releves";
    static char* argv[] = {nom, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        InitOptions(Options);
        return new QApplication(argc, argv);
    }();
    (void)app;
}

void Pdf(benchmark::State& state, int periode, bool noirBlanc) {
    application();
    const TClasse c = ClasseComplete();
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Point);
    QByteArray pdf;
    for (auto _ : state) {
        const auto releves = CalculerReleves(c, {{}, periode, true});
        if (!PdfReleves(releves, noirBlanc, a4, TitreReleves(releves), pdf))
            state.SkipWithError("PDF non écrit");
        benchmark::DoNotOptimize(pdf.data());
    }
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["Mo_PDF"] = pdf.size() / 1e6;
    state.counters["Mo_RSS_max"] = r.ru_maxrss / 1024.0;
}

void TrimestreCouleur(benchmark::State& state) {
    Pdf(state, 1, false);
}
void TrimestreNoirBlanc(benchmark::State& state) {
    Pdf(state, 1, true);
}
void Annee(benchmark::State& state) {
    Pdf(state, 4, false);
}

BENCHMARK(TrimestreCouleur)->Unit(benchmark::kMillisecond);
BENCHMARK(TrimestreNoirBlanc)->Unit(benchmark::kMillisecond);
BENCHMARK(Annee)->Unit(benchmark::kMillisecond);

} // namespace
