// Reading a class list: a full class's list from its bytes to the rows placed against a
// class, and a 10 MB file, which is refused by its size before it is read.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "ListeComplete.h"
#include "ListeImport.h"

using namespace quillora;

namespace {

void LectureListe45(benchmark::State& state) {
    const std::string octets = ListeComplete();
    TClasse classe;
    classe.Initialiser();
    for (auto _ : state) {
        const TexteListe t = DecoderListe(octets);
        const Cellules c = LireCellules(t.utf8, DetecterSeparateur(t.utf8));
        auto lignes = LignesImport(c, DevinerColonnes(c));
        Repartir(lignes, classe, true);
        benchmark::DoNotOptimize(lignes.data());
    }
}
BENCHMARK(LectureListe45)->Unit(benchmark::kMicrosecond);

void Fichier10Mo(benchmark::State& state) {
    char chemin[] = "/tmp/quillora-liste-XXXXXX";
    const int fd = mkstemp(chemin);
    const std::string bloc(1 << 20, 'x');
    for (int k = 0; k < 10; ++k)
        if (write(fd, bloc.data(), bloc.size()) < 0) state.SkipWithError("écriture");
    close(fd);
    for (auto _ : state) {
        std::string octets;
        benchmark::DoNotOptimize(LireFichierListe(chemin, octets).ok);
    }
    std::remove(chemin);
}
BENCHMARK(Fichier10Mo)->Unit(benchmark::kMicrosecond);

} // namespace
