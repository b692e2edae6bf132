// The module the window program loads on demand (see Formats.h): its table of entry points.
#include "Classeur.h"
#include "Formats.h"

namespace quillora {

namespace {

Resultat ecrireClasseur(const EtatProgramme& etat, const TClasse& c, const std::string& chemin) {
    Options = *etat.options;
    DefinirHorloge(etat.maintenant);
    return EcrireClasseur(c, chemin);
}

} // namespace

} // namespace quillora

extern "C" __attribute__((visibility("default"))) const quillora::Formats* quillora_formats() {
    using namespace quillora;
    static const Formats table{VersionFormats, &ecrireClasseur,     &Archiver,
                               &DecoderListe,  &DetecterSeparateur, &LireCellules};
    return &table;
}
