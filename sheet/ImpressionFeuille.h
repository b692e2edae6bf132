#pragma once

#include "Classe.h"

class QPrinter;

namespace quillora {

// Prints the class's current view on one page of `imprimante`, as a document titled with
// the class's file; `LargeurNom` is the name column's width of its window. False when the
// printer could not start (a file that cannot be written, for one).
bool ImprimerFeuille(QPrinter& imprimante, const TClasse& c, int LargeurNom);

} // namespace quillora
