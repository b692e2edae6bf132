// The class journal: what recording a grade adds to the keystroke's path, what a school
// year of use makes of the journal, and what opening a class with such a journal adds.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "ClasseComplete.h"
#include "Journal.h"
#include "JournalReprise.h"
#include "JournalTexte.h"

using namespace quillora;
namespace fs = std::filesystem;

namespace {

fs::path dossier() {
    static const fs::path d = [] {
        fs::path p = fs::temp_directory_path() / ("bench-journal-" + std::to_string(::getpid()));
        fs::create_directories(p);
        return p;
    }();
    return d;
}

// What the sheet adds once the undo history has closed a step: the record, its change-log
// lines, and handing it to the writer thread.
EnregistrementJournal enregistrement(const TClasse& c, const Historique& h) {
    EnregistrementJournal e;
    e.quand = Maintenant();
    e.nom = h.DerniereFaite().nom;
    e.contexte = h.DerniereFaite().contexte;
    e.morceaux = h.DerniereFaite().morceaux;
    e.lignes = LignesEtape(c, e.morceaux);
    return e;
}

void NoteJournalisee(benchmark::State& state) {
    auto c = std::make_unique<TClasse>(ClasseComplete());
    c->NomFichier = (dossier() / "saisie.cl3").string();
    Journal j;
    std::string raison;
    if (!j.Ouvrir(c->NomFichier + ".journal", raison)) state.SkipWithError(raison.c_str());
    Historique h;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        h.Debut(*c, "la saisie de la note", {});
        c->Eleve[1 + i % 45].Note[1][1][1 + i % 24] = std::to_string(100 + i % 900);
        h.Fin(*c);
        ++i;
        state.ResumeTiming();
        j.Ajouter(enregistrement(*c, h));
    }
    j.Fermer();
}
BENCHMARK(NoteJournalisee)->Unit(benchmark::kMicrosecond);

// A school year on the fullest class: 10,000 grades and 300 other steps (50 sorts of the
// whole class, coefficients), saved every 40 steps or so, through the real writer.
const std::string& journalAnnee(std::size_t* octetsSansCompaction = nullptr) {
    static std::size_t brut = 0;
    static const std::string chemin = [] {
        auto c = std::make_unique<TClasse>(ClasseComplete());
        c->NomFichier = (dossier() / "annee.cl3").string();
        c->Sauver();
        const std::string journal = c->NomFichier + ".journal";
        Journal j;
        std::string raison;
        j.Ouvrir(journal, raison);
        EnregistrementJournal creation;
        creation.genre = GenreEnregistrement::Creation;
        creation.somme = SommeImage(*c);
        j.Ajouter(creation);
        Historique h;
        for (int i = 0; i < 10300; ++i) {
            if (i % 206 == 205) {
                h.Debut(*c, "le tri des élèves", {});
                // Reversed, so that the sort moves every row.
                for (int e = 1; e <= 22; ++e) std::swap(c->Eleve[e], c->Eleve[46 - e]);
            } else if (i % 206 == 100 || i % 206 == 150) {
                h.Debut(*c, "la saisie du coefficient", {});
                c->Devoir[1][1 + i % 3][1 + i % 24].Coef = 1 + i % 4;
            } else {
                h.Debut(*c, "la saisie de la note", {});
                c->Eleve[1 + i % 45].Note[1 + i % 3][1 + i / 3 % 3][1 + i % 24] =
                    std::to_string(i % 21);
            }
            if (!h.Fin(*c)) continue;
            const EnregistrementJournal e = enregistrement(*c, h);
            brut += EncoderEnregistrement(e).size();
            j.Ajouter(e);
            if (i % 40 == 39) {
                c->Sauver();
                EnregistrementJournal s;
                s.genre = GenreEnregistrement::Sauvegarde;
                s.somme = SommeImage(*c);
                s.chemin = c->NomFichier;
                j.Ajouter(s);
                // A session's steps reach the disk before the next session's.
                j.Attendre();
            }
        }
        j.Fermer();
        return c->NomFichier;
    }();
    if (octetsSansCompaction) *octetsSansCompaction = brut;
    return chemin;
}

void JournalDUneAnnee(benchmark::State& state) {
    std::size_t brut = 0;
    const std::string& classe = journalAnnee(&brut);
    for (auto _ : state) benchmark::DoNotOptimize(fs::file_size(classe + ".journal"));
    state.counters["octets"] = static_cast<double>(fs::file_size(classe + ".journal"));
    state.counters["octetsSansCompaction"] = static_cast<double>(brut);
    state.counters["lignes"] =
        static_cast<double>(EntreesJournal(LireJournal(classe + ".journal")).size());
}
BENCHMARK(JournalDUneAnnee)->Unit(benchmark::kMillisecond)->Iterations(1);

// Opening the class: reading its file, then what the journal adds (finding it, reading and
// checking every record, finding what follows the last mark).
void Ouverture(benchmark::State& state) {
    const std::string& chemin = journalAnnee();
    const bool avecJournal = state.range(0) != 0;
    auto c = std::make_unique<TClasse>();
    for (auto _ : state) {
        c->NomFichier = chemin;
        c->Charger();
        if (!avecJournal) continue;
        const std::uint32_t somme = SommeImage(*c);
        const JournalPrepare p =
            PreparerJournal(TrouverJournal(chemin, DossierEtatParDefaut()), "annee.cl3");
        const EtatReprise r = AnalyserReprise(p.lecture);
        benchmark::DoNotOptimize(somme == r.somme);
    }
}
BENCHMARK(Ouverture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
