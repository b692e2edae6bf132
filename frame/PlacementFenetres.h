#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

namespace quillora {

// Where class windows go in the frame's area `zone`, a window's title bar (`pas`) apart.

// A new window: as large as `voulue` (its whole sheet, borders included) as far as the area
// allows, one step below and right of the window before it (`avant`, if any), and always
// wholly inside the area.
QRect PlaceNouvelleFenetre(QSize zone, QSize voulue, std::optional<QRect> avant, int pas);

// `r` moved, and shrunk if need be, to lie wholly inside the area.
QRect DansLaZone(QSize zone, QRect r);

// `nombre` windows in cascade, first to last. Each keeps two thirds of the area at least, so
// that a sheet stays readable; when they are many, the staircase starts again at the corner.
QList<QRect> PlacesEnCascade(QSize zone, int nombre, int pas);

} // namespace quillora
