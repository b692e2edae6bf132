#include "Formules.h"

#include <algorithm>
#include <charconv>

#include "Classe.h"
#include "Nombres.h"

namespace quillora {

namespace {

// The letters of a column into `fin`'s end, backwards; returns where they start. Addresses
// are built for every term of every formula: no temporary strings.
char* lettres(int col, char* fin) {
    for (++col; col > 0; col = (col - 1) / 26) *--fin = char('A' + (col - 1) % 26);
    return fin;
}

} // namespace

std::string Colonne(int col) {
    char t[8];
    return std::string(lettres(col, t + sizeof t), t + sizeof t);
}

std::string Cellule(int ligne, int col, bool ligneFixe, bool colFixe) {
    char t[32], *p = t;
    char colonne[8];
    const char* debut = lettres(col, colonne + sizeof colonne);
    if (colFixe) *p++ = '$';
    p = std::copy(debut, static_cast<const char*>(colonne + sizeof colonne), p);
    if (ligneFixe) *p++ = '$';
    p = std::to_chars(p, t + sizeof t, ligne + 1).ptr;
    return std::string(t, p);
}

std::string Plage(int ligne1, int col1, int ligne2, int col2, bool fixe) {
    return Cellule(ligne1, col1, fixe, fixe) + ":" + Cellule(ligne2, col2, fixe, fixe);
}

std::string CelluleDe(const std::string& feuille, int ligne, int col) {
    std::string nom;
    for (char c : feuille) (nom += c) += c == '\'' ? "'" : "";
    return "'" + nom + "'!" + Cellule(ligne, col, true, true);
}

std::string FormuleArrondi(int mode, const std::string& x) {
    const std::string i = "TRUNC(" + x + ")", f = "(" + x + "-" + i + ")";
    std::string r;
    switch (mode) {
    case 1:
        r = i;
        break;
    case 2:
        r = i + "+(" + f + ">=0.5)";
        break;
    case 3:
        r = i + "+1";
        break;
    case 4:
        r = i + "+(" + f + ">=0.5)/2";
        break;
    case 5:
        r = i + "+(" + f + ">=0.25)/2+(" + f + ">=0.75)/2";
        break;
    case 6:
        r = i + "+0.5+(" + f + ">=0.5)/2";
        break;
    default: {
        // Without rounding the sheet shows one decimal, the tenths rounded exactly from the
        // binary value with halves to even. A spreadsheet's x*10 is itself rounded, so the
        // formula decides on which side of the half-tenth x lies with exact steps: k is the
        // candidate tenth, x = a + b with a on a 1/1024 grid (so 20a is exact) and b small,
        // and the sign of (20a - 2k - 1) + 20b, summed in that order, is the side.
        const std::string k = "INT(" + x + "*10)", a = "INT(" + x + "*1024)/1024";
        const std::string d = "(20*" + a + "-2*" + k + "-1+20*(" + x + "-" + a + "))";
        r = "(" + k + "+(" + d + ">0)+(" + d + "=0)*MOD(" + k + ",2))/10";
    }
    }
    return "IF(ISNUMBER(" + x + ")," + r + ",\"?\")";
}

namespace {

// `x` rounded to `bits` significant bits, halves away from zero. Next to a power of two
// LOG may miss the exponent by one, which moves the result by one unit of the last bit at
// most: far below what the averages show.
std::string ArrondiBinaire(const std::string& x, int bits) {
    // Parentheses only where an operator needs them: these formulas are repeated on every
    // row, and their length is most of what writing the workbook costs.
    const bool simple = x.find_first_of("+-*/^&=<>") == std::string::npos;
    const std::string p = simple ? x : "(" + x + ")";
    const std::string u = "2^(INT(LOG(ABS(" + x + "),2))-" + std::to_string(bits - 1) + ")";
    std::string r;
    r.reserve(2 * u.size() + x.size() + p.size() + 24);
    return r.append("IF(")
        .append(x)
        .append("=0,0,ROUND(")
        .append(p)
        .append("/")
        .append(u)
        .append(",0)*")
        .append(u)
        .append(")");
}

} // namespace

std::string Reel48(const std::string& x) {
    return ArrondiBinaire(x, 40);
}

std::string Double(const std::string& x) {
    // 2^53+1 is not a double: an engine that computes in doubles takes x as it is.
    return "IF(2^53+1-2^53=0," + x + "," + ArrondiBinaire(x, 53) + ")";
}

double ValeurArrondie(int mode, double x) {
    if (x == NonCalculable) return NonCalculable;
    double v = 0;
    LireDecimal(FormatArrondi(mode, x), '.', v);
    return v;
}

} // namespace quillora
