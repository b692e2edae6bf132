#pragma once

#include <QPainter>
#include <QRect>

#include "Classe.h"
#include "EtatFeuille.h"
#include "GeometrieFeuille.h"
#include "Options.h"

namespace quillora {

// Whether `cellule` is one the teacher can type into in the class's subject view: an
// assignment 1..NbDevoir, a student 1..NbEleve or the coefficients' row 0.
bool CelluleValide(const TClasse& c, Cellule cellule);

// The grade cursor's mark: an L along the bottom-left corner of the cell, in the grid's
// colour, or doubled white and grey in the lines' relief style (1 sunken, 2 raised).
void DessinerCurseur(QPainter& painter, const GeometrieFeuille& g, int L, Cellule cellule,
                     int relief, Couleur trait);
// The pixels the mark covers, the relief's second L included.
QRect RectangleCurseur(const GeometrieFeuille& g, int L, Cellule cellule);

} // namespace quillora
