#pragma once

#include <QPrinter>
#include <QWidget>
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

// Tells the teacher how a print of `quoi` ("la feuille de notes"; empty for a chart) went:
// why it failed, or where the file went, since a file is not a sheet of paper coming out.
// Answers `ok`.
bool DireImpression(QWidget* parent, bool ok, const QString& quoi, const QString& fichier,
                    const std::string& raison);

} // namespace quillora
