#pragma once

#include <optional>

#include "Classe.h"
#include "EtatFeuille.h"

namespace quillora {

// The extent of the painted sheet, in pixels, for the window's scroll bars: a bar's maximum
// is its range less the client size (never below 0). A bar's step changes only when the
// new one is given.
struct Defilement {
    int largeur = 0;
    int hauteur = 0;
    std::optional<int> pasHorizontal;
    std::optional<int> pasVertical;
};

// To be applied after every screen paint.
Defilement CalculerDefilement(const TClasse& c, const EtatFeuille& etat);

} // namespace quillora
