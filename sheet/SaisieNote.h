#pragma once

#include <string>
#include <string_view>

#include "Classe.h"
#include "EtatFeuille.h"

namespace quillora {

// Stores `texte` (Windows-1252), typed into `cellule` of the subject and period shown, when
// the rules of entry accept it, and says whether they did. A refusal with a reason leaves
// the range check's warning in `avertissement`; a coefficient that is no value is refused
// without one.
// - A student's cell takes any text, letters in capitals; grades must lie within
//   0..`notemax` when checks are on.
// - The coefficients' row takes a value within 0..`coefmax`.
bool EnregistrerSaisie(TClasse& c, Cellule cellule, std::string_view texte,
                       std::string& avertissement);

} // namespace quillora
