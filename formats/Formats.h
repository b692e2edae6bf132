#pragma once

#include <string>
#include <string_view>

#include "ArchiveZip.h"
#include "Classe.h"
#include "Horloge.h"
#include "ListeFichier.h"
#include "Options.h"

namespace quillora {

// The formats of the outside world that need libraries of their own: the workbook
// (libxlsxwriter), the mail's zip archive (libzip) and the class lists (uchardet, libcsv).
// The window program loads them the first time the teacher uses one, not at its start:
// their loading, OpenSSL's above all, cost the start a tenth of its time.

// The module holds a model of its own, kept apart from the program's so that neither
// disturbs the other: what it must share, the settings and the clock, it is handed at each
// call.
struct EtatProgramme {
    const TOptions* options;
    DateHeure (*maintenant)();
};
inline EtatProgramme EtatCourant() {
    return {&Options, &Maintenant};
}

struct Formats {
    int version;
    Resultat (*EcrireClasseur)(const EtatProgramme& etat, const TClasse& c,
                               const std::string& chemin);
    ResultatArchive (*Archiver)(const std::string& avant,
                                const std::vector<FichierArchive>& fichiers, SuiviArchive& suivi,
                                std::string& apres);
    TexteListe (*DecoderListe)(std::string_view octets);
    char (*DetecterSeparateur)(std::string_view utf8);
    Cellules (*LireCellules)(std::string_view utf8, char separateur);
};

// Changes whenever the table above does: a module of another build is refused.
inline constexpr int VersionFormats = 1;

// The name of the function the module exports, which gives its table.
inline constexpr const char* EntreeFormats = "quillora_formats";

// The table, loaded at the first call; null when the module cannot be loaded, `raison` then
// saying why in French.
const Formats* ChargerFormats(std::string& raison);

} // namespace quillora
