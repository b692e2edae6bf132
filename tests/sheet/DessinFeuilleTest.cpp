#include "Defilement.h"
#include "LargeurNom.h"
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
    // student 3 averages exactly the pass mark.
    const QImage im =
        peindre(classe({{"10", "8", "abs"}, {"abs", "disp", "?"}, {"12", "8", "10"}}));
    EXPECT_GT(compter(im, cellule(1, 1), teinte::noteHaute), 0);
    EXPECT_GT(compter(im, cellule(1, 2), teinte::noteBasse), 0);
    EXPECT_GT(compter(im, cellule(1, 3), teinte::invalide), 0);
    // The "moy" column: 9 is below; nothing to average is " ?", never compared with the
    // pass mark.
    EXPECT_GT(compter(im, cellule(1, 4), teinte::moyBasse), 0);
    EXPECT_TRUE(montre(im, 20 * (4 + L), 30, QStringLiteral(" ?"), teinte::moyHaute));
    EXPECT_GT(compter(im, cellule(3, 4), teinte::moyHaute), 0);
    // The assignments' averages below, (8 + 8) / 2.
    EXPECT_GT(compter(im, zone(20 * (2 + L), 55, 20, 10), teinte::moyBasse), 0);
    // An average is judged as it is shown: 9.6 to the nearest point is a 10, at the pass
    // mark and aligned as a two-digit value, exactly as a 10 is.
    TClasse arrondie = classe({{"9.6"}, {"10"}});
    arrondie.ModeArrondi = 2;
    const QImage a = peindre(arrondie);
    EXPECT_GT(compter(a, cellule(1, 2), teinte::moyHaute), 0);
    // Below the line that closes the titles.
    const auto texte = [&](int e) { return a.copy(cellule(e, 2).adjusted(0, 2, 0, 0)); };
    EXPECT_EQ(texte(1), texte(2));
}

TEST_F(VueMatiere, SansDevoirSeulsLesElevesParaissent) {
    const TClasse c = classe({{}, {}});
    const QImage im = peindre(c);
    EXPECT_GT(compter(im, zone(23, 20, 80, 20), teinte::noms), 0);
    EXPECT_EQ(compter(im, im.rect(), teinte::titres), 0);
    EXPECT_EQ(compter(im, im.rect(), teinte::lignes), 0);
    EXPECT_EQ(CalculerDefilement(c, etat).largeur, 20 * (L + 1) * 2);
}

TEST_F(VueMatiere, LaColonneJokerEtLesLignesEnCreuxOuEnRelief) {
    TClasse c = classe({{"12", "4"}, {"15", "16"}});
    QImage im = peindre(c);
    const QRect joker = zone(20 * (2 + L + 2), 0, 20, 10 * (2 + 4));
    EXPECT_TRUE(uni(im, joker, teinte::fond));
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

    Options.relief = 0;
    c.Joker = 1;
    im = peindre(c);
    EXPECT_GT(compter(im, joker, teinte::titres), 0); // "moy" over "Joker"
    EXPECT_TRUE(montre(im, 20 * (2 + L + 2), 30, QStringLiteral("16"), teinte::moyHaute));
    const int x = g.Point(Arrondi((2 + L + 1.9) * 20), 0).x();
    EXPECT_EQ(compter(im, QRect(x, 10, 1, 110), teinte::lignes), 110);
    c.NbDevoir[1][1] = 24; // scrolled over, 24 assignments and their joker column
    EXPECT_EQ(CalculerDefilement(c, etat).largeur, 20 * (24 + L + 3 + 1) * 2);
}

TEST_F(VueMatiere, LesNotesDunChiffreSAlignentSurLesAutres) {
    for (bool aligner : {true, false}) { // right edges of "8" over "18"
        Options.alignernb = aligner;
        const QImage im = peindre(classe({{"8"}, {"18"}}));
        const int ecart = encre(im, zone(20 * (1 + L), 21, 16, 8), teinte::fond).right() -
                          encre(im, zone(20 * (1 + L), 31, 16, 8), teinte::fond).right();
        EXPECT_TRUE(aligner ? std::abs(ecart) <= 1 : ecart <= -6) << ecart;
    }
}

TEST_F(VueMatiere, LaColonneDesNomsSuitLaLargeurDesNomsEcrits) {
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
TEST_F(VueMatiere, UneFenetreDefileeMontreLaPartieDeLaFeuilleEntiere) {
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

// The year view and the year's synthesis of a class of two subjects, with two semesters or
// three trimesters: student 1 has 12 everywhere in subject 1, coefficients 1, 2 and 3.
class VueAnnee : public FeuilleTest, public ::testing::WithParamInterface<int> {};

TEST_P(VueAnnee, UneColonneParPeriodePuisLAnneeEtLaSynthese) {
    const int m = GetParam();
    TClasse c = classe({{"12"}, {"6"}});
    c.NbPeriode = static_cast<std::uint8_t>(m);
    c.NbMatiere = 2;
    c.PeriodeCourante = 4;
    for (int p = 1; p <= 3; ++p) {
        c.Matiere[1].Coef[p] = p;
        c.NbDevoir[1][p] = 1;
        c.Eleve[1].Note[1][p][1] = "12";
    }
    QImage im = peindre(c);
    for (int i = 1; i <= m; ++i)
        EXPECT_TRUE(montre(im, Arrondi((2 * i + L - 1.2) * 20), 20, "12", teinte::moyHaute));
    // The year's column and its rule move left by 20 units for a missing column.
    const int retrait = 60 - 20 * m;
    EXPECT_TRUE(montre(im, 20 * (L + 7) - retrait, 20, "12", teinte::moyHaute));
    const int x = g.Point(Arrondi((L + 6.3) * 20) - retrait, 0).x();
    EXPECT_TRUE(uni(im, QRect(x, 10, 1, 110), teinte::lignes));

    c.MatiereCourante = 4; // the synthesis joins the periods' coefficients
    im = peindre(c);
    const QString coefs = m == 2 ? QStringLiteral("1+2") : QStringLiteral("1+2+3");
    EXPECT_TRUE(montre(im, 20 * (2 + L - 1), 11, coefs, teinte::titres, teinte::fond, 5, true));
    // Two subjects: the general average sits 20 units left of the three subjects' place.
    EXPECT_TRUE(montre(im, 20 * (L + 7) - 20, 20, "12", teinte::moyHaute));
}

INSTANTIATE_TEST_SUITE_P(Periodes, VueAnnee, ::testing::Values(2, 3));

class Papier : public FeuilleTest {
protected:
    // Wider than the printable area: 24 assignments.
    TClasse large = classe({std::vector<std::string>(24, "5"), std::vector<std::string>(24, "15")});

    QImage apercu() { // half size: the page's 397 x 561 pixels from (10, 10)
        etat.ModeApercu = true;
        etat.ZoomApercu = 0.5;
        return peindre(large);
    }
};

TEST_F(Papier, LeFondEstCeluiDesReglagesAlEcranEtBlancSurLePapier) {
    QImage im = peindre(classe({})); // no student: the background alone
    EXPECT_TRUE(uni(im, im.rect(), teinte::fond));
    im = apercu();
    EXPECT_EQ(compter(im, im.rect(), teinte::fond), 0);
    // The preview keeps its own surroundings. The sheet is cut at the printable area, 7
    // pixels inside the page, dotted only with the margin shown.
    EXPECT_TRUE(uni(im, QRect(500, 0, 300, 600), teinte::autour));
    EXPECT_TRUE(uni(im, QRect(401, 12, 5, 550), 0xFFFFFF));
    const QRect gauche(17, 50, 1, 400);
    EXPECT_GT(compter(im, gauche, 0x000000), 50);
    EXPECT_LT(compter(im, gauche, 0x000000), 350);
    Options.marge = false;
    EXPECT_EQ(compter(apercu(), gauche, 0x000000), 0);
}

TEST_F(Papier, LImpressionEnNoirEtBlancNeLaisseAucuneCouleur) {
    const auto reglages = Options.couleur;
    Options.noirblanc = false;
    EXPECT_FALSE(peindre(large, true).allGray());
    Options.noirblanc = true;
    EXPECT_TRUE(peindre(large, true).allGray());
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(Options.couleur[i], reglages[i]) << i;
}

// Whatever the sheet asks for, by a name the system has, by one it stands another family
// for, or by one it knows nothing of, each style gets the face the system gives that name.
TEST(PoliceDeLaFeuille, ChaqueStyleALaFaceQueLeSystemeDonneASonNom) {
    const auto face = [](const QFont& f) {
        const QFontInfo i(f);
        return (i.family() + "/" + i.styleName() + "/" + QString::number(i.pixelSize()))
            .toStdString();
    };
    const std::string avant = Options.polname;
    for (const char* nom : {"Arial", "DejaVu Sans", "Times New Roman", "Quillora Inconnue"}) {
        Options.polname = nom;
        for (const StylePolice s : {StylePolice{}, StylePolice{true, true, false},
                                    StylePolice{false, true, true}, StylePolice{true}}) {
            QFont seule{QString::fromLatin1(nom)};
            seule.setPixelSize(16);
            seule.setBold(s.gras);
            seule.setItalic(s.italique);
            EXPECT_EQ(face(PoliceFeuille(16, s)), face(seule))
                << nom << " " << s.gras << s.italique;
        }
    }
    Options.polname = avant;
}

} // namespace
} // namespace quillora::test
