#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "Releve.h"

class QPageLayout;
class QPagedPaintDevice;

namespace quillora {

// Prints the reports onto `sortie`, the program's printer or a PDF writer, laid out for
// the paper it is set up with; each report starts on a new sheet. False when the device
// could not start or finish, or there is no report.
bool ImprimerReleves(QPagedPaintDevice& sortie, const std::vector<Releve>& releves, bool noirBlanc);

// The reports as one PDF document in memory, on pages set up as `mise`, at 300 dpi. The
// caller writes the bytes, so that a failed write never leaves half a file.
bool PdfReleves(const std::vector<Releve>& releves, bool noirBlanc, const QPageLayout& mise,
                const QString& titre, QByteArray& pdf);

// The PDF document's title: "Relevés de notes - 3A".
QString TitreReleves(const std::vector<Releve>& releves);

} // namespace quillora
