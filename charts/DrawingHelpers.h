#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QPolygon;

namespace quillora {

// Every length of the chart and table layouts rounds this way: to the nearest integer, halves
// to even.
int roundHalfEven(double x);

// The controls size their fonts the way the grade book always has: by the height of the whole
// character cell (ascent + descent) in pixels of the surface drawn on, not by the em size.
// A height of zero or less asks for the surface's default size.
void setCellHeight(QFont& font, int pixels);

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Bottom };

// Writes text in the painter's font and the given colour, with (x, y) as its reference point:
// its left edge, centre or right edge horizontally, the top or bottom of its cell vertically.
// The painter's pen comes back unchanged.
void writeText(QPainter& p, int x, int y, const QString& text, const QColor& colour,
               HAlign h = HAlign::Left, VAlign v = VAlign::Top);

// Draws what a one-pixel pen and a brush would for the rectangle r: its edges on r's left, top,
// right() + 1 and bottom() + 1 lines, and the inside filled. Long one-pixel edges cost a page-sized
// image three times less filled than stroked.
void drawBox(QPainter& p, const QRect& r, const QBrush& fill, const QColor& edge);

// The control's own background over its whole W × H rectangle, outlined in `ink` when
// `outline` is set, then the pen left solid in `ink` for what follows. In black and white the
// background is not filled at all.
void drawBackground(QPainter& p, int W, int H, const QColor& ink, const QColor& background,
                    bool outline, bool blackAndWhite);

// Joins the points by straight segments in the painter's pen. A wide pen strokes a polyline as
// one path with joins, which costs five times as much on a page-sized image as the segments one
// by one; at the widths used here the joins do not show.
void drawSegments(QPainter& p, const QPolygon& points);

} // namespace quillora
