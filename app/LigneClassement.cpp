// The ranking from the command line: the very text of the ranking dialog's clipboard button.
#include <ostream>

#include "Classement.h"
#include "Cp1252.h"
#include "LigneCommande.h"

namespace quillora {

int ExecuterClassement(const Lancement& l, char separateur, std::ostream& sortie,
                       std::ostream& erreurs) {
    TClasse classe;
    if (const int code = PreparerClasse(l, separateur, classe, erreurs)) return code;
    std::string texte = Utf8DepuisCp1252(
        TexteClassement(classe, classe.MatiereCourante, classe.PeriodeCourante, l.sansAbsents));
    // Every line, the last one included, already ends with its CR.
    for (char& c : texte)
        if (c == '\r') c = '\n';
    sortie << texte;
    sortie.flush();
    if (sortie) return 0;
    erreurs << "quillora : le classement n'a pas pu être écrit sur la sortie standard.\n";
    return 1;
}

} // namespace quillora
