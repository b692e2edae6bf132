// A class list of a full class read and shown in the import preview, ready for the teacher:
// from the file's bytes to the table of rows with their remarks, painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "Classe.h"
#include "Horloge.h"
#include "ListeComplete.h"
#include "TDialImportListe.h"

using namespace quillora;

namespace {

void ApercuListe45(benchmark::State& state) {
    static int argc = 1;
    static char nom[] = "bench_import";
    static char* argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    DefinirHorloge([] { return DateHeure{2026, 12, 5, 10, 0, 0}; });
    TClasse classe;
    classe.Initialiser();
    const std::string octets = ListeComplete();
    TDialImportListe d(classe, true);
    d.show();
    QApplication::processEvents();
    for (auto _ : state) {
        d.ChargerOctets(octets, QStringLiteral("Fichier"));
        // What the new list invalidated is painted, as the event loop would.
        QApplication::processEvents();
    }
}
BENCHMARK(ApercuListe45)->Unit(benchmark::kMicrosecond);

} // namespace
