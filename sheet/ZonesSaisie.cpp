#include "ZonesSaisie.h"

#include <algorithm>

#include "GeometrieFeuille.h"
#include "Options.h"

namespace quillora {

QRegion ZonesModifiees(const TClasse& c, const EtatFeuille& etat, Cellule cellule) {
    const GeometrieFeuille g = GeometrieTableau(etat);
    const int L = etat.LargeurNom, E = c.NbEleve;
    const int n = c.NbDevoir[c.MatiereCourante][c.PeriodeCourante];
    const auto zone = [&](double x1, double y1, double x2, double y2) {
        return QRect(g.Point(x1, y1), g.Point(x2, y2) - QPoint(1, 1));
    };
    // The average columns are the last ones: everything right of them goes too, whatever
    // the joker column and the width of the values.
    const auto moyennes = [&](double y1, double y2) {
        QRect r = zone(20 * (n + L + 1) - 2, y1, 20 * (n + L + 1), y2);
        r.setRight(std::max(r.right(), etat.TailleClient.width()));
        return r;
    };
    // A cell as the edit control covered it, and an older, longer text running on.
    const double x = 20 * (cellule.Colonne + L);
    const double y = 10 * (cellule.Ligne + 1);
    QRegion r = zone(x - 1, y, x + 30, y + 15);
    if (cellule.Ligne == 0) {
        r += moyennes(20, 10 * (E + 4));
        if (Options.textebas) {
            const int ligne = 10 * (cellule.Colonne + E + 4);
            r += zone(40, ligne, 125, ligne + 10);
        }
        return r;
    }
    const int yClasse = Arrondi(10 * (E + 2.5));
    r += moyennes(y, y + 10);
    r += zone(x - 1, yClasse, x + 30, yClasse + 10);
    r += moyennes(yClasse, yClasse + 10);
    return r;
}

} // namespace quillora
