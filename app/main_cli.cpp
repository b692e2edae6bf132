// The program built without Qt (sanitizer builds of the model): the command-line export only.
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;

namespace {

// The decimal separator of the user's locale, read from the variables Qt reads.
char separateurLocal() {
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* v = std::getenv(var);
        if (!v || !*v) continue;
        std::setlocale(LC_NUMERIC, v);
        const char* point = std::localeconv()->decimal_point;
        const char sep = point && *point ? *point : '.';
        std::setlocale(LC_NUMERIC, "C");
        return sep;
    }
    return '.';
}

} // namespace

int main(int argc, char** argv) {
    ProtegerDescripteursStandard();
    InitOptions(OptionsDefaut);
    const Lancement l = AnalyserLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto code = ExecuterSansFenetre(l, separateurLocal())) return *code;
    std::cerr << "quillora : cette version ne contient que l'export en ligne de commande.\n";
    return 2;
}
