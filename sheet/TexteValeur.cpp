#include "TexteValeur.h"

#include <cmath>

#include "Classe.h"
#include "ConversionsQt.h"
#include "PeintreFeuille.h"

namespace quillora {

TexteColore TexteNote(std::string_view texte, const CouleursFeuille& couleurs) {
    const ValeurLue v = ValeurNote(texte);
    if (v.genre == PasUneNote) return {texteQt(texte), couleurs[12], false};
    const Couleur c = v.valeur >= Options.notemoy ? couleurs[6] : couleurs[7];
    const QString t =
        Options.arrondiN ? texteQt(FormatNote(std::nearbyint(v.valeur))) : texteQt(texte);
    return {t, c, v.valeur < 10};
}

TexteColore TexteMoyenne(double valeur, int modeArrondi, const CouleursFeuille& couleurs) {
    if (valeur == NonCalculable) return {QStringLiteral(" ?"), couleurs[8], false};
    // Judged as it is shown, as the workbook does: a 9.95 rounded to "10" is neither below a
    // pass mark of 10 nor aligned as a one-digit value.
    const Couleur c =
        SousLaMoyenne(modeArrondi, valeur, Options.notemoy) ? couleurs[9] : couleurs[8];
    return {texteQt(FormatArrondi(modeArrondi, valeur)), c,
            ValeurAffichee(modeArrondi, valeur) < 10};
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
