// Writing the workbook of the fullest class, as the menu and --tableur do, file included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "ClasseComplete.h"
#include "Classeur.h"
#include "Options.h"

using namespace quillora;

namespace {

void Classeur(benchmark::State& state) {
    const TClasse c = ClasseComplete();
    const std::string chemin = std::filesystem::temp_directory_path() /
                               ("quillora-bench-" + std::to_string(::getpid()) + ".xlsx");
    for (auto _ : state) {
        const Resultat r = EcrireClasseur(c, chemin);
        if (!r) state.SkipWithError(r.erreur.c_str());
    }
    std::filesystem::remove(chemin);
}
BENCHMARK(Classeur)->Unit(benchmark::kMillisecond);

} // namespace
