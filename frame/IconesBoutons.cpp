#include "IconesBoutons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillora {

namespace {

// Drawn on a 16 × 16 grid, in the dark blue and grey of the button bar.
QPixmap dessiner(Pictogramme p) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter g(&pixmap);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor encre(30, 50, 110), gris(150, 150, 150), papier(250, 250, 250);
    g.setPen(QPen(encre, 1.2));
    switch (p) {
    case Pictogramme::Disquette:
        g.setBrush(encre);
        g.drawRect(QRectF(2, 2, 12, 12));
        g.setBrush(papier);
        g.drawRect(QRectF(4.5, 2, 7, 5));
        g.fillRect(QRectF(4, 10, 8, 4), gris);
        break;
    case Pictogramme::Imprimante:
        g.setBrush(papier);
        g.drawRect(QRectF(4.5, 1.5, 7, 5));
        g.setBrush(gris);
        g.drawRect(QRectF(1.5, 6.5, 13, 6));
        g.setBrush(papier);
        g.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case Pictogramme::Fermer:
        g.setPen(QPen(QColor(170, 30, 30), 2.2));
        g.drawLine(QPointF(4, 4), QPointF(12, 12));
        g.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case Pictogramme::NouveauDevoir:
        // A sheet of paper and the green cross of something added.
        g.setBrush(papier);
        g.drawRect(QRectF(1.5, 1.5, 9, 12));
        g.setPen(QPen(QColor(30, 130, 50), 2.2));
        g.drawLine(QPointF(12, 8), QPointF(12, 15));
        g.drawLine(QPointF(8.5, 11.5), QPointF(15.5, 11.5));
        break;
    case Pictogramme::Suivante:
        g.setBrush(papier);
        g.drawRect(QRectF(1.5, 1.5, 9, 8));
        g.drawRect(QRectF(5.5, 5.5, 9, 8));
        break;
    case Pictogramme::Matiere:
        for (int i = 0; i < 3; ++i) {
            g.fillRect(QRectF(2, 3 + 4 * i, 2, 2), encre);
            g.drawLine(QPointF(6, 4 + 4 * i), QPointF(14, 4 + 4 * i));
        }
        break;
    case Pictogramme::Periode:
        g.setBrush(papier);
        g.drawRect(QRectF(1.5, 2.5, 13, 12));
        g.fillRect(QRectF(1.5, 2.5, 13, 3), QColor(170, 30, 30));
        for (int i = 0; i < 3; ++i) g.fillRect(QRectF(3.5 + 4 * i, 8, 2, 2), encre);
        break;
    case Pictogramme::Apercu:
        g.setBrush(papier);
        g.drawRect(QRectF(2.5, 1.5, 9, 12));
        g.setBrush(Qt::NoBrush);
        g.drawEllipse(QRectF(7, 7, 5, 5));
        g.drawLine(QPointF(11.5, 11.5), QPointF(14.5, 14.5));
        break;
    case Pictogramme::FinLigne:
    case Pictogramme::FinPage: {
        g.setBrush(encre);
        QPainterPath fleche;
        fleche.moveTo(3, 3);
        fleche.lineTo(11, 8);
        fleche.lineTo(3, 13);
        fleche.closeSubpath();
        if (p == Pictogramme::FinPage) g.translate(16, 0), g.rotate(90);
        g.drawPath(fleche);
        g.drawLine(QPointF(13, 3), QPointF(13, 13));
        break;
    }
    }
    return pixmap;
}

} // namespace

QIcon IconeBouton(const char* nomTheme, Pictogramme repli) {
    const QString nom = QLatin1String(nomTheme);
    if (QIcon::hasThemeIcon(nom)) return QIcon::fromTheme(nom);
    return QIcon(dessiner(repli));
}

} // namespace quillora
