#pragma once

#include <QRegion>

#include "Classe.h"
#include "EtatFeuille.h"

namespace quillora {

// What a value stored in `cellule` changes on the window, in pixels: the cell itself and
// the averages its value counts in. A grade changes its student's averages, its
// assignment's class average and the class's averages; a coefficient changes the average
// columns and, with `textebas`, its assignment's line below the table.
QRegion ZonesModifiees(const TClasse& c, const EtatFeuille& etat, Cellule cellule);

} // namespace quillora
