// The change log from the command line: the very lines of the log window, newest first.
#include <ostream>

#include "FichierAtomique.h"
#include "JournalReprise.h"
#include "JournalTexte.h"
#include "LigneCommande.h"

namespace quillora {

int ExecuterJournal(const Lancement& l, std::ostream& sortie, std::ostream& erreurs) {
    TClasse classe;
    classe.Initialiser();
    classe.NomFichier = l.fichier;
    if (const Resultat r = classe.Charger(); !r) {
        erreurs << r.erreur << '\n';
        return 1;
    }
    // No journal: no change recorded yet, an empty log.
    const std::string chemin = TrouverJournal(l.fichier, DossierEtatParDefaut());
    if (chemin.empty()) return 0;
    const LectureJournal lecture = LireJournal(chemin);
    if (lecture.erreur) {
        erreurs << "quillora : le journal « " << chemin << " » ne peut pas être lu. "
                << RaisonSysteme(lecture.erreur) << '\n';
        return 1;
    }
    if (!lecture.Complet())
        erreurs << "quillora : le journal « " << chemin << " » est abîmé ; "
                << lecture.taille - lecture.valides
                << " octets à sa fin n'ont pas pu être lus et ne sont pas dans ce relevé.\n";
    for (const EntreeJournal& e : EntreesJournal(lecture)) sortie << LigneTabulee(e) << '\n';
    sortie.flush();
    if (sortie) return 0;
    erreurs << "quillora : le journal n'a pas pu être écrit sur la sortie standard.\n";
    return 1;
}

} // namespace quillora
