#include "LectureFeuille.h"

#include <QLocale>
#include <QRegularExpression>

#include "ConversionsQt.h"
#include "Options.h"
#include "TexteAffiche.h"

namespace quillora {

namespace {

const QString SousLaMoyenne = QStringLiteral(", en dessous de la moyenne");

bool VueDeMatiere(const TClasse& c) {
    return c.MatiereCourante >= 1 && c.MatiereCourante <= 3 && c.PeriodeCourante >= 1 &&
           c.PeriodeCourante <= 3;
}

// The columns before the averages: assignments, subjects or periods.
int NbValeurs(const TClasse& c) {
    if (VueDeMatiere(c)) return c.NbDevoir[c.MatiereCourante][c.PeriodeCourante];
    return c.MatiereCourante == 4 ? c.NbMatiere : c.NbPeriode;
}

QString Nombre(double x) {
    return texteQt(FormatNote(x));
}

// Told in words as the sheet paints it: the text shown, and "en dessous" exactly where
// the sheet colours the value so (an average judged as it is rounded).
QString Moyenne(const TClasse& c, double v) {
    if (v == NonCalculable) return QStringLiteral("non calculable");
    const TexteAffiche a = AfficherMoyenne(v, c.ModeArrondi);
    return texteQt(a.texte) + (a.sousMoyenne ? SousLaMoyenne : QString());
}

QString Note(std::string_view texte) {
    if (texte.empty()) return QStringLiteral("vide");
    const TexteAffiche a = AfficherNote(texte);
    QString t = texteQt(a.texte);
    if (!a.valeur) return t + QStringLiteral(", pas une note");
    if (ValeurNote(texte).genre == NoteNombre)
        t += QStringLiteral(" sur ") + Nombre(Options.notemax);
    return a.sousMoyenne ? t + SousLaMoyenne : t;
}

// "05/12" or "5.12.2026" is read "5 déc."; any other date as it was typed.
QString DateLue(std::string_view date) {
    const QString d = texteQt(date).trimmed();
    static const QRegularExpression jourMois(
        QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})(?:[/.-]\\d{2,4})?$"));
    const QRegularExpressionMatch m = jourMois.match(d);
    if (!m.hasMatch()) return d;
    const int jour = m.captured(1).toInt(), mois = m.captured(2).toInt();
    if (jour < 1 || jour > 31 || mois < 1 || mois > 12) return d;
    const QString j = jour == 1 ? QStringLiteral("1er") : QString::number(jour);
    return j + QLatin1Char(' ') + QLocale(QLocale::French).monthName(mois, QLocale::ShortFormat);
}

QString Devoir(const TClasse& c, int a, bool avecCoef) {
    const TDevoir& d = c.Devoir[c.MatiereCourante][c.PeriodeCourante][a];
    QString t = texteQt(d.Commentaire.view()).trimmed();
    if (t.isEmpty()) t = QStringLiteral("Devoir ") + QString::number(a);
    if (const QString date = DateLue(d.Date.view()); !date.isEmpty())
        t += QStringLiteral(" du ") + date;
    if (avecCoef) t += QStringLiteral(", coefficient ") + Nombre(d.Coef);
    return t;
}

QString EnTeteColonne(const TClasse& c, int k) {
    const int n = NbValeurs(c), s = c.MatiereCourante, p = c.PeriodeCourante;
    if (VueDeMatiere(c)) {
        if (k < n) return Devoir(c, k + 1, true);
        return k == n ? QStringLiteral("moyenne") : QStringLiteral("moyenne Joker");
    }
    if (k == n)
        return s == 4 ? QStringLiteral("moyenne générale") : QStringLiteral("moyenne de l'année");
    const int i = k + 1;
    if (s != 4)
        return QString::fromLatin1(MotPeriode[IndexPeriodes(c.NbPeriode)]) + QLatin1Char(' ') +
               QString::number(i) + QStringLiteral(", coefficient ") + Nombre(c.Matiere[s].Coef[i]);
    QString t = texteQt(c.Matiere[i].Nom.view());
    if (p != 4) return t + QStringLiteral(", coefficient ") + Nombre(c.Matiere[i].Coef[p]);
    t += QStringLiteral(", coefficients ");
    for (int q = 1; q <= c.NbPeriode; ++q) {
        if (q > 1) t += q == c.NbPeriode ? QStringLiteral(" et ") : QStringLiteral(", ");
        t += Nombre(c.Matiere[i].Coef[q]);
    }
    return t;
}

QString EnTeteLigne(const TClasse& c, int l) {
    if (l < c.NbEleve) return texteQt(c.NomEleve(l + 1, Options.prenom)).trimmed();
    return QStringLiteral("Moyenne de la classe");
}

QString Valeur(const TClasse& c, int l, int k) {
    const int n = NbValeurs(c), s = c.MatiereCourante, p = c.PeriodeCourante;
    const int e = l + 1;
    const bool eleve = e <= c.NbEleve;
    if (VueDeMatiere(c)) {
        const int a = k + 1;
        if (k < n)
            return eleve ? Note(c.Eleve[e].Note[s][p][a].view())
                         : Moyenne(c, c.MoyenneDevoir(s, p, c.Joker, a));
        const bool joker = k > n;
        return Moyenne(c, eleve ? c.Moyenne(s, p, joker, e) : c.MoyenneClasse(s, p, joker));
    }
    // The synthesis: subject i of period p; the year: period i of subject s; 4 the whole.
    const bool j = c.Joker;
    const int i = k < n ? k + 1 : 4;
    const int matiere = s == 4 ? i : s, periode = s == 4 ? p : i;
    return Moyenne(c, eleve ? c.Moyenne(matiere, periode, j, e)
                            : c.MoyenneClasse(matiere, periode, j));
}

} // namespace

int LignesLues(const TClasse& c) {
    return c.NbEleve == 0 ? 0 : c.NbEleve + 1;
}

int ColonnesLues(const TClasse& c) {
    if (c.NbEleve == 0) return 0;
    return NbValeurs(c) + (VueDeMatiere(c) && c.Joker ? 2 : 1);
}

QString NomVue(const TClasse& c) {
    const int s = c.MatiereCourante, p = c.PeriodeCourante;
    const QString periode = p == 4 ? QStringLiteral("Année")
                                   : QString::fromLatin1(MotPeriode[IndexPeriodes(c.NbPeriode)]) +
                                         QLatin1Char(' ') + QString::number(p);
    const QString matiere = s == 4 ? QStringLiteral("Synthèse") : texteQt(c.Matiere[s].Nom.view());
    return texteQt(c.AbrevClasse.view()) + QStringLiteral(", ") + periode + QStringLiteral(", ") +
           matiere;
}

QString NomCaseFeuille(const TClasse& c, CaseLisible k) {
    if (k.ligne < 0) return EnTeteColonne(c, k.colonne);
    if (k.colonne < 0) return EnTeteLigne(c, k.ligne);
    return EnTeteLigne(c, k.ligne) + QStringLiteral(", ") + EnTeteColonne(c, k.colonne) +
           QStringLiteral(" : ") + Valeur(c, k.ligne, k.colonne);
}

QString NomSaisie(const TClasse& c, Cellule cellule) {
    if (cellule.Ligne == 0)
        return QStringLiteral("Coefficient : ") + Devoir(c, cellule.Colonne, false);
    return EnTeteLigne(c, cellule.Ligne - 1) + QStringLiteral(", ") +
           Devoir(c, cellule.Colonne, true);
}

} // namespace quillora
