#include "GeometrieFeuille.h"

#include "Classe.h"
#include "Options.h"
#include "PoliceFeuille.h"

namespace quillora {

int GeometrieFeuille::HauteurPolice(double n) const {
    return PixelsPolice(Arrondi(n * kt), resolution);
}

QSize TaillePageApercu(double zoom) {
    const double r = RapportEcranImprimante * zoom;
    return {Arrondi(LargeurPage * r), Arrondi(HauteurPage * r)};
}

PageApercu MesurerPageApercu(double zoom, int largeurImprimable, int hauteurImprimable) {
    const double r = RapportEcranImprimante * zoom;
    PageApercu page;
    page.taille = TaillePageApercu(zoom);
    page.mx = Arrondi((LargeurPage - largeurImprimable) * r / 2);
    page.my = Arrondi((HauteurPage - hauteurImprimable) * r / 2);
    return page;
}

GeometrieFeuille GeometrieTableau(const EtatFeuille& etat) {
    GeometrieFeuille g;
    g.k = Options.zoomD;
    g.kt = Options.zoomP;
    g.DecalageX = etat.DecalageX;
    g.DecalageY = etat.DecalageY;
    g.resolution = ResolutionEcran;
    return g;
}

GeometrieFeuille GeometrieApercu(const EtatFeuille& etat, const PageApercu& page) {
    GeometrieFeuille g;
    g.k = Options.zoomD * etat.ZoomApercu;
    g.kt = Options.zoomP * etat.ZoomApercu;
    // The page lies 10 pixels in from the window's corner; the sheet starts at its
    // printable area, below a 30-unit band kept for the title.
    g.OrigineX = page.mx + 10;
    g.OrigineY = page.my + 10 + Arrondi(30 * g.k);
    g.DecalageX = etat.DecalageX;
    g.DecalageY = etat.DecalageY;
    g.resolution = ResolutionEcran;
    return g;
}

GeometrieFeuille GeometrieImpression(int resolutionImprimante) {
    GeometrieFeuille g;
    const double r = static_cast<double>(ResolutionEcran) / resolutionImprimante;
    g.k = Options.kd * Options.zoomD / r;
    g.kt = Options.kp * Options.zoomP;
    g.OrigineY = Arrondi(30 * g.k);
    g.resolution = resolutionImprimante;
    return g;
}

} // namespace quillora
