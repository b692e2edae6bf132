#include "Saisie.h"

#include <chrono>

#include "Classe.h"
#include "Nombres.h"
#include "Options.h"

namespace quillora {

namespace {

bool MemeLecture(const ValeurLue& a, const ValeurLue& b) {
    return a.genre == b.genre && (a.genre == PasUneNote || a.valeur == b.valeur);
}

} // namespace

bool AccepterNote(std::string_view texte, std::string& note, std::string& avertissement) {
    avertissement.clear();
    const ValeurLue lue = ValeurNote(texte);
    if (lue.genre != PasUneNote && !VerifierDomaine(lue.valeur, Options.notemax, avertissement))
        return false;
    note.assign(texte);
    if (lue.genre == NoteLettre)
        for (char& ch : note)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    // The sheet's column shows four characters, so a longer text keeps its first four; but not
    // when that would change what it reads as ("12.75" is not "12.7", "1234x" is no grade while
    // "1234" is): the value checked must be the value stored, and the field holds five.
    if (note.size() > 4 && MemeLecture(ValeurNote(std::string_view(note).substr(0, 4)), lue))
        note.resize(4);
    return true;
}

const char* const TexteCoefficientPasUnNombre = "Le coefficient doit \xEAtre un nombre";

Coefficient LireCoefficient(std::string_view texte, double& coef, std::string& avertissement) {
    avertissement.clear();
    double v;
    if (!LireDecimal(texte, '.', v)) return Coefficient::PasUnNombre;
    if (!VerifierDomaine(v, Options.coefmax, avertissement)) return Coefficient::HorsDomaine;
    coef = v;
    return Coefficient::Accepte;
}

Coefficient LireCoefficientMatiere(std::string_view texte, double& coef,
                                   std::string& avertissement) {
    double v = 0;
    const Coefficient r = LireCoefficient(texte, v, avertissement);
    if (r == Coefficient::Accepte && v < 0) {
        avertissement = TexteHorsDomaine(v, Options.coefmax);
        return Coefficient::HorsDomaine;
    }
    if (r == Coefficient::Accepte) coef = v;
    return r;
}

bool VirguleDecimale(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int points = 0;
    for (; i < t.size(); ++i) {
        if (t[i] == '.')
            ++points;
        else if (t[i] < '0' || t[i] > '9')
            return false;
    }
    return points == 1;
}

std::string TexteDateDevoir(const DateHeure& jour, int decalage) {
    using namespace std::chrono;
    static const char* const jours[] = {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."};
    static const char* const mois[] = {"jan.",
                                       "f\xE9v.",
                                       "mars",
                                       "avr.",
                                       "mai",
                                       "juin",
                                       "jui.",
                                       "aout",
                                       "sept.",
                                       "oct.",
                                       "nov.",
                                       "d\xE9"
                                       "c."};
    const sys_days d = sys_days(year(jour.annee) / month(static_cast<unsigned>(jour.mois)) /
                                day(static_cast<unsigned>(jour.jour))) +
                       days(decalage);
    const year_month_day ymd(d);
    return std::string(jours[weekday(d).c_encoding()]) + " " +
           std::to_string(static_cast<unsigned>(ymd.day())) + " " +
           mois[static_cast<unsigned>(ymd.month()) - 1];
}

} // namespace quillora
