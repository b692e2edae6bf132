// What the consequences panel does after each field typed, on the fullest class: the class
// copied, the field applied, every student's averages and ranks in the four views compared
// before and after, and the lines written. It must follow typing: under 5 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "ClasseComplete.h"
#include "Consequences.h"
#include "Options.h"

using namespace quillora;

namespace {

void Recalcul(benchmark::State& state, void (*changer)(TClasse&, TOptions&)) {
    const TClasse avant = ClasseComplete();
    const auto apres = std::make_unique<TClasse>();
    const std::vector<VueMoyenne> vues = VuesConcernees(1, 2);
    std::size_t lignes = 0;
    for (auto _ : state) {
        apres->Image() = avant.Image();
        TOptions options = Options;
        changer(*apres, options);
        const auto liste = Consequences({avant, Options}, {*apres, options}, vues);
        std::string texte = ResumeConsequences(liste);
        for (const Consequence& x : liste) texte += LigneConsequence(avant, x, ',');
        lignes = liste.size();
        benchmark::DoNotOptimize(texte);
    }
    state.counters["lignes"] = static_cast<double>(lignes);
}

// An assignment's coefficient: every student of the period moves.
void CoefficientDUnDevoir(benchmark::State& state) {
    Recalcul(state, [](TClasse& c, TOptions&) { c.Devoir[1][2][5].Coef = 4; });
}
BENCHMARK(CoefficientDUnDevoir)->Unit(benchmark::kMicrosecond);

// A letter's value: the settings in force change too while each state is read.
void ValeurDUneLettre(benchmark::State& state) {
    Recalcul(state, [](TClasse&, TOptions& o) { o.cores[2].coresV = 12; });
}
BENCHMARK(ValeurDUneLettre)->Unit(benchmark::kMicrosecond);

} // namespace
