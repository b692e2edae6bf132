#pragma once

#include "Classe.h"

namespace quillora {

// The name column's width, in assignment columns (at least 5), that fits the widest
// student name in the sheet's font on the screen. To be computed again whenever names,
// the font or the sheet's sizes change.
int CalculerLargeurNom(const TClasse& c);

} // namespace quillora
