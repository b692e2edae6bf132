#include "Barre.h"

namespace quillora {

void TBarre::SetTexte(const QString& texte) {
    texte_ = texte.left(LongueurTexte);
}

void TBarre::SetLegende(const QString& legende) {
    legende_ = legende.left(LongueurTexte);
}

} // namespace quillora
