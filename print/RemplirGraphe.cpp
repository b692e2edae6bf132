#include "RemplirGraphe.h"

#include "ConversionsQt.h"
#include "NewGraphe.h"
#include "Statistiques.h"

namespace quillora {

namespace {
const QColor Vert(0, 128, 0);
const QColor Rouge(255, 0, 0);
} // namespace

void RemplirGraphe(TNewGraphe& G, const GrapheStat& g) {
    // A screen reader says what the colour tells the eye.
    G.NommerCouleur(Rouge, QStringLiteral("en dessous de la moyenne"));
    G.SetNbBarre(static_cast<int>(g.Barres.size()));
    for (int i = 1; i <= G.NbBarre(); ++i) {
        const BarreStat& s = g.Barres[i - 1];
        TBarre b;
        b.Valeur = s.Valeur;
        b.CouleurBarre = s.Reussie ? Vert : Rouge;
        b.SetTexte(texteQt(s.Texte));
        b.SetLegende(texteQt(s.Legende));
        *G.Barre(i) = b;
    }
    G.SetCaption(texteQt(g.Caption));
    G.SetVmax(g.Vmax);
    G.SetPasVert(g.PasVert);
    G.SetNbGradV(g.NbGradV);
    G.SetNbLigne(g.NbLigne);
    for (int i = 1; i <= 5; ++i) G.SetLigne(i, texteQt(g.Lignes[i - 1]));
    G.BarreMoy().Valeur = g.Moyenne;
    G.BarreMoy().CouleurBarre = g.MoyenneReussie ? Vert : Rouge;
}

} // namespace quillora
