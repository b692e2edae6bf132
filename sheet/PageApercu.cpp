#include <QPainter>
#include <QRegion>

#include "ConversionsQt.h"
#include "PartiesFeuille.h"

namespace quillora {

void EncadrerPageApercu(QPainter& painter, const PageApercu& page, const EtatFeuille& etat,
                        const CouleursFeuille& couleurs) {
    const QRect feuille(QPoint(10 - etat.DecalageX, 10 - etat.DecalageY), page.taille);
    const QRect imprimable = feuille.adjusted(page.mx, page.my, -page.mx, -page.my);
    const QRect client(QPoint(0, 0), etat.TailleClient);

    // The sheet is cut at the printable area: what spilled right of it or below it is
    // covered with blank paper.
    const QColor papier = couleurQt(couleurs[3]);
    painter.fillRect(QRect(QPoint(imprimable.right() + 1, feuille.top()), feuille.bottomRight()),
                     papier);
    painter.fillRect(QRect(QPoint(feuille.left(), imprimable.bottom() + 1), feuille.bottomRight()),
                     papier);
    const QColor autour = couleurQt(couleurs[11]);
    for (const QRect& r : QRegion(client).subtracted(feuille)) painter.fillRect(r, autour);

    painter.fillRect(QRect(feuille.right() + 1, feuille.top() + 5, 5, feuille.height()), Qt::black);
    painter.fillRect(QRect(feuille.left() + 5, feuille.bottom() + 1, feuille.width(), 5),
                     Qt::black);

    painter.setBrush(Qt::NoBrush);
    if (Options.marge) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(imprimable.adjusted(0, 0, -1, -1));
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(feuille);
}

} // namespace quillora
