#include "Classe.h"
#include "Cp1252.h"
#include "Options.h"

namespace quillora {

namespace {

constexpr char TAB = '\t';
constexpr char CR = '\r';

// A name or comment read from a foreign file may hold a tab or a line break, which would
// shift every following cell of a spreadsheet: control characters go out as spaces.
std::string cellule(std::string_view texte) {
    std::string t(texte);
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return t;
}

} // namespace

std::string TexteExport(const TClasse& c, int s, int p) {
    const auto moyenne = [&](double v) { return FormatArrondi(c.ModeArrondi, v); };
    const bool joker = c.Joker != 0;
    const int E = c.NbEleve;
    std::string t = cellule(c.Titre(s, p, Options.imprimerAnnee, 0, 0));
    t += CR;

    if (s >= 1 && s <= 3 && p >= 1 && p <= 3) {
        const int n = c.NbDevoir[s][p];
        for (int e = 1; e <= E; ++e) {
            t += cellule(c.NomEleve(e, Options.prenom));
            for (int a = 1; a <= n; ++a) (t += TAB) += cellule(c.Eleve[e].Note[s][p][a].view());
            (t += TAB) += moyenne(c.MoyenneMatiere(s, p, false, e));
            if (joker) (t += TAB) += moyenne(c.Moyenne(s, p, true, e));
            t += CR;
        }
        for (int a = 1; a <= n; ++a) (t += TAB) += moyenne(c.MoyenneDevoir(s, p, joker, a));
        (t += TAB) += moyenne(c.MoyenneClasse(s, p, false));
        if (Options.textebas) {
            t += CR;
            t += "Num\tCoef.\t" + cp1252("Durée") + "\tDate";
            for (int a = 1; a <= n; ++a) {
                const TDevoir& d = c.Devoir[s][p][a];
                t += CR + std::to_string(a) + TAB + FormatNote(d.Coef) + TAB +
                     cellule(d.Duree.view()) + TAB + cellule(d.Date.view()) + TAB +
                     cellule(d.Commentaire.view());
            }
            t += CR;
            t += "Arrondi des moyennes: " + NomArrondi(c.ModeArrondi);
        }
        return t;
    }

    if (s == 4) {
        const int m = c.NbMatiere;
        for (int i = 1; i <= m; ++i) (t += TAB) += cellule(c.Matiere[i].Nom.view());
        t += CR;
        for (int i = 1; i <= m; ++i) {
            t += TAB;
            if (p == 4) {
                for (int q = 1; q <= c.NbPeriode; ++q) {
                    if (q > 1) t += '+';
                    t += FormatNote(c.Matiere[i].Coef[q]);
                }
            } else {
                t += FormatNote(c.Matiere[i].Coef[p]);
            }
        }
        t += CR;
        // Each column's averages are worked out once: the class's row is their mean.
        double colonnes[MaxMatieres + 1][MaxEleves];
        for (int e = 1; e <= E; ++e) {
            t += cellule(c.NomEleve(e, Options.prenom));
            for (int i = 1; i <= m; ++i)
                (t += TAB) += moyenne(colonnes[i - 1][e - 1] = c.Moyenne(i, p, joker, e));
            (t += TAB) += moyenne(colonnes[m][e - 1] = c.Moyenne(4, p, joker, e));
            t += CR;
        }
        for (int i = 0; i <= m; ++i) (t += TAB) += moyenne(MoyenneDesEleves(colonnes[i], E));
        return t;
    }

    // Year view of one subject.
    const int q = c.NbPeriode;
    const std::string mot = MotCourtPeriode[IndexPeriodes(q)];
    for (int i = 1; i <= q; ++i) t += TAB + mot + " " + std::to_string(i);
    t += CR;
    for (int i = 1; i <= q; ++i) (t += TAB) += FormatNote(c.Matiere[s].Coef[i]);
    t += CR;
    double colonnes[MaxPeriodes + 1][MaxEleves];
    for (int e = 1; e <= E; ++e) {
        t += cellule(c.NomEleve(e, Options.prenom));
        for (int i = 1; i <= q; ++i)
            (t += TAB) += moyenne(colonnes[i - 1][e - 1] = c.Moyenne(s, i, joker, e));
        (t += TAB) += moyenne(colonnes[q][e - 1] = c.Moyenne(s, 4, joker, e));
        t += CR;
    }
    for (int i = 0; i <= q; ++i) (t += TAB) += moyenne(MoyenneDesEleves(colonnes[i], E));
    return t;
}

} // namespace quillora
