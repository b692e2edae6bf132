#include "LargeurNom.h"
#include "Rendu.h"

namespace quillora::test {
namespace {

using Mesures = FeuilleTest;

TEST_F(Mesures, LaColonneDesNomsSuitLaLargeurDesNomsEcrits) {
    TClasse c = classe({{}, {}});
    Options.prenom = false;
    EXPECT_EQ(CalculerLargeurNom(c), 5);
    c.Eleve[1].Nom = "IIIIIIIIIIIIIIIIIIII"; // twenty narrow letters still fit in 5 units
    EXPECT_EQ(CalculerLargeurNom(c), 5);
    c.Eleve[1].Nom = "WWWWWWWWWWWWWWWWWWWW";
    const int large = CalculerLargeurNom(c);
    EXPECT_GT(large, 8);
    c.Eleve[1].Prenom = "Marie-Christine";
    Options.prenom = true;
    EXPECT_GT(CalculerLargeurNom(c), large);

    // Wide enough for the name, which a narrower column cuts at its edge.
    Options.prenom = false;
    const QRect ligne(0, 40, 800, 20);
    for (int l : {large, 6}) {
        etat.LargeurNom = l;
        const int droite = encre(peindre(c), ligne, teinte::fond).right();
        EXPECT_EQ(droite == g.Point((l + 0.7) * 20, 0).x() - 1, l == 6) << l;
    }
}

// A scrolled window shows exactly that part of the whole sheet, texts cut at its edges
// included. (Paints clipped to part of the window: the entry tests' partial repaints.)
TEST_F(Mesures, UneFenetreDefileeMontreLaPartieDeLaFeuilleEntiere) {
    TClasse c = classe({std::vector<std::string>(24, "")});
    c.NbEleve = 45;
    c.Joker = 1;
    for (int e = 1; e <= 45; ++e)
        for (int a = 1; a <= 24; ++a) c.Eleve[e].Note[1][1][a] = std::to_string((e + a) % 21);
    etat.TailleClient = QSize(1500, 1700);
    const QImage entiere = peindre(c);

    etat.TailleClient = QSize(400, 300);
    etat.DecalageX = 517;
    etat.DecalageY = 611;
    EXPECT_EQ(peindre(c), entiere.copy(QRect(QPoint(517, 611), etat.TailleClient)));
}

} // namespace
} // namespace quillora::test
