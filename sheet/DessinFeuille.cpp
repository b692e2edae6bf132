#include "DessinFeuille.h"

#include "ConversionsQt.h"
#include "CurseurFeuille.h"
#include "PartiesFeuille.h"
#include "Plateforme.h"

namespace quillora {

namespace {

void EcrireTitre(PeintreFeuille& f, const TClasse& c, const PageApercu* apercu, int largeurPapier) {
    const GeometrieFeuille& g = f.Geometrie();
    f.Police(11, StylePolice{true, true, true});
    f.CouleurTexte(f.Couleurs()[1]);
    const QString titre =
        texteQt(c.Titre(c.MatiereCourante, c.PeriodeCourante, Options.imprimerAnnee, 0, 0));
    int x;
    if (Options.centrert) {
        f.Aligner(PeintreFeuille::Alignement::Centre);
        x = apercu ? apercu->taille.width() / 2 + 10 : largeurPapier / 2;
    } else {
        x = apercu ? apercu->mx + 10 : 0;
    }
    f.EcrirePixel(QPoint(x - g.DecalageX, g.OrigineY - Arrondi(30 * g.k) - g.DecalageY), titre);
    f.Aligner(PeintreFeuille::Alignement::Gauche);
}

// The window's top-left box naming the class, the period and the subject shown.
void DessinerCoin(PeintreFeuille& f, const TClasse& c) {
    constexpr Couleur bleu = 0xFF0000, rouge = 0x0000FF, cyan = 0xFFFF00, vert = 0x00FF00;
    const bool annee = c.PeriodeCourante == 4;
    f.Rectangle(0, 0, 80, 20, cyan, annee ? rouge : bleu);
    f.Police(6, StylePolice{true, true, false});
    f.CouleurTexte(vert);
    f.Aligner(PeintreFeuille::Alignement::Centre);
    QString periode = texteQt(c.AbrevClasse) + QStringLiteral(" - ");
    if (annee)
        periode += QStringLiteral("Année");
    else
        periode += QString::fromLatin1(MotCourtPeriode[IndexPeriodes(c.NbPeriode)]) +
                   QLatin1Char(' ') + QString::number(c.PeriodeCourante);
    f.EcrireTexte(40, 1, periode);
    f.EcrireTexte(40, 10,
                  c.MatiereCourante == 4 ? QStringLiteral("Synthèse")
                                         : texteQt(c.Matiere[c.MatiereCourante].Nom));
    f.Aligner(PeintreFeuille::Alignement::Gauche);
}

} // namespace

GeometrieFeuille DessinerFeuille(QPainter& painter, const TClasse& c, const EtatFeuille& etat,
                                 bool Impression) {
    const bool apercu = !Impression && etat.ModeApercu;
    GeometrieFeuille g;
    PageApercu page;
    if (Impression) {
        g = GeometrieImpression(painter.device()->logicalDpiY());
    } else if (apercu) {
        const Plateforme::MesuresImprimante m = MesurerImprimante();
        page = MesurerPageApercu(etat.ZoomApercu, m.largeurImprimable, m.hauteurImprimable);
        g = GeometrieApercu(etat, page);
    } else {
        g = GeometrieTableau(etat);
    }

    const QRect client(QPoint(0, 0), etat.TailleClient);
    if (!Impression) painter.fillRect(client, couleurQt(Options.couleur[3]));
    if (c.NbEleve == 0) return g;

    const CouleursFeuille couleurs = CouleursDuDessin(Impression || apercu);
    if (apercu) painter.fillRect(client, couleurQt(couleurs[3]));
    PeintreFeuille f(painter, g, couleurs, Impression || apercu ? 0 : Options.relief);
    if (!Impression && !apercu)
        DessinerCoin(f, c);
    else if (Options.imprimerTitre)
        EcrireTitre(f, c, apercu ? &page : nullptr, painter.device()->width());

    f.Police(6, Options.polstyle);
    f.CouleurTexte(couleurs[1]);
    f.CouleurTrait(couleurs[2]);
    if (c.MatiereCourante == 4 || c.PeriodeCourante == 4) {
        DessinerVueSynthese(f, c, etat.LargeurNom);
    } else {
        DessinerVueMatiere(f, c, etat.LargeurNom);
        if (!Impression && !apercu && etat.Curseur && CelluleValide(c, *etat.Curseur))
            DessinerCurseur(painter, g, etat.LargeurNom, *etat.Curseur, Options.relief,
                            couleurs[2]);
    }

    if (apercu) EncadrerPageApercu(painter, page, etat, couleurs);
    return g;
}

} // namespace quillora
