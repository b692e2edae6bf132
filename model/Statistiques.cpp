#include "Statistiques.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Cp1252.h"
#include "Options.h"

namespace quillora {

namespace {

bool reussie(double v) {
    return v >= Options.notemoy;
}

std::string motPeriode(const TClasse& c) {
    return MotPeriode[IndexPeriodes(c.NbPeriode)];
}

std::string pluriel(int n, const std::string& mot) {
    return std::to_string(n) + " " + mot + (n > 1 ? "s" : "");
}

// The bars of one period's assignments: the student's grades, or each assignment's class
// average when `e` is 0.
void ajouterDevoirs(const TClasse& c, int s, int p, int e, std::vector<BarreStat>& barres) {
    for (int a = 1; a <= c.NbDevoir[s][p]; ++a) {
        BarreStat b;
        if (e != 0) {
            const std::string_view note = c.Eleve[e].Note[s][p][a].view();
            const ValeurLue v = ValeurNote(note);
            if (v.genre != PasUneNote) {
                b.Valeur = v.valeur;
            } else {
                // "abs" and the like stay visible at the foot of the empty bar.
                b.Valeur = NonCalculable;
                b.Texte = std::string(note.substr(0, 4));
            }
        } else {
            b.Valeur = c.MoyenneDevoir(s, p, c.Joker != 0, a);
            if (b.Valeur == NonCalculable) b.Texte = "?";
        }
        b.Reussie = reussie(b.Valeur);
        barres.push_back(std::move(b));
    }
}

// Up to ten bars all carry their number; beyond, only every fifth, then every tenth, so
// that the numbers never run into each other.
void numeroter(std::vector<BarreStat>& barres) {
    const int n = static_cast<int>(barres.size());
    const int pas = n <= 10 ? 1 : n <= 50 ? 5 : n <= 75 ? 10 : 0;
    if (pas == 0) return;
    for (int i = pas; i <= n; i += pas) barres[i - 1].Legende = std::to_string(i);
}

// One bar per whole mark 0..notemax, red below the pass mark; only even marks are labelled.
void histogramme(GrapheStat& g, const int* compte, int nbCompteurs) {
    const int nb = Options.notemax + 1;
    g.Barres.assign(nb, {});
    for (int m = 0; m < nb; ++m) {
        BarreStat& b = g.Barres[m];
        b.Valeur = m < nbCompteurs ? compte[m] : 0;
        b.Reussie = m >= Options.notemoy;
        if (m < nbCompteurs && m % 2 == 0) b.Legende = std::to_string(m);
    }
    // Marks above notemax have no bar but still set the scale.
    const int plus = *std::max_element(compte, compte + nbCompteurs);
    g.Vmax = plus;
    if (plus < 5) {
        g.PasVert = 1;
        g.NbGradV = 4;
    } else {
        g.PasVert = plus / 5;
        g.NbGradV = 7;
    }
}

// Counts `v` in its whole mark's counter. Values outside 0..24 have no counter: above, they
// are off any scale a teacher uses; below, a negative grade typed with the range check off
// would index before the counters.
bool compter(double v, int* compte) {
    if (v < 0 || v > 24) return false;
    ++compte[static_cast<int>(v)];
    return true;
}

// The values of each student (NonCalculable: none) and what the lines say of them.
struct Extreme {
    int eleve = 0;
    double valeur = 0;
};

// The highest value; ties go to the last student.
Extreme plusHaut(const std::vector<double>& valeurs) {
    Extreme x;
    for (std::size_t e = 1; e < valeurs.size(); ++e)
        if (valeurs[e] != NonCalculable && valeurs[e] >= x.valeur)
            x = {static_cast<int>(e), valeurs[e]};
    return x;
}

// The lowest value; ties go to the last student. The search starts above every value: from
// 20, a class graded above 20 (with notemax above it) would show a minimum nobody has.
Extreme plusBas(const std::vector<double>& valeurs) {
    Extreme x{0, std::numeric_limits<double>::infinity()};
    for (std::size_t e = 1; e < valeurs.size(); ++e)
        if (valeurs[e] != NonCalculable && valeurs[e] <= x.valeur)
            x = {static_cast<int>(e), valeurs[e]};
    return x;
}

// " ( name )" for one student holding the value, " ( n élèves )" for several.
std::string qui(const TClasse& c, const std::vector<double>& valeurs, const Extreme& x) {
    const auto n = std::count(valeurs.begin() + 1, valeurs.end(), x.valeur);
    const std::string qui =
        n == 1 ? c.NomEleve(x.eleve, true) : std::to_string(n) + cp1252(" élèves");
    return " ( " + qui + " )";
}

// The number of students without a value, and the population standard deviation of the
// others around `moyenne`.
std::string absentsEtEcart(const std::vector<double>& valeurs, double moyenne) {
    int absents = 0;
    double somme = 0;
    for (std::size_t e = 1; e < valeurs.size(); ++e) {
        if (valeurs[e] == NonCalculable)
            ++absents;
        else
            somme += (valeurs[e] - moyenne) * (valeurs[e] - moyenne);
    }
    const int presents = static_cast<int>(valeurs.size()) - 1 - absents;
    return " - " + pluriel(absents, "absent") +
           " - Ecart type : " + FormatNote(std::sqrt(somme / presents));
}

int enDessous(const std::vector<double>& valeurs) {
    return static_cast<int>(std::count_if(valeurs.begin() + 1, valeurs.end(), [](double v) {
        return v != NonCalculable && v < Options.notemoy;
    }));
}

} // namespace

GrapheStat CalculerEvolution(const TClasse& c, int s, int p, int e, bool avecAnnee) {
    GrapheStat g;
    g.Vmax = Options.notemax;
    g.Caption = c.Titre(s, p, avecAnnee, e, 0);
    const bool joker = c.Joker != 0;
    if (p >= 1 && p <= 3) {
        ajouterDevoirs(c, s, p, e, g.Barres);
        if (g.Barres.empty()) g.Caption = "Pas de notes ce " + motPeriode(c);
    } else if (p == 4) {
        for (int q = 1; q <= c.NbPeriode; ++q) {
            BarreStat b;
            b.Valeur = e != 0 ? c.Moyenne(s, q, joker, e) : c.MoyenneClasse(s, q, joker);
            if (b.Valeur < 0) b.Texte = "?";
            b.Reussie = reussie(b.Valeur);
            g.Barres.push_back(std::move(b));
        }
    } else {
        for (int q = 1; q <= c.NbPeriode; ++q) ajouterDevoirs(c, s, q, e, g.Barres);
    }
    numeroter(g.Barres);
    g.Moyenne = e != 0 ? c.Moyenne(s, p == 5 ? 4 : p, joker, e) : c.MoyenneClasse(s, 4, joker);
    g.MoyenneReussie = reussie(g.Moyenne);
    return g;
}

GrapheStat CalculerRepartitionDevoir(const TClasse& c, int s, int p, int a, bool avecAnnee) {
    GrapheStat g;
    g.NbLigne = 5;
    if (p < 1 || p > 3) {
        g.Caption = "Pas de devoir lors du bilan annuel.";
        return g;
    }
    int compte[25] = {};
    std::vector<double> valeurs(c.NbEleve + 1, NonCalculable);
    bool compte1 = false;
    if (a != 0) {
        for (int e = 1; e <= c.NbEleve; ++e) {
            const ValeurLue v = ValeurNote(c.Eleve[e].Note[s][p][a].view());
            if (v.genre == PasUneNote) continue;
            valeurs[e] = v.valeur;
            compte1 |= compter(v.valeur, compte);
        }
    }
    if (!compte1) {
        g.Caption = "Pas de notes.";
        return g;
    }
    histogramme(g, compte, 25);
    g.Caption = c.Titre(s, p, avecAnnee, 0, a);

    const TDevoir& d = c.Devoir[s][p][a];
    g.Lignes[0] = "Dev. " + std::to_string(a) + " - " + d.Date.str() + " - Coef. " +
                  FormatNote(d.Coef) + " - " + d.Duree.str() + " - " + d.Commentaire.str();
    auto note = [&](int e) { return c.Eleve[e].Note[s][p][a].str(); };
    const Extreme haut = plusHaut(valeurs), bas = plusBas(valeurs);
    g.Lignes[1] = "Note max : " + note(haut.eleve) + qui(c, valeurs, haut);
    g.Lignes[2] = "Note min : " + note(bas.eleve) + qui(c, valeurs, bas);
    g.Lignes[3] = pluriel(enDessous(valeurs), "note") + " en dessous de la moyenne";
    const double moyenne = c.MoyenneDevoir(s, p, c.Joker != 0, a);
    g.Lignes[4] = "Moyenne du devoir " + FormatNote(moyenne) + absentsEtEcart(valeurs, moyenne);
    return g;
}

GrapheStat CalculerRepartitionMoyennes(const TClasse& c, int s, int p, bool avecAnnee) {
    GrapheStat g;
    g.NbLigne = 4;
    const bool joker = c.Joker != 0;
    int compte[26] = {};
    std::vector<double> valeurs(c.NbEleve + 1, NonCalculable);
    bool compte1 = false;
    for (int e = 1; e <= c.NbEleve; ++e) {
        valeurs[e] = c.Moyenne(s, p, joker, e);
        if (valeurs[e] != NonCalculable) compte1 |= compter(valeurs[e], compte);
    }
    if (!compte1) {
        g.Caption = "Moyenne non calculable !";
        return g;
    }
    histogramme(g, compte, 26);
    g.Caption = c.Titre(s, p, avecAnnee, 0, 0);

    const Extreme haut = plusHaut(valeurs), bas = plusBas(valeurs);
    g.Lignes[0] = "Moyenne max : " + FormatNote(haut.valeur) + qui(c, valeurs, haut);
    g.Lignes[1] = "Moyenne min : " + FormatNote(bas.valeur) + qui(c, valeurs, bas);
    g.Lignes[2] = pluriel(enDessous(valeurs), cp1252("élève")) + " en dessous de la moyenne";
    const double moyenne = c.MoyenneClasse(s, p, joker);
    g.Lignes[3] =
        (p == 4 ? cp1252("Moyenne de l'année : ") : "Moyenne du " + motPeriode(c) + ": ") +
        FormatNote(moyenne) + absentsEtEcart(valeurs, moyenne);
    return g;
}

BilanStat CalculerBilan(const TClasse& c, int e) {
    BilanStat b;
    b.Caption = e == 0 ? std::string("Moyenne de classe")
                       : "Bilan complet " + std::string(1, SeparateursTitre[Options.indsep % 10]) +
                             " " + c.NomEleve(e, true);
    b.Caption += " (" + c.AbrevClasse.str() + ")";
    const int np = c.NbPeriode, nm = c.NbMatiere;
    b.NbColonne = np + 2;
    b.NbLigne = nm + 2;
    const bool joker = c.Joker != 0;
    auto cellule = [&](int colonne, int ligne) -> std::string& {
        return b.Cellules[colonne - 1][ligne - 1];
    };
    auto valeur = [&](int s, int p) {
        const double m = e != 0 ? c.Moyenne(s, p, joker, e) : c.MoyenneClasse(s, p, joker);
        return m == NonCalculable ? std::string() : FormatNote(m);
    };
    for (int p = 1; p <= np; ++p)
        cellule(p + 1, 1) = MotCourtPeriode[IndexPeriodes(np)] + std::to_string(p);
    cellule(np + 2, 1) = cp1252("Année");
    for (int s = 1; s <= nm + 1; ++s) {
        // The last row is the synthesis of every subject, the last column the year.
        const int matiere = s <= nm ? s : 4;
        cellule(1, s + 1) = s <= nm ? c.Matiere[s].Nom.str() : cp1252("Synthèse");
        for (int p = 1; p <= np; ++p) cellule(p + 1, s + 1) = valeur(matiere, p);
        cellule(np + 2, s + 1) = valeur(matiere, 4);
    }
    return b;
}

} // namespace quillora
