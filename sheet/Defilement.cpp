#include "Defilement.h"

#include <algorithm>

#include "GeometrieFeuille.h"
#include "Options.h"

namespace quillora {

namespace {

QSize Etendue(const TClasse& c, const EtatFeuille& etat) {
    if (etat.ModeApercu) return TaillePageApercu(etat.ZoomApercu) + QSize(20, 20);
    const double z = Options.zoomD;
    const int E = c.NbEleve, L = etat.LargeurNom;
    const int s = c.MatiereCourante, p = c.PeriodeCourante;
    if (s == 4 || p == 4) return {Arrondi(300 * z), Arrondi(10 * (E + 4) * z)};
    const int n = c.NbDevoir[s][p];
    int hauteur = Arrondi(10 * (E + 5) * z);
    if (Options.textebas) hauteur += Arrondi(10 * (n + 1) * z);
    if (n == 0) return {Arrondi(20 * (L + 1) * z), hauteur};
    int largeur = Arrondi(20 * z * (n + L + 3));
    if (c.Joker) largeur += Arrondi(20 * z);
    return {std::max(largeur, Arrondi(400 * z)), hauteur};
}

std::optional<int> Pas(int plage, int client) {
    const int pas = (plage - client) / 5;
    if (pas < 1 || pas > 32767) return std::nullopt;
    return pas;
}

} // namespace

Defilement CalculerDefilement(const TClasse& c, const EtatFeuille& etat) {
    const QSize e = Etendue(c, etat);
    return {e.width(), e.height(), Pas(e.width(), etat.TailleClient.width()),
            Pas(e.height(), etat.TailleClient.height())};
}

} // namespace quillora
