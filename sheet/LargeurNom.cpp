#include "LargeurNom.h"

#include <QFontMetrics>
#include <algorithm>

#include "ConversionsQt.h"
#include "GeometrieFeuille.h"
#include "PoliceFeuille.h"

namespace quillora {

int CalculerLargeurNom(const TClasse& c) {
    const QFontMetrics m(
        PoliceFeuille(PixelsPolice(Arrondi(6 * Options.zoomP), ResolutionEcran), Options.polstyle));
    int w = 0;
    for (int e = 1; e <= c.NbEleve; ++e)
        w = std::max(w, m.horizontalAdvance(texteQt(c.NomEleve(e, Options.prenom))));
    // Names start 23 units in. Those 23 are added to the width in pixels, before it becomes
    // grid units: that is how the column has always been sized, and teachers know it so.
    const int largeur = Arrondi(Arrondi((w + 23) / Options.zoomD) / 20.0 + 0.7);
    return std::max(largeur, 5);
}

} // namespace quillora
