#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Classe.h"
#include "Cp1252.h"
#include "Horloge.h"
#include "Options.h"

namespace quillora {

int ResolutionEcran = 96;
int ResolutionImprimante = 300;
int LargeurPage = 2481;
int HauteurPage = 3507;
double RapportEcranImprimante = 96.0 / 300.0;

void DefinirMesuresImprimante(int resolutionEcran, int resolutionImprimante, int largeur,
                              int hauteur) {
    ResolutionEcran = resolutionEcran;
    ResolutionImprimante = resolutionImprimante;
    LargeurPage = largeur;
    HauteurPage = hauteur;
    RapportEcranImprimante = static_cast<double>(ResolutionEcran) / ResolutionImprimante;
}

namespace {

const char* const NomsMois[12] = {"janvier",   "février", "mars",     "avril",
                                  "mai",       "juin",    "juillet",  "août",
                                  "septembre", "octobre", "novembre", "décembre"};
const char* const NomsJours[7] = {"dimanche", "lundi",    "mardi", "mercredi",
                                  "jeudi",    "vendredi", "samedi"};

// Reads a whole decimal integer; false when any character is not a digit or there is none.
bool lireEntier(std::string_view t, int& v) {
    if (t.empty()) return false;
    v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    return true;
}

long joursCalendrierFixe(int annee, int mois, int jour) {
    // 365-day years and 30.4-day months; rounding never meets a half since no month
    // number times 30.4 ends in .5.
    return annee * 365L + std::lround(mois * 30.4) + jour;
}

bool bissextile(int annee) {
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

std::string deuxChiffres(int v) {
    char t[16];
    std::snprintf(t, sizeof t, "%02d", v);
    return t;
}

} // namespace

bool DateExiste(int jour, int mois, int annee) {
    static const int longueurs[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mois < 1 || mois > 12 || jour < 1) return false;
    return jour <= longueurs[mois - 1] + (mois == 2 && bissextile(annee) ? 1 : 0);
}

std::string NomMois(int mois) {
    return cp1252(NomsMois[(mois - 1) % 12]);
}

std::string NomJour(int jourSemaine) {
    return cp1252(NomsJours[jourSemaine % 7]);
}

TClasse::DateDecodee TClasse::DecoderDateNaissance(int e) const {
    const std::string_view t = Eleve[e].DateNaissance;
    DateDecodee d;
    int jour = 0, mois = 0, annee = 0;
    const bool j = lireEntier(t.substr(0, std::min<std::size_t>(2, t.size())), jour);
    const bool m = t.size() > 2 && lireEntier(t.substr(2, 2), mois);
    const bool a = t.size() > 4 && lireEntier(t.substr(4, 4), annee);
    d.jour = static_cast<std::uint16_t>(jour);
    d.mois = static_cast<std::uint16_t>(mois);
    d.annee = static_cast<std::uint16_t>(annee);
    d.valide = j && m && a && jour >= 1 && jour <= 31 && mois >= 1 && mois <= 12;
    return d;
}

std::string TClasse::DateNaissanceTexte(int e) const {
    const DateDecodee d = DecoderDateNaissance(e);
    if (!d.valide) return "??";
    // A day the calendar lacks (31 February) is shown as typed: the teacher sees the
    // mistake instead of a date silently moved to March.
    char annee[8];
    std::snprintf(annee, sizeof annee, "%04d", d.annee);
    return deuxChiffres(d.jour) + " " + NomMois(d.mois) + " " + annee;
}

std::uint16_t TClasse::AgeEnJours(int e) const {
    const DateDecodee d = DecoderDateNaissance(e);
    // A day the calendar lacks (31 February) gives no age: the ages list then shows "??"
    // and the teacher corrects the date, instead of trusting a guess.
    if (!d.valide || !DateExiste(d.jour, d.mois, d.annee)) return 0;
    const DateHeure now = Maintenant();
    const long jours = joursCalendrierFixe(now.annee, now.mois, now.jour) -
                       joursCalendrierFixe(d.annee, d.mois, d.jour);
    // A birth date in the future, or one too far back for 16 bits, is an unknown age.
    if (jours <= 0 || jours > 65535) return 0;
    return static_cast<std::uint16_t>(jours);
}

std::string AgeTexte(std::uint16_t jours) {
    if (jours == 0) return " Erreur !";
    const int ans = jours / 365;
    const int mois = static_cast<int>(std::nearbyint((jours % 365) / 30.4));
    std::string t = std::to_string(ans) + " ans ";
    if (mois != 0) t += std::to_string(mois) + " mois";
    return t;
}

std::string TClasse::AgeMoyen() const {
    if (NbEleve == 0) return "Calcul impossible !";
    long somme = 0;
    int n = 0;
    for (int e = 1; e <= NbEleve; ++e) {
        const std::uint16_t age = AgeEnJours(e);
        if (age == 0) continue;
        somme += age;
        ++n;
    }
    if (n == 0) return "Calcul impossible !";
    return AgeTexte(static_cast<std::uint16_t>(somme / n));
}

std::string DateHeureTexte() {
    const DateHeure d = Maintenant();
    return " " + NomJour(JourSemaine(d.annee, d.mois, d.jour)) + " " + deuxChiffres(d.jour) + " " +
           NomMois(d.mois) + " " + std::to_string(d.annee) + "  /  " + deuxChiffres(d.heure) + ":" +
           deuxChiffres(d.minute);
}

std::string DefautDateNaissance(std::string_view t) {
    for (char c : t)
        if (c < '0' || c > '9') return cp1252("Date illisible");
    int jour = 0, mois = 0, annee = 0;
    if (t.size() >= 2 && lireEntier(t.substr(0, 2), jour) && (jour < 1 || jour > 31))
        return cp1252("Jour impossible");
    if (t.size() >= 4 && lireEntier(t.substr(2, 2), mois) && (mois < 1 || mois > 12))
        return cp1252("Mois impossible");
    if (t.size() == 8 && lireEntier(t.substr(4, 4), annee) && !DateExiste(jour, mois, annee))
        return "Le " + std::to_string(jour) + " " + NomMois(mois) + " " + std::string(t.substr(4)) +
               " n'existe pas";
    return {};
}

std::string TexteHorsDomaine(double valeur, double max) {
    // Written by hand: the C library would follow the user's locale and print a comma.
    const long double centiemes = std::round(std::fabs(static_cast<long double>(valeur)) * 100);
    char nombre[64];
    if (centiemes < 1e18L) {
        const auto c = static_cast<unsigned long long>(centiemes);
        std::snprintf(nombre, sizeof nombre, "%s%llu.%02llu", valeur < 0 && c ? "-" : "", c / 100,
                      c % 100);
    } else {
        std::snprintf(nombre, sizeof nombre, "%s", valeur < 0 ? "-inf" : "inf");
    }
    return cp1252("Le nombre ") + nombre + cp1252(" est en dehors du domaine de validité.") + "\r" +
           cp1252("( De 0 à ") + FormatNote(max) + " )";
}

bool VerifierDomaine(double valeur, double max, std::string& avertissement) {
    if (!Options.verification) return true;
    if (valeur >= 0 && valeur <= max) return true;
    avertissement = TexteHorsDomaine(valeur, max);
    return false;
}

const char* const TexteConseilDateNaissance =
    "La saisie de la date de naissance est conseill\xE9"
    "e pour le bon fonctionnement des menus Age des \xE9l\xE8ves et Anniversaire du mois.";
const char* const TexteNomObligatoire = "L'\xE9l\xE8ve doit obligatoirement avoir un nom.";

} // namespace quillora
