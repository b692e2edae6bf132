#include "SaisieNote.h"

#include "Options.h"

namespace quillora {

namespace {

bool MemeLecture(const ValeurLue& a, const ValeurLue& b) {
    return a.genre == b.genre && (a.genre == PasUneNote || a.valeur == b.valeur);
}

// The sheet's column shows four characters, so a longer text keeps its first four; but not
// when that would change what it reads as ("12.75" is not "12.7", "1234x" is no grade while
// "1234" is): the value checked must be the value stored, and the field holds five.
std::string TexteStocke(std::string texte, const ValeurLue& lue) {
    if (texte.size() > 4 && MemeLecture(ValeurNote(std::string_view(texte).substr(0, 4)), lue))
        texte.resize(4);
    return texte;
}

} // namespace

bool EnregistrerSaisie(TClasse& c, Cellule cellule, std::string_view texte,
                       std::string& avertissement) {
    avertissement.clear();
    const int s = c.MatiereCourante, p = c.PeriodeCourante;
    const ValeurLue lue = ValeurNote(texte);
    if (cellule.Ligne == 0) {
        if (lue.genre == PasUneNote) return false;
        if (!VerifierDomaine(lue.valeur, Options.coefmax, avertissement)) return false;
        c.Devoir[s][p][cellule.Colonne].Coef = lue.valeur;
        return true;
    }
    std::string note(texte);
    if (lue.genre != PasUneNote && !VerifierDomaine(lue.valeur, Options.notemax, avertissement))
        return false;
    if (lue.genre == NoteLettre)
        for (char& ch : note)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    c.Eleve[cellule.Ligne].Note[s][p][cellule.Colonne] = TexteStocke(std::move(note), lue);
    return true;
}

} // namespace quillora
