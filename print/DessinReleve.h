#pragma once

#include <QRectF>
#include <vector>

#include "MiseEnPageReleve.h"

class QPageLayout;
class QPainter;

namespace quillora {

class TNewGraphe;

// The text area of a page set up as `mise`, in mm from the top left corner of its
// printable area: at least 12 mm from the paper's edges, with the footer's band below it.
QRectF ZoneTexte(const QPageLayout& mise);

// Paints one page of the reports with `p`, whose origin is the top left corner of the
// printable area; millimetres become pixels by the device's resolution, so the same
// routine paints the preview and the paper. Values take the settings' colours, or black
// with `noirBlanc`; averages below the pass mark carry a sign in both. `graphe` draws the
// evolution charts.
void DessinerPageReleve(QPainter& p, const QRectF& zone, const std::vector<Releve>& releves,
                        const PageReleve& page, bool noirBlanc, TNewGraphe& graphe);

} // namespace quillora
