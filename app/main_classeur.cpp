// The workbook door, in a program of its own: only it loads the workbook's libraries.
#include <iostream>
#include <string>
#include <vector>

#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;

int main(int argc, char** argv) {
    ProtegerDescripteursStandard();
    PrendreCheminProgramme();
    InitOptions(OptionsDefaut);
    const Lancement l = AnalyserLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    if (l.mode == ModeLancement::Tableur) return ExecuterTableur(l, SeparateurLocal(), std::cerr);
    if (const auto code = ExecuterSansFenetre(l, SeparateurLocal())) return *code;
    return Relayer(l, argv, std::cerr);
}
