#include "TexteValeur.h"

#include "ConversionsQt.h"
#include "PeintreFeuille.h"
#include "TexteAffiche.h"

namespace quillora {

TexteColore TexteNote(std::string_view texte, const CouleursFeuille& couleurs) {
    const TexteAffiche a = AfficherNote(texte);
    return {texteQt(a.texte), couleurs[a.couleur], a.sousDix};
}

TexteColore TexteMoyenne(double valeur, int modeArrondi, const CouleursFeuille& couleurs) {
    const TexteAffiche a = AfficherMoyenne(valeur, modeArrondi);
    return {texteQt(a.texte), couleurs[a.couleur], a.sousDix};
}

int DecalageChiffre(const PeintreFeuille& f) {
    if (!Options.alignernb) return 0;
    return Arrondi(f.LargeurTexte(QStringLiteral("2")) / f.Geometrie().k);
}

void EcrireValeur(PeintreFeuille& f, double x, double y, const TexteColore& v, int decalage) {
    f.CouleurTexte(v.couleur);
    f.EcrireTexte(v.sousDix ? x + decalage : x, y, v.texte);
}

} // namespace quillora
