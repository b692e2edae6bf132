#pragma once

#include <array>
#include <string>
#include <vector>

#include "Classe.h"

namespace quillora {

// The ages list: name, birth date and age of every student, eldest first, those without a
// usable birth date last with "??" (Windows-1252, today from the program's clock).
using LigneAge = std::array<std::string, 3>;
std::vector<LigneAge> ListeAges(const TClasse& c);

// This month's birthdays, one sentence per student in number order, or the one line saying
// there is none.
std::vector<std::string> AnniversairesDuMois(const TClasse& c);

// "décembre 2026": the month and year of today.
std::string MoisEnCours();

} // namespace quillora
