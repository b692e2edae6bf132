#include "ConversionsQt.h"
#include "PartiesFeuille.h"
#include "TexteValeur.h"

namespace quillora {

namespace {

// The synthesis shows the subjects of period p (or of the year) side by side; the year
// view of subject s shows its periods. Either way: m columns of averages, 40 units wide,
// then a column for the whole.
struct Colonnes {
    bool synthese;
    int s, p, m;
    // The last column moves left when there are fewer than three before it.
    int retrait() const { return 60 - 20 * m; }
    double valeur(const TClasse& c, int i, bool joker, int e) const {
        return synthese ? c.Moyenne(i, p, joker, e) : c.Moyenne(s, i, joker, e);
    }
    double classe(const TClasse& c, int i, bool joker) const {
        return synthese ? c.MoyenneClasse(i, p, joker) : c.MoyenneClasse(s, i, joker);
    }
    // The whole: all subjects of period p, or subject s over the year.
    double total(const TClasse& c, bool joker, int e) const {
        return synthese ? c.Moyenne(4, p, joker, e) : c.Moyenne(s, 4, joker, e);
    }
    double totalClasse(const TClasse& c, bool joker) const {
        return synthese ? c.MoyenneClasse(4, p, joker) : c.MoyenneClasse(s, 4, joker);
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

void TracerGrille(PeintreFeuille& f, const TClasse& c, const Colonnes& vue, int L) {
    const int E = c.NbEleve, r = vue.retrait();
    const int fin = 20 * (L + 8) - r, separation = Arrondi((L + 6.3) * 20) - r;
    f.TracerLigne(5, Arrondi(10 * (E + 2.2)), fin, Arrondi(10 * (E + 2.2)));
    f.TracerLigne(separation, 5, separation, 10 * (E + 4));
    f.TracerLigne(19 * L, 19, fin, 19);
}

void EcrireEntetes(PeintreFeuille& f, const TClasse& c, const Colonnes& vue, int L) {
    f.CouleurTexte(f.Couleurs()[5]);
    f.EcrireTexte(10, Arrondi(10 * (c.NbEleve + 2.5)), QStringLiteral("Moyenne"));
    f.EcrireTexte(Arrondi((L + 6.6) * 20) - vue.retrait(), 3, QStringLiteral("Moyenne"));
    TracerGrille(f, c, vue, L);

    f.Police(5, Options.polstyle);
    if (vue.synthese) {
        f.Aligner(PeintreFeuille::Alignement::Centre);
        f.EcrireTexte(19 * L, 11, QStringLiteral("Coef"));
        for (int i = 1; i <= vue.m; ++i)
            f.EcrireTexte(20 * (2 * i + L - 1), 11, TexteCoefMatiere(c, i, vue.p));
    } else {
        f.EcrireTexte(17 * L, 11, QStringLiteral("Coef"));
        for (int i = 1; i <= vue.m; ++i)
            f.EcrireTexte(20 * (2 * i + L - 1), 11, texteQt(FormatNote(c.Matiere[vue.s].Coef[i])));
    }

    f.Police(6, Options.polstyle);
    if (vue.synthese) {
        for (int i = 1; i <= vue.m; ++i)
            f.EcrireTexte(20 * (2 * i + L - 1), 2, texteQt(c.Matiere[i].Nom));
    } else {
        const QString mot = QString::fromLatin1(MotCourtPeriode[IndexPeriodes(c.NbPeriode)]);
        for (int i = 1; i <= vue.m; ++i)
            f.EcrireTexte(Arrondi((2 * i + L - 1.5) * 20), 3,
                          mot + QLatin1Char(' ') + QString::number(i));
    }
    f.Aligner(PeintreFeuille::Alignement::Gauche);
}

void EcrireMoyennes(PeintreFeuille& f, const TClasse& c, const Colonnes& vue, int L) {
    const bool j = c.Joker;
    const int d = DecalageChiffre(f);
    const int xTotal = 20 * (L + 7) - vue.retrait();
    const auto ecrire = [&](double x, double y, double v) {
        EcrireValeur(f, x, y, TexteMoyenne(v, c.ModeArrondi, f.Couleurs()), d);
    };
    const auto x = [&](int i) { return Arrondi((2 * i + L - 1.2) * 20); };
    for (int e = 1; e <= c.NbEleve; ++e) {
        const int y = 10 * (e + 1);
        for (int i = 1; i <= vue.m; ++i) ecrire(x(i), y, vue.valeur(c, i, j, e));
        ecrire(xTotal, y, vue.total(c, j, e));
    }
    const int y = Arrondi(10 * (c.NbEleve + 2.5));
    for (int i = 1; i <= vue.m; ++i) ecrire(x(i), y, vue.classe(c, i, j));
    ecrire(xTotal, y, vue.totalClasse(c, j));
}

} // namespace

void DessinerVueSynthese(PeintreFeuille& f, const TClasse& c, int L) {
    Colonnes vue;
    vue.synthese = c.MatiereCourante == 4;
    vue.s = c.MatiereCourante;
    vue.p = c.PeriodeCourante;
    vue.m = vue.synthese ? c.NbMatiere : c.NbPeriode;
    DessinerEleves(f, c, L);
    EcrireEntetes(f, c, vue, L);
    EcrireMoyennes(f, c, vue, L);
}

} // namespace quillora
