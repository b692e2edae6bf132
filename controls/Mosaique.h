#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QMdiArea;

namespace quillora {

// `nombre` windows side by side and one under the other, rows of equal height filling the
// area `zone` exactly, the last row's windows widened to its full width. Never outside it,
// however many they are.
QList<QRect> PlacesEnMosaique(QSize zone, int nombre);

// The frame's windows that are not minimised, laid out so, in their order in the frame.
// Unlike the toolkit's own tiling, which widens the area to keep every window at its
// minimum size and so pushes the last ones out of sight.
void DisposerEnMosaique(QMdiArea* zone);

} // namespace quillora
