#include "Classe.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "Cp1252.h"
#include "Nombres.h"
#include "Options.h"

namespace quillora {

ValeurLue ValeurNote(std::string_view texte) {
    char t[256];
    const std::size_t n = texte.size() < sizeof t ? texte.size() : sizeof t - 1;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = texte[i];
        t[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    }
    double v;
    if (LireDecimal(std::string_view(t, n), '.', v)) return {v, NoteNombre};
    if (Options.utiliserL) {
        const std::string_view cle(t, n);
        for (int i = 1; i <= 15; ++i)
            if (Options.cores[i].coresL == cle) return {Options.cores[i].coresV, NoteLettre};
    }
    return {NonCalculable, PasUneNote};
}

std::string FormatNote(double x) {
    // Rounded in extended precision, halves to even: 0.25 gives 0.2 and 12.75 gives 12.8.
    const long double dixiemes = std::nearbyint(static_cast<long double>(x) * 10.0L);
    char tampon[64];
    if (std::fabs(dixiemes) < 1e18L) {
        const long long n = static_cast<long long>(dixiemes);
        const unsigned long long a = n < 0 ? 0ULL - static_cast<unsigned long long>(n)
                                           : static_cast<unsigned long long>(n);
        std::snprintf(tampon, sizeof tampon, "%s%llu.%llu", n < 0 ? "-" : "", a / 10, a % 10);
    } else {
        std::snprintf(tampon, sizeof tampon, "%.0Lf", dixiemes / 10.0L);
    }
    std::string r(tampon);
    while (!r.empty() && r.back() == '0' && r.find('.') != std::string::npos) r.pop_back();
    if (!r.empty() && (r.back() == '.' || r.back() == ',')) r.pop_back();
    if (r == "-0") r = "0";
    return r;
}

std::string FormatArrondi(int mode, double x) {
    if (x == NonCalculable) return "?";
    const double i = std::trunc(x);
    const double f = x - i;
    switch (mode) {
    case 1: return FormatNote(i);
    case 2: return FormatNote(f >= 0.5 ? i + 1 : i);
    case 3: return FormatNote(i + 1);
    case 4: return FormatNote(f < 0.5 ? i : i + 0.5);
    case 5: return FormatNote(f < 0.25 ? i : f >= 0.75 ? i + 1 : i + 0.5);
    case 6: return FormatNote(f < 0.5 ? i + 0.5 : i + 1);
    default: return FormatNote(x);
    }
}

std::string NomArrondi(int mode) {
    static const char* const noms[7] = {"Aucun arrondi",
                                        "Au point inférieur",
                                        "Au point le plus proche",
                                        "Au point supérieur",
                                        "Au 1/2 point inférieur",
                                        "Au 1/2 point le plus proche",
                                        "Au 1/2 point supérieur"};
    if (mode < 0 || mode > 6) return {};
    return cp1252(noms[mode]);
}

long double ArrondiReel48(long double x) {
    // A 6-byte real has a 40-bit significand (39 stored) and an 8-bit exponent biased by
    // 129; its smallest normal value is 2^-128 and there are no denormals.
    if (x == 0 || !std::isfinite(x)) return x;
    int exposant;
    const long double m = std::frexp(std::fabs(x), &exposant); // m in [0.5, 1)
    const long double entier = std::floor(std::ldexp(m, 40) + 0.5L); // halves away from zero
    long double r = std::ldexp(entier, exposant - 40);
    if (exposant - 1 < -128) return 0.0L;
    if (exposant - 1 > 126 || (exposant - 1 == 126 && entier >= 0x1p40L)) r = HUGE_VALL;
    return x < 0 ? -r : r;
}

// Sums follow the original's x87 code: each expression is evaluated in extended precision
// and rounded once when it is stored in a Double.
double TClasse::MoyenneMatiere(int s, int p, bool joker, int e) const {
    if (joker) return MoyenneJokerPeriode(s, p, e);
    const int n = NbDevoir[s][p];
    if (n == 0) return NonCalculable;
    double somme = 0, poids = 0;
    const auto& notes = Eleve[e].Note[s][p];
    const auto& devoirs = Devoir[s][p];
    for (int a = 1; a <= n; ++a) {
        const ValeurLue v = ValeurNote(notes[a]);
        if (v.genre != PasUneNote) {
            const double coef = devoirs[a].Coef;
            somme = static_cast<double>(somme + static_cast<long double>(v.valeur) * coef);
            poids = static_cast<double>(static_cast<long double>(poids) + coef);
        }
    }
    if (poids == 0) return NonCalculable;
    return static_cast<double>(static_cast<long double>(somme) / poids);
}

double TClasse::MoyenneJokerPeriode(int s, int p, int e) const {
    double somme = 0, poids = 0;
    int n = 0;
    double plusBasse = 0, coefPlusBasse = 0;
    const auto& notes = Eleve[e].Note[s][p];
    const auto& devoirs = Devoir[s][p];
    for (int a = 1; a <= NbDevoir[s][p]; ++a) {
        const ValeurLue v = ValeurNote(notes[a]);
        const double coef = devoirs[a].Coef;
        if (v.valeur == NonCalculable || coef == 0) continue;
        if (n == 0 || v.valeur < plusBasse) {
            plusBasse = v.valeur;
            coefPlusBasse = coef;
        }
        somme = static_cast<double>(somme + static_cast<long double>(v.valeur) * coef);
        poids = static_cast<double>(static_cast<long double>(poids) + coef);
        ++n;
    }
    if (n == 0) return NonCalculable;
    if (n >= 2) {
        somme = static_cast<double>(somme - static_cast<long double>(plusBasse) * coefPlusBasse);
        poids = static_cast<double>(static_cast<long double>(poids) - coefPlusBasse);
        if (poids == 0) return NonCalculable;
    }
    return static_cast<double>(static_cast<long double>(somme) / poids);
}

double TClasse::MoyenneGenerale(int p, bool joker, int e) const {
    double somme = 0, poids = 0;
    for (int s = 1; s <= NbMatiere; ++s) {
        const double m = MoyenneMatiere(s, p, joker, e);
        if (m == NonCalculable) continue;
        const double coef = Matiere[s].Coef[p];
        somme = static_cast<double>(somme + static_cast<long double>(m) * coef);
        poids = static_cast<double>(static_cast<long double>(poids) + coef);
    }
    if (poids == 0) return NonCalculable;
    return static_cast<double>(static_cast<long double>(somme) / poids);
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
        long double w = 0;
        for (int q = 1; q <= NbPeriode; ++q) w += static_cast<double>(Matiere[s].Coef[q]);
        const double poidsMatiere = static_cast<double>(w);
        somme = static_cast<double>(somme + static_cast<long double>(m) * poidsMatiere);
        poids = static_cast<double>(static_cast<long double>(poids) + poidsMatiere);
    }
    if (poids == 0) return NonCalculable;
    return static_cast<double>(static_cast<long double>(somme) / poids);
}

double TClasse::Moyenne(int s, int p, bool joker, int e) const {
    const bool matiere = s >= 1 && s <= 3, periode = p >= 1 && p <= 3;
    if (matiere && periode) return MoyenneMatiere(s, p, joker, e);
    if (s == 4 && periode) return MoyenneGenerale(p, joker, e);
    if (matiere && p == 4) return MoyenneAnnuelleMatiere(s, joker, e);
    if (s == 4 && p == 4) return MoyenneAnnuelle(joker, e);
    return NonCalculable;
}

double TClasse::MoyenneClasse(int s, int p, bool joker) const {
    double somme = 0;
    int n = 0;
    for (int e = 1; e <= NbEleve; ++e) {
        const double m = Moyenne(s, p, joker, e);
        if (m == NonCalculable) continue;
        somme = static_cast<double>(somme + static_cast<long double>(m));
        ++n;
    }
    if (n == 0) return NonCalculable;
    return static_cast<double>(static_cast<long double>(somme) / n);
}

double TClasse::MoyenneDevoir(int s, int p, bool, int a) const {
    double somme = 0;
    int n = 0;
    for (int e = 1; e <= NbEleve; ++e) {
        const ValeurLue v = ValeurNote(Eleve[e].Note[s][p][a]);
        if (v.genre == PasUneNote) continue;
        somme = static_cast<double>(somme + static_cast<long double>(v.valeur));
        ++n;
    }
    if (n == 0) return NonCalculable;
    return static_cast<double>(static_cast<long double>(somme) / n);
}

int TClasse::NbAbsences(int s, int p, int e) const {
    auto compter = [&](int ss, int pp) {
        int n = 0;
        for (int a = 1; a <= NbDevoir[ss][pp]; ++a)
            if (ValeurNote(Eleve[e].Note[ss][pp][a]).genre == PasUneNote) ++n;
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
