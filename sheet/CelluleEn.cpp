#include "CelluleEn.h"

#include "CurseurFeuille.h"
#include "GeometrieFeuille.h"

namespace quillora {

std::optional<Cellule> CelluleEn(const TClasse& c, const EtatFeuille& etat, QPoint point) {
    const GeometrieFeuille g = GeometrieTableau(etat);
    const double z = g.k;
    const int x = point.x() + g.DecalageX, y = point.y() + g.DecalageY;
    const Cellule cellule{
        Arrondi((y - (g.OrigineY + Arrondi(15 * z))) / (10 * z)),
        Arrondi((x - (g.OrigineX + Arrondi(20 * z * etat.LargeurNom))) / (20 * z))};
    if (!CelluleValide(c, cellule)) return std::nullopt;
    return cellule;
}

} // namespace quillora
