#pragma once

#include "Options.h"

namespace quillora {

// The twelve colours of the settings, indexed 1 to 12 like `couleur1`..`couleur12`.
using CouleursFeuille = Tab1<Couleur, 12>;

// The colours of one paint. On paper, and in the preview that shows paper, the background
// is white, and black-and-white printing turns every colour black but that of the
// preview's surroundings (11). The settings themselves are left alone.
inline CouleursFeuille CouleursDuDessin(bool papier) {
    CouleursFeuille c = Options.couleur;
    if (!papier) return c;
    if (Options.noirblanc)
        for (int i = 1; i <= 12; ++i)
            if (i != 11) c[i] = 0x000000;
    c[3] = 0xFFFFFF;
    return c;
}

} // namespace quillora
