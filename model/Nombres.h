#pragma once

#include <string>
#include <string_view>

namespace quillora {

// Reads the whole of `t` as a decimal number: leading blanks, an optional sign, digits with
// an optional fraction after `separateur`, an optional exponent ("E" or "e"), and nothing
// after. Independent of the C library's locale.
bool LireDecimal(std::string_view t, char separateur, double& valeur);

// Reads the whole of `t` as a decimal integer (optional sign, or "$"/"0x" hexadecimal).
bool LireEntier(std::string_view t, long long& valeur);

// A real in the general format of the settings file: up to 15 significant digits, fixed
// notation unless the number is very large or very small, `separateur` as decimal point.
std::string EcrireReelGeneral(double x, char separateur);

} // namespace quillora
