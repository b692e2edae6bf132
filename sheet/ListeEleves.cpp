#include "ConversionsQt.h"
#include "PartiesFeuille.h"

namespace quillora {

void DessinerEleves(PeintreFeuille& f, const TClasse& c, int L) {
    f.CouleurTexte(f.Couleurs()[1]);
    for (int e = 1; e <= c.NbEleve; ++e) {
        f.EcrireTexte(10, 10 * (e + 1), QString::number(e));
        f.EcrireDecoupe(23, 10 * (e + 1), (L + 0.7) * 20, 10 * (e + 2),
                        texteQt(c.NomEleve(e, Options.prenom)));
    }
}

} // namespace quillora
