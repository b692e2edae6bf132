#include "Defilement.h"
#include "Rendu.h"

namespace quillora::test {
namespace {

constexpr int L = 5; // the name column of short names

class VueMatiere : public FeuilleTest {
protected:
    QRect cellule(int e, int colonne) const {
        return zone(20 * (colonne + L), 10 * (e + 1), 20, 10);
    }
};

TEST_F(VueMatiere, NotesEtMoyennesPrennentLaCouleurDeLeurValeur) {
    // Student 1: at the pass mark, below it, a code; student 2 has no grade at all;
    // student 3 averages below the pass mark.
    const QImage im = peindre(classe({{"10", "8", "abs"}, {"abs", "disp", "?"}, {"5", "6", "7"}}));
    EXPECT_GT(compter(im, cellule(1, 1), teinte::noteHaute), 0);
    EXPECT_EQ(compter(im, cellule(1, 1), teinte::noteBasse), 0);
    EXPECT_GT(compter(im, cellule(1, 2), teinte::noteBasse), 0);
    EXPECT_GT(compter(im, cellule(1, 3), teinte::invalide), 0);
    // The "moy" column: 9 is below; nothing to average is " ?", never compared with the
    // pass mark.
    EXPECT_GT(compter(im, cellule(1, 4), teinte::moyBasse), 0);
    EXPECT_TRUE(montre(im, 20 * (4 + L), 30, QStringLiteral(" ?"), teinte::moyHaute));
    EXPECT_GT(compter(im, cellule(3, 4), teinte::moyBasse), 0);
    // The assignments' averages below: (10 + 5) / 2.
    EXPECT_GT(compter(im, zone(20 * (1 + L), 55, 20, 10), teinte::moyBasse), 0);
    EXPECT_GT(compter(im, zone(20, 55, 80, 10), teinte::titres), 0); // "Moy. du devoir"
}

TEST_F(VueMatiere, SansDevoirSeulsLesElevesParaissent) {
    const TClasse c = classe({{}, {}});
    const QImage im = peindre(c);
    EXPECT_GT(compter(im, zone(23, 20, 80, 20), teinte::noms), 0);
    EXPECT_EQ(compter(im, im.rect(), teinte::titres), 0);
    EXPECT_EQ(compter(im, im.rect(), teinte::lignes), 0);
    EXPECT_TRUE(uni(im, zone((L + 0.7) * 20, 0, 250, 280), teinte::fond));
    EXPECT_EQ(CalculerDefilement(c, etat).largeur, 20 * (L + 1) * 2);
}

TEST_F(VueMatiere, LaColonneJokerNexisteQuAvecLeJoker) {
    TClasse c = classe({{"12", "4"}, {"15", "16"}});
    QImage im = peindre(c);
    const QRect joker = zone(20 * (2 + L + 2), 0, 20, 10 * (2 + 4));
    EXPECT_TRUE(uni(im, joker, teinte::fond));
    c.Joker = 1;
    im = peindre(c);
    EXPECT_GT(compter(im, joker, teinte::titres), 0); // "moy" over "Joker"
    EXPECT_TRUE(montre(im, 20 * (2 + L + 2), 30, QStringLiteral("16"), teinte::moyHaute));
    const int x = g.Point(Arrondi((2 + L + 1.9) * 20), 0).x();
    EXPECT_EQ(compter(im, QRect(x, 10, 1, 110), teinte::lignes), 110);
    // Scrolled over, 24 assignments and their joker column.
    c.NbDevoir[1][1] = 24;
    EXPECT_EQ(CalculerDefilement(c, etat).largeur, 20 * (24 + L + 3 + 1) * 2);
}

TEST_F(VueMatiere, LesNotesDunChiffreSAlignentSurLesAutres) {
    const TClasse c = classe({{"8"}, {"18"}});
    // Right edges of the two grades, inside the rules around the column.
    const auto ecart = [&] {
        const QImage im = peindre(c);
        return encre(im, zone(20 * (1 + L), 21, 16, 8), teinte::fond).right() -
               encre(im, zone(20 * (1 + L), 31, 16, 8), teinte::fond).right();
    };
    EXPECT_LE(std::abs(ecart()), 1);
    Options.alignernb = false;
    EXPECT_LE(ecart(), -6);
}

TEST_F(VueMatiere, LignesALeurPlaceEnCreuxOuEnRelief) {
    const TClasse c = classe({{"12", "4"}, {"15", "16"}});
    QImage im = peindre(c);
    // The name column's edge, between the rules under the headers and under the students;
    // the rule under the students, from the left edge to the end of the averages, excluded.
    const QRect bord(g.Point(Arrondi((L + 0.7) * 20), 0).x(), 42, 1, 36);
    const QPoint debut = g.Point(1, 40), fin = g.Point(20 * (L + 2 + 2), 40);
    EXPECT_TRUE(uni(im, bord, teinte::lignes));
    EXPECT_TRUE(uni(im, QRect(debut, fin - QPoint(1, 0)), teinte::lignes));
    EXPECT_TRUE(uni(im, QRect(fin, QSize(1, 1)), teinte::fond));
    for (int relief : {1, 2}) { // sunken, raised: grey and white one pixel right and down
        Options.relief = static_cast<std::uint8_t>(relief);
        im = peindre(c);
        EXPECT_TRUE(uni(im, bord, relief == 1 ? 0x808080 : 0xFFFFFF));
        EXPECT_TRUE(uni(im, bord.translated(1, 0), relief == 1 ? 0xFFFFFF : 0x808080));
    }
}

} // namespace
} // namespace quillora::test
