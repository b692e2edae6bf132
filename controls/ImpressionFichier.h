#pragma once

#include <QPrinter>
#include <functional>
#include <string>

namespace quillora {

// Prints with `peindre`, which begins and ends its own painter on the printer it is given
// and answers whether that went well. A printer that writes a file (a PDF) makes the
// document in memory first, then puts it in place of the old file whole: a print that fails
// leaves the old file, one that is interrupted leaves no half file. False, with the French
// reason in `raison`, when nothing was printed.
bool ImprimerDocument(QPrinter& imprimante, const std::function<bool(QPrinter&)>& peindre,
                      std::string& raison);

} // namespace quillora
