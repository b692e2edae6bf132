// The program the teacher starts: the doors that need neither a window nor the workbook run
// here; the others are handed to the programs that hold them.
#include <iostream>
#include <string>
#include <vector>

#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;

int main(int argc, char** argv) {
    ProtegerDescripteursStandard();
    InitOptions(OptionsDefaut);
    const Lancement l = AnalyserLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto code = ExecuterSansFenetre(l, SeparateurLocal())) return *code;
    return Relayer(l, argv, std::cerr);
}
