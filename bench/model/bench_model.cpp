// Loading a full class and computing everything one view shows, without any cache.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "ClasseComplete.h"
#include "Classement.h"
#include "Options.h"

using namespace quillora;

namespace {

std::string fichierPlein() {
    static const std::string chemin = [] {
        const auto f = std::filesystem::temp_directory_path() /
                       ("quillora-bench-" + std::to_string(::getpid()) + ".cl3");
        ClasseComplete().SauverSous(f.string());
        return f.string();
    }();
    return chemin;
}

void Chargement(benchmark::State& state) {
    TClasse c;
    c.Initialiser();
    c.NomFichier = fichierPlein();
    for (auto _ : state) {
        const Resultat r = c.Charger();
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(Chargement)->Unit(benchmark::kMicrosecond);

// Everything the subject view of one period shows: each student's average and joker
// average, each assignment's average, the class averages.
void VueMatiere(benchmark::State& state) {
    const TClasse c = ClasseComplete();
    for (auto _ : state) {
        double total = 0;
        for (int e = 1; e <= c.NbEleve; ++e)
            total += c.Moyenne(1, 2, false, e) + c.Moyenne(1, 2, true, e);
        for (int a = 1; a <= c.NbDevoir[1][2]; ++a) total += c.MoyenneDevoir(1, 2, true, a);
        total += c.MoyenneClasse(1, 2, false) + c.MoyenneClasse(1, 2, true);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(VueMatiere)->Unit(benchmark::kMicrosecond);

// The year synthesis: each student's year average per subject and overall, and the class
// line, with the joker variant as the view shows it.
void SyntheseAnnuelle(benchmark::State& state) {
    const TClasse c = ClasseComplete();
    for (auto _ : state) {
        double total = 0;
        for (int e = 1; e <= c.NbEleve; ++e) {
            for (int s = 1; s <= c.NbMatiere; ++s) total += c.Moyenne(s, 4, true, e);
            total += c.Moyenne(4, 4, true, e);
        }
        for (int s = 1; s <= c.NbMatiere; ++s) total += c.MoyenneClasse(s, 4, true);
        total += c.MoyenneClasse(4, 4, true);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(SyntheseAnnuelle)->Unit(benchmark::kMicrosecond);

void ExportSynthese(benchmark::State& state) {
    const TClasse c = ClasseComplete();
    for (auto _ : state) benchmark::DoNotOptimize(TexteExport(c, 4, 4));
}
BENCHMARK(ExportSynthese)->Unit(benchmark::kMicrosecond);

// The year synthesis ranked, the slowest ranking the window and the command line compute.
void ClassementSynthese(benchmark::State& state) {
    const TClasse c = ClasseComplete();
    for (auto _ : state) benchmark::DoNotOptimize(TexteClassement(c, 4, 4, true));
}
BENCHMARK(ClassementSynthese)->Unit(benchmark::kMicrosecond);

void LectureDUneNote(benchmark::State& state) {
    const char* textes[] = {"12.5", "abs", "B+", "7", "disp", "20"};
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ValeurNote(textes[i++ % 6]));
}
BENCHMARK(LectureDUneNote);

} // namespace
