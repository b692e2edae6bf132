#include "Devoirs.h"

namespace quillora {

namespace {

bool MatierePeriode(int s, int p) {
    return s >= 1 && s <= MaxMatieres && p >= 1 && p <= MaxPeriodes;
}

} // namespace

bool SupprimerDevoir(TClasse& c, int s, int p, int a) {
    if (!MatierePeriode(s, p)) return false;
    const int n = c.NbDevoir[s][p];
    if (a < 1 || a > n) return false;
    for (int e = 1; e <= c.NbEleve; ++e) {
        auto& notes = c.Eleve[e].Note[s][p];
        for (int b = a; b < n; ++b) notes[b] = notes[b + 1];
        notes[n].clear();
    }
    for (int b = a; b < n; ++b) c.Devoir[s][p][b] = c.Devoir[s][p][b + 1];
    c.NbDevoir[s][p] = static_cast<std::uint8_t>(n - 1);
    return true;
}

bool InsererDevoirVide(TClasse& c, int s, int p, int a) {
    if (!MatierePeriode(s, p)) return false;
    const int n = c.NbDevoir[s][p];
    if (n >= MaxDevoirs || a < 1 || a > n + 1) return false;
    for (int e = 1; e <= c.NbEleve; ++e) {
        auto& notes = c.Eleve[e].Note[s][p];
        for (int b = n; b >= a; --b) notes[b + 1] = notes[b];
        notes[a].clear();
    }
    for (int b = n; b >= a; --b) c.Devoir[s][p][b + 1] = c.Devoir[s][p][b];
    return true;
}

void CopierDevoir(const TClasse& c, int s, int p, int a, TPressePapier& pp) {
    if (!MatierePeriode(s, p) || a < 1 || a > MaxDevoirs) return;
    for (int e = 1; e <= MaxEleves; ++e) pp.Notes[e].clear();
    pp.Rempli = true;
    for (int e = 1; e <= c.NbEleve; ++e) pp.Notes[e] = c.Eleve[e].Note[s][p][a];
    pp.Devoir = c.Devoir[s][p][a];
    pp.NbEleve = c.NbEleve;
}

bool CollerDevoir(TClasse& c, int s, int p, int a, const TPressePapier& pp) {
    if (!MatierePeriode(s, p)) return false;
    const int n = c.NbDevoir[s][p];
    if (n >= MaxDevoirs || a < 1 || a > n + 1) return false;
    for (int e = 1; e <= c.NbEleve; ++e) c.Eleve[e].Note[s][p][a] = pp.Notes[e];
    c.Devoir[s][p][a] = pp.Devoir;
    c.NbDevoir[s][p] = static_cast<std::uint8_t>(n + 1);
    return true;
}

void ViderPeriode(TClasse& c, int s, int p) {
    if (!MatierePeriode(s, p)) return;
    for (int a = 1; a <= c.NbDevoir[s][p]; ++a) c.ViderDevoir(s, p, a);
    c.NbDevoir[s][p] = 0;
}

void ViderAnnee(TClasse& c, int s) {
    if (!MatierePeriode(s, 1)) return;
    for (int p = 1; p <= MaxPeriodes; ++p) {
        for (int a = 1; a <= MaxDevoirs; ++a) c.ViderDevoir(s, p, a);
        c.NbDevoir[s][p] = 0;
    }
}

} // namespace quillora
