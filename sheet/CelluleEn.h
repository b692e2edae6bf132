#pragma once

#include <QPoint>
#include <optional>

#include "Classe.h"
#include "EtatFeuille.h"

namespace quillora {

// The cell under the window's pixel `point`, scrolled as `etat` says, in the table of the
// subject view; none elsewhere. A grade's cell is centred on its text's origin and reaches
// half a column either side, exact halves going to the even column or row.
std::optional<Cellule> CelluleEn(const TClasse& c, const EtatFeuille& etat, QPoint point);

} // namespace quillora
