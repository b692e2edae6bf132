#include "Pictogrammes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillora {

QIcon IconeStatistique(PictoStat p) {
    // A 16 × 16 grid, in the colours of the frame's own buttons.
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter g(&pixmap);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor encre(30, 50, 110), rouge(190, 30, 30), vert(0, 128, 0), papier(250, 250, 250);
    g.setPen(QPen(encre, 1.2));
    switch (p) {
    case PictoStat::Ligne:
        g.setPen(QPen(encre, 1.6));
        g.drawPolyline(QPolygonF({{1, 12}, {5, 6}, {9, 10}, {15, 3}}));
        for (QPointF c : {QPointF(5, 6), QPointF(9, 10)})
            g.fillRect(QRectF(c - QPointF(1.5, 1.5), QSizeF(3, 3)), rouge);
        break;
    case PictoStat::Barres:
        g.fillRect(QRectF(2, 8, 3, 7), rouge);
        g.fillRect(QRectF(6.5, 3, 3, 12), vert);
        g.fillRect(QRectF(11, 6, 3, 9), vert);
        g.drawLine(QPointF(1, 15), QPointF(15, 15));
        break;
    case PictoStat::Tendance: {
        QPainterPath courbe;
        courbe.moveTo(1, 13);
        courbe.cubicTo(5, 1, 10, 15, 15, 3);
        g.setPen(QPen(Qt::black, 1.6));
        g.drawPath(courbe);
        break;
    }
    case PictoStat::Aide: {
        g.setBrush(encre);
        g.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont f = g.font();
        f.setBold(true);
        f.setPixelSize(11);
        g.setFont(f);
        g.setPen(papier);
        g.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case PictoStat::Imprimante:
        g.setBrush(papier);
        g.drawRect(QRectF(4.5, 1.5, 7, 5));
        g.setBrush(QColor(150, 150, 150));
        g.drawRect(QRectF(1.5, 6.5, 13, 6));
        g.setBrush(papier);
        g.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    }
    return QIcon(pixmap);
}

} // namespace quillora
