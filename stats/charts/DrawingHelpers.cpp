#include "DrawingHelpers.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quillora {

namespace {
// What a font asked for with no height gets: the usual 12-point cell on a 96 dpi screen.
constexpr int DefaultCellHeight = 16;
// Measured at a large size so that hinting does not skew the cell-to-em ratio.
constexpr int ReferencePixelSize = 200;
} // namespace

int roundHalfEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

void setCellHeight(QFont& font, int pixels) {
    if (pixels <= 0) pixels = DefaultCellHeight;
    QFont reference(font);
    reference.setPixelSize(ReferencePixelSize);
    const double cellPerEm = QFontMetricsF(reference).height() / ReferencePixelSize;
    font.setPixelSize(std::max(1, roundHalfEven(pixels / cellPerEm)));
}

void writeText(QPainter& p, int x, int y, const QString& text, const QColor& colour, HAlign h,
               VAlign v) {
    if (text.isEmpty()) return;
    const QFontMetrics fm = p.fontMetrics();
    const int width = fm.horizontalAdvance(text);
    const int left = h == HAlign::Left ? x : h == HAlign::Center ? x - width / 2 : x - width;
    const int baseline = v == VAlign::Top ? y + fm.ascent() : y - fm.descent();
    const QPen pen = p.pen();
    p.setPen(colour);
    p.drawText(left, baseline, text);
    p.setPen(pen);
}

} // namespace quillora
