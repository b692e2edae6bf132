#include "DessinReleve.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "ConversionsQt.h"
#include "NewGraphe.h"
#include "Options.h"
#include "RemplirGraphe.h"

namespace quillora {

namespace {

using E = ElementReleve;
namespace H = HauteurReleve;

constexpr double MargeMinimale = 12;
const QString Signe = QStringLiteral(" \u25BC");

// Millimetres of the text area to the device's pixels, and the few ways the report writes.
class Peintre {
public:
    Peintre(QPainter& p, const QRectF& zone, bool noirBlanc)
        : p_(p), k_(p.device()->logicalDpiY() / 25.4), zone_(zone), noirBlanc_(noirBlanc),
          famille_(texteQt(Options.polname)) {}

    double largeurZone() const { return zone_.width(); }
    QRectF px(double x, double y, double l, double h) const {
        return {(zone_.x() + x) * k_, (zone_.y() + y) * k_, l * k_, h * k_};
    }
    double k() const { return k_; }
    bool noirBlanc() const { return noirBlanc_; }

    void police(double points, bool gras = false, bool italique = false) {
        QFont f(famille_);
        f.setPointSizeF(points);
        f.setBold(gras);
        f.setItalic(italique);
        p_.setFont(f);
    }

    // Writes `t` in the box, cut with an ellipsis rather than spilling out of it; returns
    // the width written, in mm.
    double texte(double x, double y, double l, double h, const QString& t, const QColor& c,
                 Qt::Alignment a = Qt::AlignLeft) {
        const QRectF r = px(x, y, l, h);
        const QString court =
            QFontMetricsF(p_.font(), p_.device()).elidedText(t, Qt::ElideRight, r.width());
        p_.setPen(c);
        QRectF ecrit;
        p_.drawText(r, static_cast<int>(a | Qt::AlignVCenter | Qt::TextSingleLine), court, &ecrit);
        return ecrit.width() / k_;
    }
    double largeur(const QString& t) const {
        return QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(t) / k_;
    }

    void trait(double x1, double y1, double x2, double y2, const QColor& c, double epaisseur) {
        p_.setPen(QPen(c, std::max(1.0, epaisseur * k_)));
        p_.drawLine(QPointF((zone_.x() + x1) * k_, (zone_.y() + y1) * k_),
                    QPointF((zone_.x() + x2) * k_, (zone_.y() + y2) * k_));
    }
    // A grey ground under headings, left white in black and white.
    void fond(double x, double y, double l, double h) {
        if (!noirBlanc_) p_.fillRect(px(x, y, l, h), QColor(232, 232, 232));
    }

    // A value's colour from the settings. A colour too light for white paper (the codes'
    // yellow, made for the sheet's grey) is darkened so that it still reads.
    QColor couleur(const TexteAffiche& t) const {
        if (noirBlanc_) return Qt::black;
        QColor c = couleurQt(Options.couleur[t.couleur]);
        if (0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() > 170)
            c = QColor(c.red() * 45 / 100, c.green() * 45 / 100, c.blue() * 45 / 100);
        return c;
    }
    QColor gris() const { return noirBlanc_ ? QColor(Qt::black) : QColor(150, 150, 150); }

    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    double k_;
    QRectF zone_;
    bool noirBlanc_;
    QString famille_;
};

// An average's text, with its sign below the pass mark. Grades go without: their number
// says it already, where an average rounded by the class's mode may not.
QString valeur(const TexteAffiche& t, bool moyenne = true) {
    QString v = texteQt(t.texte).trimmed();
    if (moyenne && t.sousMoyenne) v += Signe;
    return v;
}

// The grade table's columns, their left edges in mm; the comment takes what the others leave.
struct Colonnes {
    static constexpr double numero = 0, date = 9, coef = 32, note = 45, devoir = 62,
                            commentaire = 86;
    double fin;
    explicit Colonnes(double largeur) : fin(largeur) {}
};

void enTete(Peintre& f, const Releve& r) {
    const double l = f.largeurZone();
    f.police(17, true);
    f.texte(0, 0, l * 0.6, 9, QStringLiteral("Relevé de notes"), Qt::black);
    f.police(11, true);
    f.texte(l * 0.4, 0, l * 0.6, 9, QStringLiteral("Classe : ") + texteQt(r.classe), Qt::black,
            Qt::AlignRight);
    f.police(10);
    f.texte(0, 9, l * 0.6, 6, texteQt(r.periode), Qt::black);
    f.police(9);
    f.texte(l * 0.4, 9, l * 0.6, 5, QStringLiteral("Année scolaire ") + texteQt(r.anneeScolaire),
            Qt::black, Qt::AlignRight);
    if (!r.professeur.empty())
        f.texte(l * 0.4, 14, l * 0.6, 5, QStringLiteral("Professeur : ") + texteQt(r.professeur),
                Qt::black, Qt::AlignRight);
    // The longest names (twenty capitals and a first name) still fit their width.
    f.police(13, true);
    f.texte(0, 19.5, l * 0.7, 7, texteQt(r.nom), Qt::black);
    f.police(9);
    f.texte(l * 0.7, 19.5, l * 0.3, 7, texteQt(r.naissance), Qt::black, Qt::AlignRight);
    f.trait(0, 27.5, l, 27.5, Qt::black, 0.35);
}

void enTeteSuite(Peintre& f, const Releve& r) {
    const double l = f.largeurZone();
    f.police(11, true);
    const double nom = f.texte(0, 0, l * 0.6, 7, texteQt(r.nom), Qt::black);
    f.police(9, false, true);
    f.texte(nom + 2, 0, l * 0.6 - nom, 7, QStringLiteral("(suite)"), Qt::black);
    f.police(9);
    f.texte(l * 0.5, 0, l * 0.5, 7,
            QStringLiteral("Classe : ") + texteQt(r.classe) + QStringLiteral(" - ") +
                texteQt(r.periode),
            Qt::black, Qt::AlignRight);
    f.trait(0, 8, l, 8, Qt::black, 0.25);
}

void piedDePage(Peintre& f, const Releve& r, const PageReleve& page, double y) {
    const double l = f.largeurZone();
    f.trait(0, y + 2, l, y + 2, f.gris(), 0.2);
    f.police(8);
    f.texte(0, y + 3, l / 3, 5, texteQt(r.imprimeLe), Qt::black);
    f.texte(l / 3, y + 3, l / 3, 5,
            texteQt(r.classe) + QStringLiteral(" - ") + texteQt(r.anneeScolaire), Qt::black,
            Qt::AlignHCenter);
    f.texte(2 * l / 3, y + 3, l / 3, 5,
            QStringLiteral("Page %1 sur %2").arg(page.page).arg(page.pages), Qt::black,
            Qt::AlignRight);
}

void titreBloc(Peintre& f, const BlocReleve& b, const E& e) {
    const double l = f.largeurZone();
    f.police(10.5, true);
    QString t = texteQt(b.titre);
    if (e.suite) t += QStringLiteral(" (suite)");
    f.texte(0, e.y + 1, l * 0.8, 6, t, Qt::black);
    f.police(9);
    f.texte(l * 0.6, e.y + 1, l * 0.4, 6, texteQt(b.coef), Qt::black, Qt::AlignRight);
}

void enTeteTableau(Peintre& f, const E& e) {
    const Colonnes c(f.largeurZone());
    f.fond(0, e.y, c.fin, e.hauteur);
    f.police(8, true);
    const double y = e.y, h = e.hauteur;
    f.texte(c.numero + 1, y, c.date - c.numero - 1, h, QStringLiteral("N°"), Qt::black);
    f.texte(c.date, y, c.coef - c.date, h, QStringLiteral("Date"), Qt::black);
    f.texte(c.coef, y, c.note - c.coef, h, QStringLiteral("Coef."), Qt::black);
    f.texte(c.note, y, c.devoir - c.note, h, QStringLiteral("Note"), Qt::black);
    f.texte(c.devoir, y, c.commentaire - c.devoir, h, QStringLiteral("Moy. du devoir"), Qt::black);
    f.texte(c.commentaire, y, c.fin - c.commentaire, h, QStringLiteral("Commentaire"), Qt::black);
    f.trait(0, y + h, c.fin, y + h, Qt::black, 0.2);
}

void ligneNote(Peintre& f, const LigneReleve& n, const E& e) {
    const Colonnes c(f.largeurZone());
    const double y = e.y, h = e.hauteur;
    f.police(8.5);
    f.texte(c.numero + 1, y, c.date - c.numero - 1, h, QString::number(n.devoir), Qt::black);
    f.texte(c.date, y, c.coef - c.date - 1, h, texteQt(n.date), Qt::black);
    f.texte(c.coef, y, c.note - c.coef - 1, h, texteQt(n.coef), Qt::black);
    f.police(8.5, true);
    f.texte(c.note, y, c.devoir - c.note - 1, h, valeur(n.note, false), f.couleur(n.note));
    f.police(8.5);
    f.texte(c.devoir, y, c.commentaire - c.devoir - 1, h, valeur(n.moyenneDevoir),
            f.couleur(n.moyenneDevoir));
    f.police(8.5, false, true);
    f.texte(c.commentaire, y, c.fin - c.commentaire, h, texteQt(n.commentaire), Qt::black);
    if (!f.noirBlanc()) f.trait(0, y + h, c.fin, y + h, QColor(220, 220, 220), 0.1);
}

void moyennes(Peintre& f, const BlocReleve& b, const E& e) {
    double x = 1;
    const double y = e.y + 1, h = 5, l = f.largeurZone();
    // A label, then a value in its colour; `ecart` mm before what follows.
    auto morceau = [&](const QString& libelle, const TexteAffiche* v, bool gras, double ecart) {
        f.police(8.5);
        x += f.texte(x, y, l - x, h, libelle, Qt::black);
        if (v) {
            f.police(8.5, gras);
            x += f.texte(x, y, l - x, h, valeur(*v), f.couleur(*v));
        }
        x += ecart;
    };
    morceau(QStringLiteral("Moyenne : "), &b.moyenne, true, 6);
    if (b.joker) morceau(QStringLiteral("Moyenne Joker : "), &b.moyenneJoker, true, 6);
    morceau(QStringLiteral("Moyenne de la classe : "), &b.moyenneClasse, false, b.joker ? 0 : 6);
    if (b.joker) {
        morceau(QStringLiteral(" (Joker : "), &b.moyenneClasseJoker, false, 0);
        morceau(QStringLiteral(")"), nullptr, false, 6);
    }
    if (!b.rang.empty()) morceau(QStringLiteral("Rang : ") + texteQt(b.rang), nullptr, false, 0);
    f.trait(0, e.y + 0.3, l, e.y + 0.3, f.gris(), 0.2);
}

void synthese(Peintre& f, const Releve& r, const E& e) {
    const double l = f.largeurZone();
    double y = e.y;
    f.police(10.5, true);
    f.texte(0, y + 1, l, 6,
            r.colonnesSynthese.size() > 1 ? QStringLiteral("Moyennes de l'année")
                                          : QStringLiteral("Moyennes de la période"),
            Qt::black);
    y += H::TitreSection;
    const int groupes = static_cast<int>(r.colonnesSynthese.size());
    const int parGroupe = r.rangs ? 3 : 2;
    const double intitule = 42, coef = 18;
    const double cellule = (l - intitule - coef) / (groupes * parGroupe);
    const double h = H::LigneSynthese;
    f.fond(0, y, l, 2 * h);
    f.police(8, true);
    f.texte(1, y + h, intitule - 1, h, QStringLiteral("Matière"), Qt::black);
    f.texte(intitule, y + h, coef, h, QStringLiteral("Coef."), Qt::black);
    const QString sous[] = {QStringLiteral("Élève"), QStringLiteral("Classe"),
                            QStringLiteral("Rang")};
    for (int g = 0; g < groupes; ++g) {
        const double x = intitule + coef + g * parGroupe * cellule;
        f.texte(x, y, parGroupe * cellule, h, texteQt(r.colonnesSynthese[g]), Qt::black,
                Qt::AlignHCenter);
        f.police(8);
        for (int k = 0; k < parGroupe; ++k)
            f.texte(x + k * cellule, y + h, cellule, h, sous[k], Qt::black, Qt::AlignHCenter);
        f.police(8, true);
        f.trait(x, y, x, y + (2 + static_cast<double>(r.synthese.size())) * h, f.gris(), 0.2);
    }
    y += 2 * h;
    f.trait(0, y, l, y, Qt::black, 0.2);
    for (const LigneSynthese& ligne : r.synthese) {
        const bool generale = &ligne == &r.synthese.back();
        if (generale) f.trait(0, y, l, y, Qt::black, 0.2);
        f.police(8.5, generale);
        f.texte(1, y, intitule - 1, h, texteQt(ligne.intitule), Qt::black);
        f.police(8.5);
        f.texte(intitule, y, coef, h, texteQt(ligne.coef), Qt::black);
        for (int g = 0; g < groupes; ++g) {
            const CaseSynthese& k = ligne.cases[g];
            const double x = intitule + coef + g * parGroupe * cellule;
            f.police(8.5, true);
            f.texte(x, y, cellule, h, valeur(k.eleve), f.couleur(k.eleve), Qt::AlignHCenter);
            f.police(8.5);
            f.texte(x + cellule, y, cellule, h, valeur(k.classe), f.couleur(k.classe),
                    Qt::AlignHCenter);
            if (r.rangs)
                f.texte(x + 2 * cellule, y, cellule, h, texteQt(k.rang), Qt::black,
                        Qt::AlignHCenter);
        }
        y += h;
    }
    f.trait(0, y, l, y, Qt::black, 0.2);
    if (!r.noteJoker.empty()) {
        f.police(7.5, false, true);
        f.texte(1, y + 0.5, l - 1, H::NoteJoker - 1, texteQt(r.noteJoker), Qt::black);
    }
}

void graphes(Peintre& f, const Releve& r, const E& e, TNewGraphe& G) {
    const double l = f.largeurZone();
    double y = e.y;
    if (e.titre) {
        f.police(10.5, true);
        f.texte(0, y + 1, l, 6, QStringLiteral("Évolution des notes"), Qt::black);
        y += H::TitreSection;
    }
    const double ecart = 3;
    const double largeur = (l - ecart * (e.nombre - 1)) / e.nombre;
    QFont police(texteQt(Options.polname));
    G.SetPolice(police);
    G.SetCouleurFond(Qt::white);
    G.SetCouleurL(Qt::black);
    G.SetCouleurPolice(Qt::black);
    G.SetNoirBlanc(f.noirBlanc());
    G.SetMode(mLigne);
    G.SetMoy(true);
    for (int i = 0; i < e.nombre; ++i) {
        RemplirGraphe(G, r.graphes[e.premier + i]);
        const QRectF z = f.px(i * (largeur + ecart), y, largeur, H::Graphe - 2);
        G.Dessiner(f.painter(), qRound(z.x()), qRound(z.y()), qRound(z.width()),
                   qRound(z.height()));
    }
}

void legende(Peintre& f, const Releve& r, const E& e) {
    const double titre = 18;
    const double colonne = (f.largeurZone() - titre) / H::EntreesParLigne;
    if (e.premier == 0) {
        f.police(8.5, true);
        f.texte(0, e.y, titre, e.hauteur, QStringLiteral("Légende :"), Qt::black);
    }
    for (int i = 0; i < e.nombre; ++i) {
        const EntreeLegende& entree = r.legende[e.premier + i];
        const double x = titre + i * colonne;
        f.police(8, true);
        const QString code = entree.code.empty() ? Signe.trimmed() : texteQt(entree.code);
        const double c = std::max(f.texte(x, e.y, colonne, e.hauteur, code, Qt::black) + 1.5, 9.0);
        f.police(8);
        f.texte(x + c, e.y, colonne - c - 1, e.hauteur, QStringLiteral(": ") + texteQt(entree.sens),
                Qt::black);
    }
}

} // namespace

QRectF ZoneTexte(const QPageLayout& mise) {
    const QRectF papier = mise.fullRect(QPageLayout::Millimeter);
    const QRectF imprimable = mise.paintRect(QPageLayout::Millimeter);
    const double gauche = std::max(0.0, MargeMinimale - imprimable.left());
    const double haut = std::max(0.0, MargeMinimale - imprimable.top());
    const double droite = std::max(0.0, MargeMinimale - (papier.right() - imprimable.right()));
    const double bas = std::max(0.0, MargeMinimale - (papier.bottom() - imprimable.bottom()));
    return {gauche, haut, imprimable.width() - gauche - droite,
            imprimable.height() - haut - bas - H::PiedDePage};
}

void DessinerPageReleve(QPainter& p, const QRectF& zone, const std::vector<Releve>& releves,
                        const PageReleve& page, bool noirBlanc, TNewGraphe& graphe) {
    const Releve& r = releves[page.releve];
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, !noirBlanc);
    Peintre f(p, zone, noirBlanc);
    for (const E& e : page.elements) {
        switch (e.genre) {
        case E::EnTete:
            enTete(f, r);
            break;
        case E::EnTeteSuite:
            enTeteSuite(f, r);
            break;
        case E::AucuneNote:
            f.police(11, false, true);
            f.texte(0, e.y + 4, f.largeurZone(), 8, texteQt(r.messageAucuneNote), Qt::black);
            break;
        case E::TitreBloc:
            titreBloc(f, r.blocs[e.bloc], e);
            break;
        case E::EnTeteTableau:
            enTeteTableau(f, e);
            break;
        case E::LigneNote:
            ligneNote(f, r.blocs[e.bloc].lignes[e.ligne], e);
            break;
        case E::AucunDevoir:
            f.police(8.5, false, true);
            f.texte(1, e.y, f.largeurZone(), e.hauteur,
                    QStringLiteral("Aucun devoir dans cette période."), Qt::black);
            break;
        case E::Moyennes:
            moyennes(f, r.blocs[e.bloc], e);
            break;
        case E::Synthese:
            synthese(f, r, e);
            break;
        case E::Graphes:
            graphes(f, r, e, graphe);
            break;
        case E::LigneLegende:
            legende(f, r, e);
            break;
        }
    }
    piedDePage(f, r, page, zone.height());
    p.restore();
}

} // namespace quillora
