#pragma once

#include <string>

#include "Classe.h"

namespace quillora {

// Writes the whole class as a workbook whose formulas recompute every average from the
// grades, the coefficients and the letter table of its "Réglages" sheet. Every formula
// carries the program's own value as its cached result. `chemin` is UTF-8; the file is
// written whole or not at all.
Resultat EcrireClasseur(const TClasse& c, const std::string& chemin);

} // namespace quillora
