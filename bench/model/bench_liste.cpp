// Reading a class list: a full class's list from its bytes to the rows placed against a
// class, the same with names from other scripts, and a 10 MB file, which is refused by its
// size before it is read. Then the conversion every typed or pasted text goes through.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "ListeComplete.h"
#include "ListeImport.h"
#include "Transcription.h"

using namespace quillora;

namespace {

void LireListe(benchmark::State& state, const std::string& octets) {
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

void LectureListe45(benchmark::State& state) {
    LireListe(state, ListeComplete());
}
BENCHMARK(LectureListe45)->Unit(benchmark::kMicrosecond);

// Every name and first name spelt in Latin letters on the way in, each replacement told.
void LectureListe45Ecritures(benchmark::State& state) {
    const char* const noms[] = {"NGUYỄN",  "TRẦN",         "ŻÓŁKIEWSKA", "ȚURCANU", "DOĞAN",
                                "ИВАНОВА", "ΠΑΠΑΔΟΠΟΥΛΟΣ", "حداد",       "SMIRNOV"};
    const char* const prenoms[] = {"Văn",     "Thị Minh", "Łucja", "Ștefan", "Işık",
                                   "Дмитрий", "Σοφία",    "علي",   "Аня"};
    std::string s = "N°;Nom;Prénom;Né(e) le\r\n";
    for (int e = 1; e <= 45; ++e)
        s += std::to_string(e) + ";" + noms[e % 9] + ";" + prenoms[(e / 9 + e) % 9] + ";" +
             std::to_string(1 + e % 28) + "/0" + std::to_string(1 + e % 9) + "/2012\r\n";
    LireListe(state, s);
}
BENCHMARK(LectureListe45Ecritures)->Unit(benchmark::kMicrosecond);

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

// What the sheet's entry converts when a grade is validated, and what a student's name field
// converts at each key: its whole text.
void Conversion(benchmark::State& state, const char* texte) {
    for (auto _ : state) {
        const TexteConverti t = VersCp1252(texte);
        benchmark::DoNotOptimize(t.cp1252.data());
    }
}
BENCHMARK_CAPTURE(Conversion, note, "12.5");
BENCHMARK_CAPTURE(Conversion, nom_latin, "Jean-Éloïse Müller");
BENCHMARK_CAPTURE(Conversion, nom_vietnamien, "Nguyễn Thị Minh Khai");
BENCHMARK_CAPTURE(Conversion, nom_cyrillique, "Дмитрий Иванович");

} // namespace
