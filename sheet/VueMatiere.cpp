#include "ConversionsQt.h"
#include "PartiesFeuille.h"
#include "TexteValeur.h"

namespace quillora {

namespace {

void EcrireEntetes(PeintreFeuille& f, const TClasse& c, int s, int p, int L) {
    const int n = c.NbDevoir[s][p], E = c.NbEleve;
    f.CouleurTexte(f.Couleurs()[5]);
    const int xDev = Arrondi((L - 0.5) * 20);
    f.EcrireTexte(xDev, 1, QStringLiteral("dev"));
    f.EcrireTexte(xDev, 10, QStringLiteral("coef"));
    f.EcrireTexte(20 * (n + L + 1), 5, QStringLiteral("moy"));
    if (c.Joker) {
        f.EcrireTexte(20 * (n + L + 2), 0, QStringLiteral("moy"));
        f.EcrireTexte(20 * (n + L + 2), 10, QStringLiteral("Joker"));
    }
    f.EcrireTexte(20, Arrondi(10 * (E + 2.5)), QStringLiteral("Moy. du devoir"));
    for (int a = 1; a <= n; ++a) {
        f.EcrireTexte(20 * (a + L), 1, QString::number(a));
        f.EcrireTexte(20 * (a + L), 10, texteQt(FormatNote(c.Devoir[s][p][a].Coef)));
    }
}

void EcrireNotesEtMoyennes(PeintreFeuille& f, const TClasse& c, int s, int p, int L) {
    const int n = c.NbDevoir[s][p], E = c.NbEleve;
    const int d = DecalageChiffre(f);
    const auto moyenne = [&](double v) { return TexteMoyenne(v, c.ModeArrondi, f.Couleurs()); };
    // Rows and grades that cannot show are not even read: a typed grade paints again only
    // its cell and its averages, and must not cost a whole sheet's arithmetic. A grade has at
    // most five characters, and the shift of one-digit values is less than one more.
    for (int e = 1; e <= E; ++e) {
        const int y = 10 * (e + 1);
        if (!f.LigneVisible(y)) continue;
        for (int a = 1; a <= n; ++a)
            if (f.PeutMontrer(20 * (a + L), y, 6))
                EcrireValeur(f, 20 * (a + L), y, TexteNote(c.Eleve[e].Note[s][p][a], f.Couleurs()),
                             d);
        EcrireValeur(f, 20 * (n + L + 1), y, moyenne(c.Moyenne(s, p, false, e)), d);
        if (c.Joker) EcrireValeur(f, 20 * (n + L + 2), y, moyenne(c.Moyenne(s, p, true, e)), d);
    }
    const int y = Arrondi(10 * (E + 2.5));
    if (!f.LigneVisible(y)) return;
    for (int a = 1; a <= n; ++a)
        EcrireValeur(f, 20 * (a + L), y, moyenne(c.MoyenneDevoir(s, p, c.Joker, a)), d);
    EcrireValeur(f, 20 * (n + L + 1), y, moyenne(c.MoyenneClasse(s, p, false)), d);
    if (c.Joker) EcrireValeur(f, 20 * (n + L + 2), y, moyenne(c.MoyenneClasse(s, p, true)), d);
}

// No lines between the columns or the rows: the eye follows the aligned text.
void TracerGrille(PeintreFeuille& f, const TClasse& c, int n, int L) {
    const int E = c.NbEleve;
    const int bas = 10 * (E + 4);
    const int fin = 20 * (L + n + 2) + (c.Joker ? 20 : 0);
    f.TracerLigne(Arrondi((L + 0.7) * 20), 5, Arrondi((L + 0.7) * 20), bas);
    f.TracerLigne(Arrondi((n + L + 0.8) * 20), 5, Arrondi((n + L + 0.8) * 20), bas);
    if (c.Joker) f.TracerLigne(Arrondi((n + L + 1.9) * 20), 5, Arrondi((n + L + 1.9) * 20), bas);
    f.TracerLigne(80, 10, Arrondi((n + L + 0.8) * 20), 10);
    f.TracerLigne(80, 20, fin, 20);
    f.TracerLigne(1, 10 * (E + 2), fin, 10 * (E + 2));
    f.TracerLigne(1, bas, fin, bas);
}

void EcrireTexteBas(PeintreFeuille& f, const TClasse& c, int s, int p) {
    const int n = c.NbDevoir[s][p], E = c.NbEleve;
    f.CouleurTexte(f.Couleurs()[10]);
    for (int a = 1; a <= n; ++a) {
        const TDevoir& dv = c.Devoir[s][p][a];
        const int y = 10 * (a + E + 4);
        if (!f.LigneVisible(y)) continue;
        f.EcrireTexte(5, y, QStringLiteral("Dev. ") + QString::number(a));
        f.EcrireTexte(40, y, QStringLiteral(" Coef. ") + texteQt(FormatNote(dv.Coef)));
        f.EcrireTexte(85, y, QStringLiteral("Durée: ") + texteQt(dv.Duree));
        f.EcrireTexte(140, y, QStringLiteral("Date: ") + texteQt(dv.Date));
        f.EcrireTexte(220, y, texteQt(dv.Commentaire));
    }
    f.EcrireTexte(5, 10 * (n + E + 5),
                  QStringLiteral("Arrondi des moyennes: ") + texteQt(NomArrondi(c.ModeArrondi)));
}

} // namespace

void DessinerVueMatiere(PeintreFeuille& f, const TClasse& c, int L) {
    const int s = c.MatiereCourante, p = c.PeriodeCourante;
    DessinerEleves(f, c, L);
    const int n = c.NbDevoir[s][p];
    if (n == 0) return;
    EcrireEntetes(f, c, s, p, L);
    EcrireNotesEtMoyennes(f, c, s, p, L);
    TracerGrille(f, c, n, L);
    if (Options.textebas) EcrireTexteBas(f, c, s, p);
}

} // namespace quillora
