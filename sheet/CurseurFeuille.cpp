#include "CurseurFeuille.h"

#include "ConversionsQt.h"

namespace quillora {

namespace {

// The corner of the L: just left of the cell's grade, on the bottom of its row.
QPoint Coin(const GeometrieFeuille& g, int L, Cellule c) {
    return g.Point((L + c.Colonne - 0.1) * 20, (c.Ligne + 2) * 10);
}

void TracerL(QPainter& painter, QPoint coin, int hauteur, int largeur, Couleur couleur) {
    painter.setPen(QPen(couleurQt(couleur), 1));
    painter.drawLine(coin - QPoint(0, hauteur), coin);
    // The foot stops one pixel short, as a line to a point always did.
    painter.drawLine(coin, coin + QPoint(largeur - 1, 0));
}

} // namespace

bool CelluleValide(const TClasse& c, Cellule cellule) {
    const int s = c.MatiereCourante, p = c.PeriodeCourante;
    if (s < 1 || s > 3 || p < 1 || p > 3) return false;
    return cellule.Colonne >= 1 && cellule.Colonne <= c.NbDevoir[s][p] && cellule.Ligne >= 0 &&
           cellule.Ligne <= c.NbEleve;
}

void DessinerCurseur(QPainter& painter, const GeometrieFeuille& g, int L, Cellule cellule,
                     int relief, Couleur trait) {
    constexpr Couleur blanc = 0xFFFFFF, gris = 0x808080;
    const QPoint coin = Coin(g, L, cellule);
    const int hauteur = Arrondi(7.5 * g.k), largeur = Arrondi(15 * g.k);
    const QPoint decale(1, 1);
    switch (relief) {
    case 1:
        TracerL(painter, coin, hauteur, largeur, blanc);
        TracerL(painter, coin - decale, hauteur, largeur, gris);
        break;
    case 2:
        TracerL(painter, coin, hauteur, largeur, gris);
        TracerL(painter, coin - decale, hauteur, largeur, blanc);
        break;
    default:
        TracerL(painter, coin, hauteur, largeur, trait);
        break;
    }
}

QRect RectangleCurseur(const GeometrieFeuille& g, int L, Cellule cellule) {
    const QPoint coin = Coin(g, L, cellule);
    const int hauteur = Arrondi(7.5 * g.k), largeur = Arrondi(15 * g.k);
    return QRect(coin - QPoint(1, hauteur + 1), coin + QPoint(largeur - 1, 0));
}

} // namespace quillora
