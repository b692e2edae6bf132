#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Classe.h"

namespace quillora {

// A list of students as the school's software or a spreadsheet exports it (CSV, TSV, or
// rows copied to the clipboard), read into rows of cells.

// Larger than any class list can be: a bigger file is refused before it is read.
inline constexpr std::size_t TailleMaxListe = 1024 * 1024;

// Reads a list file whole: a regular file of at most `TailleMaxListe` bytes. A FIFO, a device
// or a larger file is refused before anything is read from it.
Resultat LireFichierListe(const std::string& chemin, std::string& octets);

enum class Encodage { Utf8, Utf16, Cp1252, Iso885915 };
const char* NomEncodage(Encodage e);

struct TexteListe {
    std::string utf8;
    Encodage encodage = Encodage::Utf8;
};
// Byte order marks first, then strict UTF-8, then the detector's choice among the Western
// single-byte encodings.
TexteListe DecoderListe(std::string_view octets);

using Cellules = std::vector<std::vector<std::string>>; // rows of UTF-8 cells

// ';', ',' or '\t': the one that cuts the most rows into the same number of columns.
char DetecterSeparateur(std::string_view utf8);
// Quoted fields may hold the separator, doubled quotes and line breaks. Blank rows are left
// out; cells are trimmed.
Cellules LireCellules(std::string_view utf8, char separateur);
// A cell's text as the reader gives it: control characters and line breaks inside quoted
// fields become spaces, runs of spaces one space, and the ends are trimmed.
std::string NettoyerCellule(std::string_view s);

} // namespace quillora
