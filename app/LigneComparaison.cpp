// Two states of a class compared from the command line, e.g. a class and its .bak.
#include <memory>
#include <ostream>
#include <utility>

#include "Consequences.h"
#include "LigneCommande.h"
#include "Options.h"

namespace quillora {

int ExecuterComparaison(const Lancement& l, char separateur, std::ostream& sortie,
                        std::ostream& erreurs) {
    LireOptions(FichierOptionsDe(l), separateur, false);
    const auto avant = std::make_unique<TClasse>(), apres = std::make_unique<TClasse>();
    for (const auto& [classe, chemin] :
         {std::pair{avant.get(), &l.fichier}, std::pair{apres.get(), &l.sortie}}) {
        classe->Initialiser();
        classe->NomFichier = *chemin;
        if (const Resultat r = classe->Charger(); !r) {
            erreurs << r.erreur << '\n';
            return 1;
        }
        // As every other door shows them, and as the window would.
        classe->NormaliserNoms();
    }
    sortie << TexteComparaison(*avant, *apres);
    sortie.flush();
    if (sortie) return 0;
    erreurs << "quillora : la comparaison n'a pas pu être écrite sur la sortie standard.\n";
    return 1;
}

} // namespace quillora
