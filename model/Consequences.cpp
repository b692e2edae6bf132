#include "Consequences.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "Classement.h"
#include "Cp1252.h"

namespace quillora {

namespace {

// The arithmetic reads the letters and their values from the settings in force: a state's
// own settings are put in force while it is read, and the others are back afterwards.
class OptionsEnVigueur {
public:
    explicit OptionsEnVigueur(const TOptions& o) : autres_(o) { std::swap(Options, autres_); }
    ~OptionsEnVigueur() { std::swap(Options, autres_); }
    OptionsEnVigueur(const OptionsEnVigueur&) = delete;
    OptionsEnVigueur& operator=(const OptionsEnVigueur&) = delete;

private:
    TOptions autres_;
};

// What one state shows of one view, for students 1..n.
struct Lecture {
    std::vector<std::string> texte;
    std::vector<double> affichee;
    std::vector<char> sous;
    std::vector<int> rang;
};

bool vueExiste(const TClasse& c, VueMoyenne v) {
    return (v.matiere == 4 || v.matiere <= c.NbMatiere) &&
           (v.periode == 4 || v.periode <= c.NbPeriode);
}

std::vector<Lecture> lire(const ClasseLue& l, const std::vector<VueMoyenne>& vues, int n) {
    const OptionsEnVigueur enVigueur(l.options);
    const TClasse& c = l.classe;
    const auto taille = static_cast<std::size_t>(n) + 1;
    std::vector<Lecture> lectures(vues.size());
    std::vector<AClasser> eleves(taille);
    for (std::size_t i = 0; i < vues.size(); ++i) {
        const VueMoyenne v = vues[i];
        Lecture& x = lectures[i];
        x.texte.resize(taille);
        x.affichee.resize(taille);
        x.sous.resize(taille);
        x.rang.assign(taille, 0);
        for (int e = 1; e <= n; ++e) {
            // The average the ranking ranks and the synthesis adds up: the joker one when the
            // class computes it.
            const double m =
                e <= c.NbEleve ? c.Moyenne(v.matiere, v.periode, c.Joker != 0, e) : NonCalculable;
            eleves[e] = {m, m != NonCalculable};
            x.texte[e] = FormatArrondi(c.ModeArrondi, m);
            x.affichee[e] = ValeurAffichee(c.ModeArrondi, m);
            x.sous[e] = SousLaMoyenne(c.ModeArrondi, m, l.options.notemoy);
        }
        int r = 0;
        for (const int e : OrdreClassement(eleves)) {
            ++r;
            if (eleves[e].classe) x.rang[e] = r;
        }
    }
    return lectures;
}

std::string decimale(std::string t, char virgule) {
    std::replace(t.begin(), t.end(), '.', virgule);
    return t;
}

std::string utf8(std::string_view cp1252) {
    // A name read from a foreign file may hold a tab or a line break, which would cut the
    // line or shift the door's cells.
    std::string t = Utf8DepuisCp1252(cp1252);
    for (char& ch : t)
        if (static_cast<unsigned char>(ch) < 0x20) ch = ' ';
    return t;
}

std::string nomEleve(const TClasse& c, int e) {
    if (e < 1 || e > c.NbEleve) return {};
    std::string nom = c.NomEleve(e, true);
    while (!nom.empty() && nom.back() == ' ') nom.pop_back();
    return utf8(nom);
}

std::string motPeriode(const TClasse& c, int p) {
    return std::string(MotCourtPeriode[IndexPeriodes(c.NbPeriode)]) + " " + std::to_string(p);
}

} // namespace

std::vector<VueMoyenne> VuesConcernees(int s, int p) {
    std::vector<VueMoyenne> vues;
    for (const VueMoyenne v :
         {VueMoyenne{s, p}, VueMoyenne{s, 4}, VueMoyenne{4, p}, VueMoyenne{4, 4}})
        if (std::find(vues.begin(), vues.end(), v) == vues.end()) vues.push_back(v);
    return vues;
}

std::vector<VueMoyenne> ToutesLesVues() {
    std::vector<VueMoyenne> vues;
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p) vues.push_back({s, p});
    return vues;
}

std::vector<Consequence> Consequences(const ClasseLue& avant, const ClasseLue& apres,
                                      const std::vector<VueMoyenne>& toutes) {
    std::vector<VueMoyenne> vues;
    for (const VueMoyenne v : toutes)
        if (vueExiste(avant.classe, v) && vueExiste(apres.classe, v)) vues.push_back(v);
    const int n = std::max(avant.classe.NbEleve, apres.classe.NbEleve);
    const std::vector<Lecture> a = lire(avant, vues, n), b = lire(apres, vues, n);

    std::vector<Consequence> liste;
    for (int e = 1; e <= n; ++e)
        for (std::size_t i = 0; i < vues.size(); ++i) {
            const Lecture &x = a[i], &y = b[i];
            if (x.texte[e] == y.texte[e] && x.sous[e] == y.sous[e] && x.rang[e] == y.rang[e])
                continue;
            Consequence c{e, vues[i], x.texte[e], y.texte[e]};
            const bool deux = x.affichee[e] != NonCalculable && y.affichee[e] != NonCalculable;
            if (deux && x.sous[e] != y.sous[e])
                c.franchissement = y.sous[e] ? Franchissement::EnDessous : Franchissement::AuDessus;
            c.joker = vues[i].matiere != 4 && vues[i].periode != 4 && avant.classe.Joker &&
                      apres.classe.Joker;
            c.rangAvant = x.rang[e];
            c.rangApres = y.rang[e];
            // In whole tenths, as shown: 12.2 -> 11.4 and 7.8 -> 8.6 are the same change.
            c.ecart = deux ? std::round(std::fabs(y.affichee[e] - x.affichee[e]) * 10) / 10
                           : std::numeric_limits<double>::infinity();
            liste.push_back(std::move(c));
        }
    std::stable_sort(liste.begin(), liste.end(), [](const Consequence& x, const Consequence& y) {
        const bool fx = x.franchissement != Franchissement::Aucun;
        const bool fy = y.franchissement != Franchissement::Aucun;
        if (fx != fy) return fx;
        return x.ecart > y.ecart;
    });
    return liste;
}

std::string LibelleVue(const TClasse& c, VueMoyenne v, bool joker) {
    const std::string periode = v.periode == 4 ? cp1252("Année") : motPeriode(c, v.periode);
    return (v.matiere == 4 ? cp1252("Synthèse ") + periode : periode) + (joker ? " Joker" : "");
}

std::string TexteFranchissement(Franchissement f) {
    switch (f) {
    case Franchissement::AuDessus:
        return "↑ passe la moyenne";
    case Franchissement::EnDessous:
        return "↓ passe sous la moyenne";
    case Franchissement::Aucun:
        break;
    }
    return {};
}

std::string LigneConsequence(const TClasse& c, const Consequence& x, char virgule) {
    std::string t = nomEleve(c, x.eleve) + "  " + utf8(LibelleVue(c, x.vue, x.joker)) + " : " +
                    decimale(x.avant, virgule);
    if (x.apres != x.avant) t += " → " + decimale(x.apres, virgule);
    if (x.franchissement != Franchissement::Aucun)
        t += "  " + TexteFranchissement(x.franchissement);
    if (x.rangAvant && x.rangApres && x.rangAvant != x.rangApres)
        t += "  rang " + std::to_string(x.rangAvant) + " → " + std::to_string(x.rangApres);
    return t;
}

std::string ResumeConsequences(const std::vector<Consequence>& liste) {
    std::vector<int> eleves, dessus, dessous;
    for (const Consequence& x : liste) {
        eleves.push_back(x.eleve);
        if (x.franchissement == Franchissement::AuDessus) dessus.push_back(x.eleve);
        if (x.franchissement == Franchissement::EnDessous) dessous.push_back(x.eleve);
    }
    const auto compter = [](std::vector<int>& v) {
        std::sort(v.begin(), v.end());
        return static_cast<int>(std::unique(v.begin(), v.end()) - v.begin());
    };
    const int n = compter(eleves), haut = compter(dessus), bas = compter(dessous);
    if (n == 0) return "Aucun élève ne change";
    return std::to_string(n) + (n > 1 ? " élèves changent, " : " élève change, ") +
           std::to_string(haut) + (haut > 1 ? " passent" : " passe") +
           " au-dessus de la moyenne, " + std::to_string(bas) + " en dessous";
}

std::string TexteComparaison(const TClasse& avant, const TClasse& apres) {
    const int n = std::max(avant.NbEleve, apres.NbEleve);
    std::string t;
    bool memes = avant.NbEleve == apres.NbEleve;
    for (int e = 1; memes && e <= n; ++e)
        memes = avant.Eleve[e].Nom.view() == apres.Eleve[e].Nom.view() &&
                avant.Eleve[e].Prenom.view() == apres.Eleve[e].Prenom.view();
    if (!memes) t += "Listes d'élèves différentes : élèves comparés par position\n";

    const auto eleve = [&](int e) {
        const std::string a = nomEleve(avant, e), b = nomEleve(apres, e);
        if (a.empty() || b.empty() || a == b) return a.empty() ? b : a;
        return a + " / " + b;
    };
    const auto matiere = [&](int s) {
        if (s == 4) return std::string("Synthèse");
        return utf8((s <= avant.NbMatiere ? avant : apres).Matiere[s].Nom.view());
    };
    const auto note = [](const TClasse& c, int e, int s, int p, int a) {
        return e <= c.NbEleve && a <= c.NbDevoir[s][p] ? utf8(c.Eleve[e].Note[s][p][a].view())
                                                       : std::string();
    };
    const int matieres = std::max(avant.NbMatiere, apres.NbMatiere);
    const int periodes = std::max(avant.NbPeriode, apres.NbPeriode);
    for (int s = 1; s <= matieres; ++s)
        for (int p = 1; p <= periodes; ++p)
            for (int a = 1; a <= std::max(avant.NbDevoir[s][p], apres.NbDevoir[s][p]); ++a)
                for (int e = 1; e <= n; ++e) {
                    const std::string x = note(avant, e, s, p, a), y = note(apres, e, s, p, a);
                    if (x == y) continue;
                    t += "note\t" + eleve(e) + '\t' + matiere(s) + '\t' +
                         utf8(motPeriode(avant, p)) + "\tDevoir " + std::to_string(a) + '\t' + x +
                         '\t' + y + '\n';
                }

    const auto rang = [](int r) { return r ? std::to_string(r) : std::string(); };
    for (const Consequence& x : Consequences({avant, Options}, {apres, Options}, ToutesLesVues())) {
        const std::string periode =
            x.vue.periode == 4 ? "Année"
                               : utf8(motPeriode(avant, x.vue.periode)) + (x.joker ? " Joker" : "");
        t += "moyenne\t" + eleve(x.eleve) + '\t' + matiere(x.vue.matiere) + '\t' + periode + '\t' +
             x.avant + '\t' + x.apres + '\t' + TexteFranchissement(x.franchissement) + '\t' +
             rang(x.rangAvant) + '\t' + rang(x.rangApres) + '\n';
    }
    return t;
}

} // namespace quillora
