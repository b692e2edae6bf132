#include "Classe.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

#include "Cp1252.h"
#include "Nombres.h"
#include "Options.h"

namespace quillora {

namespace {

constexpr double Dixiemes[] = {1, 10, 100, 1000, 10000, 100000};

char majuscule(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

ValeurLue lettreOuRien(std::string_view texte) {
    if (!Options.utiliserL) return {NonCalculable, PasUneNote};
    // Compared with the upper-cased text, byte for byte, in the table's order. A key left
    // empty is no letter: it would give its value to every cell without a grade.
    for (int i = 1; i <= 15; ++i) {
        const std::string& cle = Options.cores[i].coresL;
        if (cle.empty() || cle.size() != texte.size()) continue;
        std::size_t k = 0;
        while (k < cle.size() && cle[k] == majuscule(texte[k])) ++k;
        if (k == cle.size()) return {Options.cores[i].coresV, NoteLettre};
    }
    return {NonCalculable, PasUneNote};
}

// The letter table of the settings, read once per average rather than once per grade.
// Keys have at most two characters, so a key and an upper-cased text each fit in one
// integer and a lookup is fifteen integer comparisons.
class TableLettres {
public:
    TableLettres() : actif_(Options.utiliserL) {
        if (!actif_) return;
        for (int i = 0; i < 15; ++i) {
            const std::string& cle = Options.cores[i + 1].coresL;
            if (cle.size() > 2) courtes_ = false;
            codes_[i] = code(cle, false);
            valeurs_[i] = Options.cores[i + 1].coresV;
        }
    }

    ValeurLue chercher(std::string_view t) const {
        if (!actif_) return {NonCalculable, PasUneNote};
        if (!courtes_) return lettreOuRien(t);
        if (t.size() > 2) return {NonCalculable, PasUneNote};
        const std::uint32_t c = code(t, true);
        for (int i = 0; i < 15; ++i)
            if (codes_[i] == c) return {valeurs_[i], NoteLettre};
        return {NonCalculable, PasUneNote};
    }

private:
    static std::uint32_t code(std::string_view t, bool majuscules) {
        std::uint32_t c = static_cast<std::uint32_t>(t.size()) << 16;
        for (std::size_t i = 0; i < t.size() && i < 2; ++i) {
            const char x = majuscules ? majuscule(t[i]) : t[i];
            c |= static_cast<std::uint32_t>(static_cast<unsigned char>(x)) << (8 * (1 - i));
        }
        return c;
    }

    bool actif_;
    bool courtes_ = true;
    std::uint32_t codes_[15] = {};
    double valeurs_[15] = {};
};

// The averages read tens of thousands of grades per view. Most are plain digits with an
// optional decimal point, read here without the general reader; the value is the same
// correctly rounded quotient it would give.
inline ValeurLue lireNote(std::string_view t, const TableLettres& lettres) {
    std::uint32_t mantisse = 0;
    int decimales = -1;
    const std::size_t n = t.size();
    if (n == 0 || n > 5) return ValeurNote(t);
    for (std::size_t i = 0; i < n; ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            mantisse = mantisse * 10 + static_cast<std::uint32_t>(c - '0');
            if (decimales >= 0) ++decimales;
        } else if (c == '.' && decimales < 0) {
            decimales = 0;
        } else if (c == ' ' || c == '+' || c == '-' || c == 'e' || c == 'E') {
            return ValeurNote(t); // may still be a number: the general reader decides
        } else {
            return lettres.chercher(t); // no number holds this character
        }
    }
    if (decimales == 0 && n == 1) return ValeurNote(t); // "." alone
    const double v = static_cast<double>(mantisse);
    return {decimales > 0 ? v / Dixiemes[decimales] : v, NoteNombre};
}

} // namespace

ValeurLue ValeurNote(std::string_view texte) {
    double v;
    // Upper-casing only matters for an exponent's "e", which the reader takes either way.
    if (LireDecimal(texte, '.', v)) return {v, NoteNombre};
    return lettreOuRien(texte);
}

namespace {

// The tenths a value is written with, rounded in extended precision, halves to even: 0.25
// gives 0.2 and 12.75 gives 12.8.
long double dixiemes(double x) {
    return std::nearbyint(static_cast<long double>(x) * 10.0L);
}

// The value of a rounding mode, before it is written to the tenth.
double arrondiMode(int mode, double x) {
    const double i = std::trunc(x);
    const double f = x - i;
    switch (mode) {
    case 1:
        return i;
    case 2:
        return f >= 0.5 ? i + 1 : i;
    case 3:
        return i + 1;
    case 4:
        return f < 0.5 ? i : i + 0.5;
    case 5:
        return f < 0.25 ? i : f >= 0.75 ? i + 1 : i + 0.5;
    case 6:
        return f < 0.5 ? i + 0.5 : i + 1;
    default:
        return x;
    }
}

} // namespace

std::string FormatNote(double x) {
    const long double d = dixiemes(x);
    char tampon[64];
    if (std::fabs(d) < 1e18L) {
        const long long n = static_cast<long long>(d);
        const unsigned long long a =
            n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
        std::snprintf(tampon, sizeof tampon, "%s%llu.%llu", n < 0 ? "-" : "", a / 10, a % 10);
    } else {
        std::snprintf(tampon, sizeof tampon, "%.0Lf", d / 10.0L);
    }
    std::string r(tampon);
    while (!r.empty() && r.back() == '0' && r.find('.') != std::string::npos) r.pop_back();
    if (!r.empty() && (r.back() == '.' || r.back() == ',')) r.pop_back();
    if (r == "-0") r = "0";
    return r;
}

std::string FormatArrondi(int mode, double x) {
    if (x == NonCalculable) return "?";
    return FormatNote(arrondiMode(mode, x));
}

double ValeurAffichee(int mode, double x) {
    if (x == NonCalculable) return NonCalculable;
    // The tenths FormatNote writes, read back: n / 10 is the double nearest the text.
    return static_cast<double>(dixiemes(arrondiMode(mode, x))) / 10.0;
}

bool SousLaMoyenne(int mode, double moyenne, double noteMoyenne) {
    return moyenne != NonCalculable && ValeurAffichee(mode, moyenne) < noteMoyenne;
}

std::string NomArrondi(int mode) {
    static const char* const noms[7] = {"Aucun arrondi",           "Au point inférieur",
                                        "Au point le plus proche", "Au point supérieur",
                                        "Au 1/2 point inférieur",  "Au 1/2 point le plus proche",
                                        "Au 1/2 point supérieur"};
    if (mode < 0 || mode > 6) return {};
    return cp1252(noms[mode]);
}

long double ArrondiReel48(long double x) {
    // A 6-byte real has a 40-bit significand (39 stored) and an 8-bit exponent biased by
    // 129; its smallest normal value is 2^-128 and there are no denormals. The x87 format
    // holds the significand as 64 explicit bits, so rounding is done on those bits: the
    // library's frexp and ldexp on long doubles cost more than the whole average.
    static_assert(sizeof(long double) >= 10 && std::numeric_limits<long double>::digits == 64);
    if (x == 0 || !std::isfinite(x)) return x;
    std::uint64_t mantisse;
    std::uint16_t signeExposant;
    std::memcpy(&mantisse, &x, 8);
    std::memcpy(&signeExposant, reinterpret_cast<const char*>(&x) + 8, 2);
    int exposant = (signeExposant & 0x7FFF) - 16383;
    if ((mantisse >> 63) == 0) return 0.0L; // an extended denormal is far below 2^-128
    constexpr int bitsPerdus = 64 - 40;
    mantisse += std::uint64_t{1} << (bitsPerdus - 1); // halves away from zero
    if ((mantisse >> 63) == 0) {                      // carried out of the top bit
        mantisse = std::uint64_t{1} << 63;
        ++exposant;
    } else {
        mantisse &= ~((std::uint64_t{1} << bitsPerdus) - 1);
    }
    if (exposant < -128) return 0.0L;
    if (exposant > 126) return x < 0 ? -HUGE_VALL : HUGE_VALL;
    signeExposant = static_cast<std::uint16_t>((signeExposant & 0x8000) | (exposant + 16383));
    long double r = 0;
    std::memcpy(&r, &mantisse, 8);
    std::memcpy(reinterpret_cast<char*>(&r) + 8, &signeExposant, 2);
    return r;
}

double TClasse::MoyenneMatiere(int s, int p, bool joker, int e) const {
    if (joker) return MoyenneJokerPeriode(s, p, e);
    const int n = NbDevoir[s][p];
    if (n == 0) return NonCalculable;
    double somme = 0, poids = 0;
    const auto& notes = Eleve[e].Note[s][p];
    const auto& devoirs = Devoir[s][p];
    const TableLettres lettres;
    for (int a = 1; a <= n; ++a) {
        const ValeurLue v = lireNote(notes[a], lettres);
        if (v.genre != PasUneNote) {
            const double coef = devoirs[a].Coef;
            somme += v.valeur * coef;
            poids += coef;
        }
    }
    if (poids == 0) return NonCalculable;
    return somme / poids;
}

double TClasse::MoyenneJokerPeriode(int s, int p, int e) const {
    double somme = 0, poids = 0;
    int n = 0;
    double plusBasse = 0, coefPlusBasse = 0;
    const auto& notes = Eleve[e].Note[s][p];
    const auto& devoirs = Devoir[s][p];
    const TableLettres lettres;
    for (int a = 1; a <= NbDevoir[s][p]; ++a) {
        const ValeurLue v = lireNote(notes[a], lettres);
        const double coef = devoirs[a].Coef;
        if (v.valeur == NonCalculable || coef == 0) continue;
        if (n == 0 || v.valeur < plusBasse) {
            plusBasse = v.valeur;
            coefPlusBasse = coef;
        }
        somme += v.valeur * coef;
        poids += coef;
        ++n;
    }
    if (n == 0) return NonCalculable;
    if (n >= 2) {
        somme -= plusBasse * coefPlusBasse;
        poids -= coefPlusBasse;
        if (poids == 0) return NonCalculable;
    }
    return somme / poids;
}

double TClasse::MoyenneGenerale(int p, bool joker, int e) const {
    double somme = 0, poids = 0;
    for (int s = 1; s <= NbMatiere; ++s) {
        const double m = MoyenneMatiere(s, p, joker, e);
        if (m == NonCalculable) continue;
        const double coef = Matiere[s].Coef[p];
        somme += m * coef;
        poids += coef;
    }
    if (poids == 0) return NonCalculable;
    return somme / poids;
}

double TClasse::MoyenneAnnuelleMatiere(int s, bool joker, int e) const {
    // This one average kept the original's 6-byte reals: every store is rounded to 40
    // significant bits, which can move the last digits of a year average.
    long double somme = 0, poids = 0;
    for (int q = 1; q <= NbPeriode; ++q) {
        const long double m = ArrondiReel48(MoyenneMatiere(s, q, joker, e));
        if (m == NonCalculable) continue;
        const double coef = Matiere[s].Coef[q];
        somme = ArrondiReel48(somme + m * coef);
        poids = ArrondiReel48(poids + coef);
    }
    if (poids == 0) return NonCalculable;
    return static_cast<double>(somme / poids);
}

double TClasse::MoyenneAnnuelle(bool joker, int e) const {
    double somme = 0, poids = 0;
    for (int s = 1; s <= NbMatiere; ++s) {
        const double m = MoyenneAnnuelleMatiere(s, joker, e);
        if (m == NonCalculable) continue;
        double poidsMatiere = 0;
        for (int q = 1; q <= NbPeriode; ++q) poidsMatiere += Matiere[s].Coef[q];
        somme += m * poidsMatiere;
        poids += poidsMatiere;
    }
    if (poids == 0) return NonCalculable;
    return somme / poids;
}

double TClasse::Moyenne(int s, int p, bool joker, int e) const {
    const bool matiere = s >= 1 && s <= 3, periode = p >= 1 && p <= 3;
    if (matiere && periode) return MoyenneMatiere(s, p, joker, e);
    if (s == 4 && periode) return MoyenneGenerale(p, joker, e);
    if (matiere && p == 4) return MoyenneAnnuelleMatiere(s, joker, e);
    if (s == 4 && p == 4) return MoyenneAnnuelle(joker, e);
    return NonCalculable;
}

double MoyenneDesEleves(const double* moyennes, int n) {
    double somme = 0;
    int comptees = 0;
    for (int e = 0; e < n; ++e) {
        if (moyennes[e] == NonCalculable) continue;
        somme += moyennes[e];
        ++comptees;
    }
    if (comptees == 0) return NonCalculable;
    return somme / comptees;
}

double TClasse::MoyenneClasse(int s, int p, bool joker) const {
    double moyennes[MaxEleves];
    for (int e = 1; e <= NbEleve; ++e) moyennes[e - 1] = Moyenne(s, p, joker, e);
    return MoyenneDesEleves(moyennes, NbEleve);
}

double TClasse::MoyenneDevoir(int s, int p, bool, int a) const {
    double somme = 0;
    int n = 0;
    const TableLettres lettres;
    for (int e = 1; e <= NbEleve; ++e) {
        const ValeurLue v = lireNote(Eleve[e].Note[s][p][a], lettres);
        if (v.genre == PasUneNote) continue;
        somme += v.valeur;
        ++n;
    }
    if (n == 0) return NonCalculable;
    return somme / n;
}

int TClasse::NbAbsences(int s, int p, int e) const {
    const TableLettres lettres;
    auto compter = [&](int ss, int pp) {
        int n = 0;
        for (int a = 1; a <= NbDevoir[ss][pp]; ++a)
            if (lireNote(Eleve[e].Note[ss][pp][a], lettres).genre == PasUneNote) ++n;
        return n;
    };
    const bool matiere = s >= 1 && s <= 3, periode = p >= 1 && p <= 3;
    int n = 0;
    for (int ss = 1; ss <= 3; ++ss)
        for (int pp = 1; pp <= 3; ++pp)
            if ((matiere ? ss == s : s == 4) && (periode ? pp == p : p == 4)) n += compter(ss, pp);
    return n;
}

} // namespace quillora
