#pragma once

#include <string>
#include <string_view>

namespace quillora {

// Windows-1252 is the model's own text encoding; these convert at its edges.
std::string Utf8DepuisCp1252(std::string_view cp1252);
// Characters outside Windows-1252 become '?'. Malformed UTF-8 bytes are taken as
// Windows-1252 bytes, so a name typed in any encoding survives.
std::string Cp1252DepuisUtf8(std::string_view utf8);
// Unicode code point of one Windows-1252 byte.
char32_t UnicodeDeCp1252(unsigned char c);
// The byte of one code point; '?' when Windows-1252 lacks it.
char OctetCp1252(char32_t u);
// Whether a code point is text Windows-1252 holds.
bool DansCp1252(char32_t u);

// The other case of a Windows-1252 letter when the code page holds it ("é" <-> "É",
// "œ" <-> "Œ", "ÿ" <-> "Ÿ"); any other byte is returned as it is ("ß", "µ", digits).
char MajusculeCp1252(char c);
char MinusculeCp1252(char c);

// For literals of the model, written in UTF-8 in the sources.
inline std::string cp1252(std::string_view utf8) {
    return Cp1252DepuisUtf8(utf8);
}

} // namespace quillora
