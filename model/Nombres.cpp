#include "Nombres.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillora {

namespace {

// Powers of ten that are exact in a double: m / 10^k and m * 10^k are then correctly
// rounded, the text's own decimal value rounded once.
constexpr double Puissance10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

// The printf family writes the locale's decimal point; bring it back to '.'.
void pointDecimal(char* t) {
    for (; *t; ++t)
        if (!chiffre(*t) && *t != '-' && *t != '+' && *t != 'e' && *t != 'E') *t = '.';
}

} // namespace

bool LireDecimal(std::string_view t, char separateur, double& valeur) {
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n && t[i] == ' ') ++i;
    bool negatif = false;
    if (i < n && (t[i] == '+' || t[i] == '-')) negatif = t[i++] == '-';
    std::uint64_t mantisse = 0;
    int chiffres = 0, decimales = 0, ignores = 0;
    auto ajouter = [&](char c, bool fraction) {
        if (mantisse < 100000000000000000ULL) {
            mantisse = mantisse * 10 + static_cast<unsigned>(c - '0');
            if (fraction) ++decimales;
        } else if (!fraction) {
            ++ignores; // digits beyond 17 only scale the value
        }
        ++chiffres;
    };
    while (i < n && chiffre(t[i])) ajouter(t[i++], false);
    if (i < n && t[i] == separateur) {
        ++i;
        while (i < n && chiffre(t[i])) ajouter(t[i++], true);
    }
    if (chiffres == 0) return false;
    long exposant = 0;
    if (i < n && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool expNegatif = false;
        if (i < n && (t[i] == '+' || t[i] == '-')) expNegatif = t[i++] == '-';
        int chiffresExp = 0;
        while (i < n && chiffre(t[i])) {
            if (exposant < 100000) exposant = exposant * 10 + (t[i] - '0');
            ++i;
            ++chiffresExp;
        }
        if (chiffresExp == 0) return false;
        if (expNegatif) exposant = -exposant;
    }
    if (i != n) return false;
    const long echelle = exposant - decimales + ignores;
    double v;
    if (mantisse == 0) {
        v = 0.0;
    } else if (mantisse < (1ULL << 53) && echelle >= 0 && echelle <= 22) {
        v = static_cast<double>(mantisse) * Puissance10[echelle];
    } else if (mantisse < (1ULL << 53) && echelle < 0 && echelle >= -22) {
        v = static_cast<double>(mantisse) / Puissance10[-echelle];
    } else {
        // No decimal point in this text, so the C library's locale cannot change its reading.
        char ecrit[64];
        std::snprintf(ecrit, sizeof ecrit, "%llue%ld", static_cast<unsigned long long>(mantisse),
                      echelle);
        v = std::strtod(ecrit, nullptr);
    }
    if (!std::isfinite(v)) return false; // too large to be a number at all
    valeur = negatif ? -v : v;
    return true;
}

bool LireEntier(std::string_view t, long long& valeur) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    bool negatif = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negatif = t[i++] == '-';
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == t.size()) return false;
    unsigned long long v = 0;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        int d;
        if (chiffre(c))
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = v * base + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFFFULL) return false; // far beyond anything a setting holds
    }
    valeur = negatif ? -static_cast<long long>(v) : static_cast<long long>(v);
    return true;
}

std::string EcrireReelGeneral(double x, char separateur) {
    if (x == 0 || !std::isfinite(x)) return x == 0 ? "0" : (std::isnan(x) ? "NAN" : "INF");
    char sci[64];
    std::snprintf(sci, sizeof sci, "%.14e", x);
    pointDecimal(sci);
    const char* e = sci;
    while (*e && *e != 'e') ++e;
    const int exposant = std::atoi(e + 1);
    std::string r;
    if (std::fabs(x) >= 1e-5 && exposant < 15) {
        char fixe[64];
        std::snprintf(fixe, sizeof fixe, "%.*f", exposant >= 14 ? 0 : 14 - exposant, x);
        pointDecimal(fixe);
        r = fixe;
        if (r.find('.') != std::string::npos) {
            while (r.back() == '0') r.pop_back();
            if (r.back() == '.') r.pop_back();
        }
    } else {
        std::string mantisse(static_cast<const char*>(sci), e);
        while (mantisse.back() == '0') mantisse.pop_back();
        if (mantisse.back() == '.') mantisse.pop_back();
        r = mantisse + "E" + std::to_string(exposant);
    }
    for (char& c : r)
        if (c == '.') c = separateur;
    return r;
}

} // namespace quillora
