#include "SaisieNote.h"

#include "Options.h"
#include "Saisie.h"

namespace quillora {

bool EnregistrerSaisie(TClasse& c, Cellule cellule, std::string_view texte,
                       std::string& avertissement) {
    avertissement.clear();
    const int s = c.MatiereCourante, p = c.PeriodeCourante;
    if (cellule.Ligne == 0) {
        const ValeurLue lue = ValeurNote(texte);
        if (lue.genre == PasUneNote) return false;
        if (!VerifierDomaine(lue.valeur, Options.coefmax, avertissement)) return false;
        c.Devoir[s][p][cellule.Colonne].Coef = lue.valeur;
        return true;
    }
    std::string note;
    if (!AccepterNote(texte, note, avertissement)) return false;
    c.Eleve[cellule.Ligne].Note[s][p][cellule.Colonne] = note;
    return true;
}

} // namespace quillora
