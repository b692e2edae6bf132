#include "DrawingHelpers.h"

#include <QFontMetricsF>
#include <QLine>
#include <QPainter>
#include <QPolygon>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace quillora {

namespace {
// What a font asked for with no height gets: the usual 12-point cell on a 96 dpi screen.
constexpr int DefaultCellHeight = 16;
// Measured at a large size so that hinting does not skew the cell-to-em ratio.
constexpr int ReferencePixelSize = 200;
} // namespace

// A bar far above its scale lands far off the surface: clamped, it cannot overflow an int.
int roundHalfEven(double x) {
    constexpr double Limit = 1e9;
    return static_cast<int>(std::clamp(std::nearbyint(x), -Limit, Limit));
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

void drawBox(QPainter& p, const QRect& r, const QBrush& fill, const QColor& edge) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    p.fillRect(x + 1, y + 1, w - 1, h - 1, fill);
    p.fillRect(x, y, w + 1, 1, edge);
    p.fillRect(x, y + h, w + 1, 1, edge);
    p.fillRect(x, y, 1, h + 1, edge);
    p.fillRect(x + w, y, 1, h + 1, edge);
}

void drawSegments(QPainter& p, const QPolygon& points) {
    QVarLengthArray<QLine, 256> segments;
    for (qsizetype i = 1; i < points.size(); ++i) segments.append(QLine(points[i - 1], points[i]));
    p.drawLines(segments.constData(), static_cast<int>(segments.size()));
}

void drawBackground(QPainter& p, int W, int H, const QColor& ink, const QColor& background,
                    bool outline, bool blackAndWhite) {
    QPen pen(ink, 1, outline ? Qt::SolidLine : Qt::NoPen);
    p.setPen(pen);
    p.setBrush(blackAndWhite ? QBrush(Qt::NoBrush) : QBrush(background));
    if (outline)
        p.drawRect(0, 0, W - 1, H - 1);
    else
        p.fillRect(0, 0, W, H, p.brush());
    pen.setStyle(Qt::SolidLine);
    p.setPen(pen);
}

} // namespace quillora
