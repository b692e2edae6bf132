#include "ConversionsQt.h"
#include "PartiesFeuille.h"
#include "TexteValeur.h"

namespace quillora {

namespace {

// The synthesis shows the subjects of period p (or of the year) side by side; the year
// view of subject s shows its periods. Either way: m columns of averages, 40 units wide,
// and a final column for the whole.
struct Colonnes {
    bool synthese;
    int s, p, m;
    // The final column moves left when there are fewer than three columns.
    int retrait() const { return 60 - 20 * m; }
    double valeur(const TClasse& c, int i, bool joker, int e) const {
        return synthese ? c.Moyenne(i, p, joker, e) : c.Moyenne(s, i, joker, e);
    }
    double classe(const TClasse& c, int i, bool joker) const {
        return synthese ? c.MoyenneClasse(i, p, joker) : c.MoyenneClasse(s, i, joker);
    }
};

QString TexteCoefMatiere(const TClasse& c, int i, int p) {
    if (p != 4) return texteQt(FormatNote(c.Matiere[i].Coef[p]));
    QString t;
    for (int q = 1; q <= c.NbPeriode; ++q) {
        if (q > 1) t += QLatin1Char('+');
        t += texteQt(FormatNote(c.Matiere[i].Coef[q]));
    }
    return t;
}

void EcrireEntetes(PeintreFeuille& f, const TClasse& c, const Colonnes& k, int L) {
    const int E = c.NbEleve, r = k.retrait();
    f.CouleurTexte(f.Couleurs()[5]);
    f.EcrireTexte(10, Arrondi(10 * (E + 2.5)), QStringLiteral("Moyenne"));
    f.EcrireTexte(Arrondi((L + 6.6) * 20) - r, 3, QStringLiteral("Moyenne"));

    f.TracerLigne(5, Arrondi(10 * (E + 2.2)), 20 * (L + 8) - r, Arrondi(10 * (E + 2.2)));
    f.TracerLigne(Arrondi((L + 6.3) * 20) - r, 5, Arrondi((L + 6.3) * 20) - r, 10 * (E + 4));
    f.TracerLigne(19 * L, 19, 20 * (L + 8) - r, 19);

    f.Police(5, Options.polstyle);
    if (k.synthese) {
        f.Aligner(PeintreFeuille::Alignement::Centre);
        f.EcrireTexte(19 * L, 11, QStringLiteral("Coef"));
        for (int i = 1; i <= k.m; ++i)
            f.EcrireTexte(20 * (2 * i + L - 1), 11, TexteCoefMatiere(c, i, k.p));
    } else {
        f.EcrireTexte(17 * L, 11, QStringLiteral("Coef"));
        for (int i = 1; i <= k.m; ++i)
            f.EcrireTexte(20 * (2 * i + L - 1), 11, texteQt(FormatNote(c.Matiere[k.s].Coef[i])));
    }

    f.Police(6, Options.polstyle);
    if (k.synthese) {
        for (int i = 1; i <= k.m; ++i)
            f.EcrireTexte(20 * (2 * i + L - 1), 2, texteQt(c.Matiere[i].Nom));
    } else {
        const QString mot = QString::fromLatin1(MotCourtPeriode[IndexPeriodes(c.NbPeriode)]);
        for (int i = 1; i <= k.m; ++i)
            f.EcrireTexte(Arrondi((2 * i + L - 1.5) * 20), 3,
                          mot + QLatin1Char(' ') + QString::number(i));
    }
    f.Aligner(PeintreFeuille::Alignement::Gauche);
}

void EcrireMoyennes(PeintreFeuille& f, const TClasse& c, const Colonnes& k, int L) {
    const bool j = c.Joker;
    const int d = DecalageChiffre(f);
    const int xTotal = 20 * (L + 7) - k.retrait();
    const int toutes = k.synthese ? 4 : k.s;
    const int toute = k.synthese ? k.p : 4;
    const auto ecrire = [&](double x, double y, double v) {
        EcrireValeur(f, x, y, TexteMoyenne(v, c.ModeArrondi, f.Couleurs()), d);
    };
    for (int e = 1; e <= c.NbEleve; ++e) {
        const int y = 10 * (e + 1);
        for (int i = 1; i <= k.m; ++i)
            ecrire(Arrondi((2 * i + L - 1.2) * 20), y, k.valeur(c, i, j, e));
        ecrire(xTotal, y, c.Moyenne(toutes, toute, j, e));
    }
    const int y = Arrondi(10 * (c.NbEleve + 2.5));
    for (int i = 1; i <= k.m; ++i) ecrire(Arrondi((2 * i + L - 1.2) * 20), y, k.classe(c, i, j));
    ecrire(xTotal, y, c.MoyenneClasse(toutes, toute, j));
}

} // namespace

void DessinerVueSynthese(PeintreFeuille& f, const TClasse& c, int L) {
    Colonnes k;
    k.synthese = c.MatiereCourante == 4;
    k.s = c.MatiereCourante;
    k.p = c.PeriodeCourante;
    k.m = k.synthese ? c.NbMatiere : c.NbPeriode;
    DessinerEleves(f, c, L);
    EcrireEntetes(f, c, k, L);
    EcrireMoyennes(f, c, k, L);
}

} // namespace quillora
