#include <string>
#include <vector>

#include "ApplicationFenetre.h"
#include "LigneCommande.h"
#include "Options.h"

using namespace quillora;

int main(int argc, char** argv) {
    ProtegerDescripteursStandard();
    InitOptions(OptionsDefaut);
    const Lancement l = AnalyserLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    // The export starts no part of the window system: it is the program's fastest door.
    if (const auto code = ExecuterSansFenetre(l, SeparateurDecimal())) return *code;
    if (l.mode == ModeLancement::Pdf) return ExecuterPdf(argc, argv, l);
    if (l.mode == ModeLancement::Releves) return ExecuterReleves(argc, argv, l);
    return ExecuterFenetre(argc, argv, l);
}
