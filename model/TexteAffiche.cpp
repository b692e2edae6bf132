#include "TexteAffiche.h"

#include <cmath>

#include "Classe.h"
#include "Options.h"

namespace quillora {

TexteAffiche AfficherNote(std::string_view texte) {
    const ValeurLue v = ValeurNote(texte);
    if (v.genre == PasUneNote) return {std::string(texte), 12, false, false, false};
    const bool sous = v.valeur < Options.notemoy;
    std::string t = Options.arrondiN ? FormatNote(std::nearbyint(v.valeur)) : std::string(texte);
    return {std::move(t), sous ? 7 : 6, v.valeur < 10, sous, true};
}

TexteAffiche AfficherMoyenne(double valeur, int modeArrondi) {
    if (valeur == NonCalculable) return {" ?", 8, false, false, false};
    // Judged as it is shown, as the workbook does: a 9.95 rounded to "10" is neither below a
    // pass mark of 10 nor aligned as a one-digit value.
    const bool sous = SousLaMoyenne(modeArrondi, valeur, Options.notemoy);
    return {FormatArrondi(modeArrondi, valeur), sous ? 9 : 8,
            ValeurAffichee(modeArrondi, valeur) < 10, sous, true};
}

} // namespace quillora
