#pragma once

#include <string>

namespace quillora {

// Cell addresses in A1 notation, rows and columns counted from 0 as libxlsxwriter does;
// `$` marks what stays fixed when a formula is copied.
std::string Colonne(int col);
std::string Cellule(int ligne, int col, bool ligneFixe = false, bool colFixe = false);
std::string Plage(int ligne1, int col1, int ligne2, int col2, bool fixe = false);
// A cell of another sheet, its name quoted as the spreadsheets want it.
std::string CelluleDe(const std::string& feuille, int ligne, int col);

// The formula (without "=") that rounds the average in cell `x` by rounding mode `mode`
// (0..6), giving what the sheet shows: "?" when the average is "?".
std::string FormuleArrondi(int mode, const std::string& x);

// The formula of the value a 6-byte real holds after storing `x`: 40 significant bits,
// halves away from zero. `x` is evaluated several times: keep it short.
std::string Reel48(const std::string& x);

// The formula of `x` as a double holds it. Some engines (Gnumeric) compute in extended
// precision, where an average that falls on a half tenth would round otherwise than the
// program's; in the others it changes nothing.
std::string Double(const std::string& x);

// The value a rounded average shows, as a number (NonCalculable stays so).
double ValeurArrondie(int mode, double x);

} // namespace quillora
