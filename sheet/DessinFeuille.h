#pragma once

#include <QPainter>

#include "Classe.h"
#include "EtatFeuille.h"
#include "GeometrieFeuille.h"

namespace quillora {

// Paints the class's current view (`MatiereCourante`, `PeriodeCourante`) with `painter`:
// - on the window (`Impression` false, `ModeApercu` false): the table with its background
//   in `couleur3` over the whole `TailleClient`, scrolled by the state's offsets;
// - in preview (`ModeApercu` true): the printed page at `ZoomApercu`, after measuring the
//   printer again;
// - on paper (`Impression` true): the page of the device `painter` draws on, with its title.
// Returns the geometry it used, which the grade cursor's hit test converts pixels with.
GeometrieFeuille DessinerFeuille(QPainter& painter, const TClasse& c, const EtatFeuille& etat,
                                 bool Impression);

} // namespace quillora
