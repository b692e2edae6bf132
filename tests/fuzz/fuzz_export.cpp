// The export text of any loaded class, in every view it has, must keep the shape a
// spreadsheet relies on: one line per row, the same number of cells on every student's
// row, and a UTF-8 form that converts back to the very same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Classe.h"
#include "Cp1252.h"
#include "Options.h"

using namespace quillora;

namespace {

std::vector<std::string> lignes(const std::string& t) {
    std::vector<std::string> l(1);
    for (char c : t) c == '\r' ? l.emplace_back() : l.back() += c;
    return l;
}

void verifier(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static TClasse c;
    c.Initialiser();
    if (taille < 1 || !c.ChargerOctets(donnees + 1, taille - 1, "fuzz.cl3")) return 0;
    // The first byte chooses the settings that change the text's shape.
    Options = OptionsDefaut;
    Options.textebas = donnees[0] & 1;
    Options.prenom = donnees[0] & 2;
    const int E = c.NbEleve, joker = c.Joker ? 1 : 0;
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p) {
            if ((s != 4 && s > c.NbMatiere) || (p != 4 && p > c.NbPeriode)) continue;
            const std::string t = TexteExport(c, s, p);
            verifier(t.find('\n') == std::string::npos);
            verifier(Cp1252DepuisUtf8(Utf8DepuisCp1252(t)) == t);
            const auto l = lignes(t);
            // Title and heading rows, then one row per student, then the class averages; a
            // subject period's text below lists its assignments under a heading.
            const bool vue = s <= 3 && p <= 3;
            const int n = vue ? c.NbDevoir[s][p] : 0, entete = vue ? 1 : 3;
            const int cellules = vue ? n + 1 + joker : (s == 4 ? c.NbMatiere : c.NbPeriode) + 1;
            const int dessous = vue && Options.textebas ? 2 + n : 0;
            verifier(l.size() == std::size_t(entete + E + 1 + dessous));
            for (int e = 0; e < E; ++e)
                verifier(std::count(l[entete + e].begin(), l[entete + e].end(), '\t') == cellules);
        }
    return 0;
}
