#include "Classement.h"

#include <algorithm>

#include "Cp1252.h"
#include "Options.h"

namespace quillora {

const LigneClassement& EnTeteClassement() {
    static const LigneClassement t = {"Rang", cp1252("Elève"), "Moyenne", "Absence"};
    return t;
}

std::vector<int> OrdreClassement(const std::vector<AClasser>& eleves) {
    const int n = static_cast<int>(eleves.size()) - 1;
    std::vector<char> enAttente(eleves.size(), 1);
    std::vector<int> ordre;
    ordre.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int r = 1; r <= n; ++r) {
        // On equal averages the later student wins, and among the unranked too. Unranked
        // students never go before a ranked one, whatever value a negative grade gives.
        int choisi = 0;
        for (int e = 1; e <= n; ++e) {
            if (!enAttente[e]) continue;
            const AClasser& x = eleves[e];
            const AClasser* m = choisi ? &eleves[choisi] : nullptr;
            if (!m || (x.classe && (!m->classe || x.moyenne >= m->moyenne)) ||
                (!x.classe && !m->classe))
                choisi = e;
        }
        enAttente[choisi] = 0;
        ordre.push_back(choisi);
    }
    return ordre;
}

namespace {

struct EleveClasse {
    int eleve;
    double moyenne;
    bool classe; // ranked by its average; the others come last
    int absences;
};

// The students in the ranking's order, best average first.
std::vector<EleveClasse> ordre(const TClasse& c, int s, int p, bool sansAbsents) {
    const int n = c.NbEleve;
    std::vector<AClasser> eleves(static_cast<std::size_t>(n) + 1);
    std::vector<int> absences(eleves.size());
    for (int e = 1; e <= n; ++e) {
        AClasser& x = eleves[e];
        x.moyenne = c.Moyenne(s, p, c.Joker != 0, e);
        absences[e] = c.NbAbsences(s, p, e);
        x.classe = x.moyenne != NonCalculable && !(sansAbsents && absences[e] > 0);
    }
    std::vector<EleveClasse> resultat;
    resultat.reserve(static_cast<std::size_t>(n));
    for (const int e : OrdreClassement(eleves))
        resultat.push_back({e, eleves[e].moyenne, eleves[e].classe, absences[e]});
    return resultat;
}

bool sansDevoir(const TClasse& c, int s, int p) {
    return s >= 1 && s <= 3 && p >= 1 && p <= 3 && c.NbDevoir[s][p] == 0;
}

} // namespace

std::vector<LigneClassement> Classer(const TClasse& c, int s, int p, bool sansAbsents) {
    if (sansDevoir(c, s, p))
        return {
            {"", "Pas", "de note ce " + std::string(MotPeriode[IndexPeriodes(c.NbPeriode)]), ""}};

    std::vector<LigneClassement> lignes;
    int r = 0;
    for (const EleveClasse& x : ordre(c, s, p, sansAbsents)) {
        ++r;
        LigneClassement l;
        l[1] = " " + c.NomEleve(x.eleve, Options.prenom);
        if (x.moyenne != NonCalculable) {
            l[0] = " " + std::to_string(r);
            l[2] = " " + FormatNote(x.moyenne);
        } else {
            l[2] = " ??";
        }
        if (x.absences > 0) l[3] = " " + std::to_string(x.absences);
        if (sansAbsents && x.absences > 0) {
            l[0] = " n.c.";
            l[2].clear();
        }
        lignes.push_back(std::move(l));
    }
    return lignes;
}

RangsClasse Rangs(const TClasse& c, int s, int p) {
    RangsClasse r;
    r.rang.assign(static_cast<std::size_t>(c.NbEleve) + 1, 0);
    if (sansDevoir(c, s, p)) return r;
    int position = 0;
    for (const EleveClasse& x : ordre(c, s, p, false)) {
        ++position;
        if (x.moyenne == NonCalculable) continue;
        r.rang[x.eleve] = position;
        ++r.classes;
    }
    return r;
}

std::string TexteClassement(const TClasse& c, int s, int p, bool sansAbsents) {
    std::string t = c.Titre(s, p, Options.imprimerAnnee, 0, 0) + '\r';
    auto ajouter = [&t](const LigneClassement& l) {
        t += l[0] + '\t' + l[1] + '\t' + l[2] + '\t' + l[3] + '\r';
    };
    ajouter(EnTeteClassement());
    for (const LigneClassement& l : Classer(c, s, p, sansAbsents)) ajouter(l);
    return t;
}

std::string TexteFichierClassement(const TClasse& c, int s, int p, bool sansAbsents) {
    const std::string fin = "\r\n";
    std::string t = c.Titre(s, p, Options.imprimerAnnee, 0, 0) + fin + fin;
    t += cp1252("Classement des élèves d'après la moyenne") + fin + fin;
    t += " Rang\t   Eleve\t\tmoy.\tabsence" + fin + fin;
    for (const LigneClassement& l : Classer(c, s, p, sansAbsents))
        t += l[0] + '\t' + l[1] + "\t\t" + l[2] + '\t' + l[3] + fin;
    return t;
}

} // namespace quillora
