#pragma once

#include <string>
#include <string_view>

#include "Horloge.h"

namespace quillora {

// The rules a typed value follows, wherever it is typed: on the sheet or in a dialog.

// A typed grade: any text is a grade, but a number or a letter must lie within 0..notemax
// when checks are on (false, with the range check's warning). `note` is what the record
// keeps: letters in capitals, and no more than four characters unless dropping the fifth
// would change what the text reads as.
bool AccepterNote(std::string_view texte, std::string& note, std::string& avertissement);

// An assignment's coefficient typed in a dialog must be a number within 0..coefmax.
enum class Coefficient { Accepte, PasUnNombre, HorsDomaine };
Coefficient LireCoefficient(std::string_view texte, double& coef, std::string& avertissement);
extern const char* const TexteCoefficientPasUnNombre;
// A subject's coefficient follows the same rule, and is never negative, checks on or off: a
// negative weight turns the general averages into nonsense. 0 leaves the subject out.
Coefficient LireCoefficientMatiere(std::string_view texte, double& coef,
                                   std::string& avertissement);

// A French teacher types a decimal comma. In a field that takes a number, a comma typed is
// the decimal point when the field's text with a point in its place, `avecPoint`, is a
// number being written: blanks, a sign, digits, one point, digits. So "12," becomes "12.",
// but a comma after a letter ("B,") or after a point stays a comma.
bool VirguleDecimale(std::string_view avecPoint);

// An assignment's date as the new-assignment field proposes it, `decalage` days after
// `jour`: "sam. 5 déc." (Windows-1252).
std::string TexteDateDevoir(const DateHeure& jour, int decalage);

} // namespace quillora
