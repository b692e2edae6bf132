#pragma once

#include <string>

#include "Classe.h"

namespace quillora {

// The table of a view as a CSV file for French spreadsheets: ";" between cells, decimal
// commas, UTF-8 with its byte order mark, lines ended by CR LF.
std::string TexteCsv(const TClasse& c, int s, int p);

// Writes that text to `chemin` (UTF-8) whole or not at all.
Resultat EcrireCsv(const TClasse& c, int s, int p, const std::string& chemin);

} // namespace quillora
