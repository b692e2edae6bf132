// The window program, which also holds --pdf and --releves. The program the teacher starts
// hands it those launches; run by itself, it takes every door.
#include <iostream>
#include <string>
#include <vector>

#include "ApplicationFenetre.h"
#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;

int main(int argc, char** argv) {
    ProtegerDescripteursStandard();
    PrendreCheminProgramme();
    InitOptions(OptionsDefaut);
    const Lancement l = AnalyserLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto code = ExecuterSansFenetre(l, SeparateurDecimal())) return *code;
    // The workbook's libraries are not this program's: the workbook door writes it.
    if (l.mode == ModeLancement::Tableur) return Relayer(l, argv, std::cerr);
    if (l.mode == ModeLancement::Pdf) return ExecuterPdf(argc, argv, l);
    if (l.mode == ModeLancement::Releves) return ExecuterReleves(argc, argv, l);
    return ExecuterFenetre(argc, argv, l);
}
