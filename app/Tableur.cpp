#include <ostream>

#include "Classeur.h"
#include "LigneCommande.h"

namespace quillora {

int ExecuterTableur(const Lancement& l, char separateur, std::ostream& erreurs) {
    if (const int code = VerifierSortie(l, erreurs)) return code;
    TClasse classe;
    if (const int code = PreparerClasse(l, separateur, classe, erreurs)) return code;
    if (const Resultat r = EcrireClasseur(classe, l.sortie); !r) {
        erreurs << r.erreur << '\n';
        return 1;
    }
    return 0;
}

} // namespace quillora
