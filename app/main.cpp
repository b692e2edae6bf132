#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;

namespace {

// The decimal separator of the user's locale, read as Qt reads it (LC_ALL, LC_NUMERIC,
// LANG), without starting any part of Qt.
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
    InitOptions(OptionsDefaut);
    const Lancement l = AnalyserLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    switch (l.mode) {
    case ModeLancement::Version: std::cout << TexteVersion << '\n'; return 0;
    case ModeLancement::Exporter: return ExecuterExport(l, separateurLocal(), std::cout, std::cerr);
    case ModeLancement::Erreur:
        std::cerr << "quillora : " << l.erreur << "\n\n" << TexteUsage;
        return 2;
    default: std::cerr << TexteUsage; return 2;
    }
}
