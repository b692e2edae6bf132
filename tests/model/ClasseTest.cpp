#include <gtest/gtest.h>

#include <cstring>

#include "Devoirs.h"
#include "Fabrique.h"
#include "Saisie.h"

using namespace quillora;
using namespace quillora::test;

class Classe : public ModeleTest {};

TEST_F(Classe, UneNouvelleClasseASesValeursParDefaut) {
    TClasse c = classeVide();
    EXPECT_EQ(Utf8DepuisCp1252(c.Matiere[3].Nom), "Matière 3");
    EXPECT_EQ(double(c.Devoir[3][3][24].Coef), 1.0);
    c.NomFichier = "/home/prof/classes/terminale.cl3";
    c.Joker = 1;
    c.ModeArrondi = 5;
    c.DefautsNouvelleClasse();
    EXPECT_EQ(c.AbrevClasse, "TERM");
    EXPECT_EQ(c.AnneeScolaire, "( 2026 / 2027 )");
    EXPECT_EQ(c.Joker + c.ModeArrondi, 0);
    for (const auto& [fichier, abrev] : std::vector<std::pair<const char*, const char*>>{
             {"/a.b/2nd.cl3", "2ND"}, {"C:\\classes\\5eme.cl3", "5EME"}, {"x", ""}})
        EXPECT_EQ(AbrevDepuisFichier(fichier), abrev) << fichier;
    // The school year turns on 1 August.
    DefinirHorloge([] { return DateHeure{2026, 7, 31}; });
    EXPECT_EQ(AnneeScolaireCourante(), "( 2025 / 2026 )");
    DefinirHorloge([] { return DateHeure{2026, 8, 1}; });
    EXPECT_EQ(AnneeScolaireCourante(), "( 2026 / 2027 )");
}

TEST_F(Classe, LeTriDeplaceLesElevesAvecLeursNotes) {
    const char* noms[] = {"MARTIN", "Dupont", "dupont", "ABEL", "MARTIN", "Zola", "BRUN"};
    TClasse c = classeVide();
    c.NbEleve = 7;
    for (int e = 1; e <= 7; ++e) {
        c.Eleve[e].Nom = noms[e - 1];
        c.Eleve[e].Prenom = "p" + std::to_string(e);
        c.Eleve[e].Note[2][3][24] = std::to_string(e);
    }
    c.TrierEleves();
    std::vector<std::string> ordre;
    for (int e = 1; e <= 7; ++e) {
        ordre.push_back(c.Eleve[e].Nom.str());
        EXPECT_EQ(c.Eleve[e].Prenom.str().substr(1), c.Eleve[e].Note[2][3][24].str());
    }
    // Byte order: capitals before small letters.
    EXPECT_EQ(ordre, (std::vector<std::string>{"ABEL", "BRUN", "Dupont", "MARTIN", "MARTIN", "Zola",
                                               "dupont"}));

    // The gap sequence decides the order of equal names: gap 3 swaps (1,4) and (3,6), gap 1
    // then bubbles the rest. Students beyond the class are never moved.
    const char* egaux[] = {"B", "A", "B", "A", "B", "A", "0"};
    c.NbEleve = 6;
    for (int e = 1; e <= 7; ++e) {
        c.Eleve[e].Nom = egaux[e - 1];
        c.Eleve[e].Prenom = std::to_string(e);
    }
    c.TrierEleves();
    std::string prenoms;
    for (int e = 1; e <= 7; ++e) prenoms += c.Eleve[e].Prenom.str();
    EXPECT_EQ(prenoms, "4261537");
}

// Every letter of the code page with its other case in it changes case; a word starts
// after a blank, a hyphen or an apostrophe, straight or curly.
TEST_F(Classe, NormalisationDesNoms) {
    const std::tuple<const char*, bool, const char*> cas[] = {
        {"jean-pierre DE la tour", false, "Jean-Pierre De La To"},
        {"van der Berg", true, "VAN DER BERG"},
        {"éLODIE", false, "Élodie"},
        {"dupré", true, "DUPRÉ"},
        {"ñúñez", true, "ÑÚÑEZ"},
        {"o'neil", false, "O'Neil"},
        {"D’ARTAGNAN", false, "D’Artagnan"},
        {"œdipe šž ÿves", true, "ŒDIPE ŠŽ ŸVES"},
        {"ŒUF ŠARŽ ŸVES ÝÞ ÀÖØ", false, "Œuf Šarž Ÿves Ýþ Àöø"},
        {"straße µ ×÷", true, "STRAßE µ ×÷"},
        {"A×B", false, "A×b"},
    };
    for (const auto& [texte, majuscules, attendu] : cas)
        EXPECT_EQ(Utf8DepuisCp1252(NormaliserNom(cp1252(texte), majuscules)), attendu) << texte;

    TClasse c = classeVide();
    c.NbEleve = 1;
    c.Eleve[1].Nom = "dupont";
    c.Eleve[1].Prenom = "MARIE";
    c.Eleve[2].Nom = "hors classe";
    Options.majuscule = false;
    c.NormaliserNoms();
    EXPECT_EQ(c.NomEleve(1, true), "Dupont Marie");
    EXPECT_EQ(c.Eleve[2].Nom, "hors classe");
}

TEST_F(Classe, TitreEtComptesDeDevoirs) {
    TClasse c = classeVide();
    c.AbrevClasse = "3A";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.Matiere[2].Nom = "Anglais";
    c.NbEleve = 1;
    c.Eleve[1].Nom = "DURAND";
    c.Eleve[1].Prenom = "Paul";
    Options.indsep = 0;
    EXPECT_EQ(c.Titre(2, 1, false, 0, 4), "3A - Anglais - Trim.1 - Devoir 4");
    EXPECT_EQ(Utf8DepuisCp1252(c.Titre(4, 4, true, 1, 0)),
              "3A - Synthèse - Année - DURAND Paul ( 2026 / 2027 )");
    Options.indsep = 6;
    c.NbPeriode = 2;
    EXPECT_EQ(c.Titre(2, 2, false, 0, 0), "3A   Anglais   Sem.2");

    c.NbDevoir[1][1] = 3;
    c.NbDevoir[1][3] = 5; // third period unused with semesters
    c.NbDevoir[3][2] = 2; // subject 3 counted even when only two are used
    c.NbMatiere = 2;
    EXPECT_EQ(c.NbDevoirAnnee(1), 3);
    EXPECT_EQ(c.NbDevoirTotal(), 5);
}

// Emptying an assignment resets its record and every grade of its period, of every
// position; other periods keep theirs.
TEST_F(Classe, ViderUnDevoirEffaceLesNotesDeSaPeriode) {
    TClasse c = classeVide();
    c.NbDevoir[1][2] = 3;
    c.Devoir[1][2][3].Coef = 4;
    c.Devoir[1][2][3].Commentaire = "Contrôle";
    c.Eleve[45].Note[1][2][7] = "12";
    c.Eleve[1].Note[1][3][3] = "15";
    c.ViderDevoir(1, 2, 3);
    EXPECT_EQ(portrait(c), "0 eleves\n1 // 1.3.3=15\nD1.2.1 1//\nD1.2.2 1//\nD1.2.3 1//");
}

// Students A, B, C, each with his letter as grade in the first and the last cell.
static TClasse troisEleves() {
    TClasse c = classeAvecNotes({{"A"}, {"B"}, {"C"}});
    for (int e = 1; e <= 3; ++e) c.Eleve[e].Note[3][3][24] = c.Eleve[e].Note[1][1][1];
    return c;
}

// The whole class after each move: a newcomer has nothing, a freed position keeps nothing.
TEST_F(Classe, InsererEtSupprimerDeplacentLesElevesAvecToutesLeursNotes) {
    TClasse c = troisEleves();
    ASSERT_TRUE(c.InsererEleve(1));
    EXPECT_EQ(portrait(c), "4 eleves\n2 ELEVE1// 1.1.1=A 3.3.24=A\n3 ELEVE2// 1.1.1=B 3.3.24=B\n"
                           "4 ELEVE3// 1.1.1=C 3.3.24=C\nD1.1.1 1//");
    ASSERT_TRUE(c.SupprimerEleve(2));
    EXPECT_EQ(portrait(c), "3 eleves\n2 ELEVE2// 1.1.1=B 3.3.24=B\n3 ELEVE3// 1.1.1=C 3.3.24=C\n"
                           "D1.1.1 1//");
    ASSERT_TRUE(c.SupprimerEleve(3));
    EXPECT_EQ(portrait(c), "2 eleves\n2 ELEVE2// 1.1.1=B 3.3.24=B\nD1.1.1 1//");

    EXPECT_FALSE(c.SupprimerEleve(3));
    EXPECT_FALSE(c.InsererEleve(4));
    c.NbEleve = MaxEleves;
    EXPECT_FALSE(c.InsererEleve(1));
}

TEST_F(Classe, UnEleveRenseigneEstCoupeEtNormaliseEtSaDateGardeeTelleQuelle) {
    TClasse c = troisEleves();
    Options.majuscule = false;
    c.RenseignerEleve(1, "de la fontaine-martinez y", "anne marie", "3l/02/1999");
    EXPECT_EQ(c.NomEleve(1, true), "De La Fontaine-Marti Anne Marie");
    EXPECT_EQ(c.Eleve[1].DateNaissance, "3l/02/19");
    c.RenseignerEleve(2, "zola", "", "29022008");

    // A date that is no date is only left out of the ages, and survives the file.
    EXPECT_EQ(c.AgeEnJours(1), 0);
    EXPECT_EQ(c.AgeMoyen(), AgeTexte(c.AgeEnJours(2)));
    c.TrierEleves();
    TClasse relue = classeVide();
    relue.ChargerOctets(reinterpret_cast<const unsigned char*>(&c.Image()), TailleFichierClasse,
                        "x");
    EXPECT_EQ(relue.Eleve[1].DateNaissance, "3l/02/19");
}

// `eleves` students, `n` assignments in subject 1, period 1: grade "e.a", comment "Da".
static TClasse classeDevoirs(int eleves, int n) {
    TClasse c = classeAvecNotes(std::vector<std::vector<std::string>>(eleves));
    c.NbDevoir[1][1] = static_cast<std::uint8_t>(n);
    for (int a = 1; a <= n; ++a) {
        c.Devoir[1][1][a].Commentaire = "D" + std::to_string(a);
        c.Devoir[1][1][a].Coef = a;
        for (int e = 1; e <= eleves; ++e)
            c.Eleve[e].Note[1][1][a] = std::to_string(e) + "." + std::to_string(a);
    }
    return c;
}

TEST_F(Classe, AucuneCommandeNeDepasseVingtQuatreDevoirs) {
    TPressePapier pp;
    CopierDevoir(classeDevoirs(2, 1), 1, 1, 1, pp);
    for (const int n : {0, 23, 24}) {
        const bool place = n < 24; // room for one more
        TClasse c = classeDevoirs(2, n);
        const TClasse avant = c;
        EXPECT_EQ(InsererDevoirVide(c, 1, 1, 1), place) << n;
        EXPECT_EQ(CollerDevoir(c, 1, 1, 1, pp), place) << n;
        EXPECT_EQ(c.NbDevoir[1][1], place ? n + 1 : 24) << n;
        // A refused command changes nothing.
        EXPECT_TRUE(place || std::memcmp(&c.Image(), &avant.Image(), sizeof(ImageClasse)) == 0);
        // Past the count, nothing to delete or to fill.
        EXPECT_FALSE(SupprimerDevoir(c, 1, 1, c.NbDevoir[1][1] + 1)) << n;
        EXPECT_FALSE(CollerDevoir(c, 1, 1, c.NbDevoir[1][1] + 2, pp)) << n;
    }
    TClasse vide = classeDevoirs(2, 0);
    EXPECT_FALSE(SupprimerDevoir(vide, 1, 1, 1));
}

// The whole class after each move, written out by hand: grades go with their assignment,
// nothing stays in a freed column, and another period is left alone.
TEST_F(Classe, LaClasseEntiereApresChaqueDeplacement) {
    TClasse c = classeDevoirs(2, 3);
    c.NbDevoir[1][2] = 1;
    c.Eleve[2].Note[1][2][1] = "9";
    ASSERT_TRUE(SupprimerDevoir(c, 1, 1, 2));
    EXPECT_EQ(portrait(c), "2 eleves\n"
                           "1 ELEVE1// 1.1.1=1.1 1.1.2=1.3\n"
                           "2 ELEVE2// 1.1.1=2.1 1.1.2=2.3 1.2.1=9\n"
                           "D1.1.1 1//D1\nD1.1.2 3//D3\nD1.2.1 1//");
    // The second one copied, over a copy from a bigger class; pasted before the first, after
    // the last, then into classes of three and one students, by position.
    TPressePapier pp;
    CopierDevoir(classeDevoirs(3, 1), 1, 1, 1, pp);
    CopierDevoir(c, 1, 1, 2, pp);
    ASSERT_TRUE(InsererDevoirVide(c, 1, 1, 1) && CollerDevoir(c, 1, 1, 1, pp));
    ASSERT_TRUE(CollerDevoir(c, 1, 1, 4, pp));
    EXPECT_EQ(portrait(c), "2 eleves\n"
                           "1 ELEVE1// 1.1.1=1.3 1.1.2=1.1 1.1.3=1.3 1.1.4=1.3\n"
                           "2 ELEVE2// 1.1.1=2.3 1.1.2=2.1 1.1.3=2.3 1.1.4=2.3 1.2.1=9\n"
                           "D1.1.1 3//D3\nD1.1.2 1//D1\nD1.1.3 3//D3\nD1.1.4 3//D3\nD1.2.1 1//");
    TClasse trois = classeDevoirs(3, 0), un = classeDevoirs(1, 0);
    ASSERT_TRUE(CollerDevoir(trois, 1, 1, 1, pp) && CollerDevoir(un, 1, 1, 1, pp));
    EXPECT_EQ(portrait(trois) + " | " + portrait(un),
              "3 eleves\n1 ELEVE1// 1.1.1=1.3\n2 ELEVE2// 1.1.1=2.3\n3 ELEVE3//\nD1.1.1 3//D3 | "
              "1 eleves\n1 ELEVE1// 1.1.1=1.3\nD1.1.1 3//D3");
}

TEST_F(Classe, LaDateProposeeFranchitLesMoisEtLesAnnees) {
    EXPECT_EQ(TexteDateDevoir(DateHeure{2026, 12, 5}, -5), "lun. 30 nov.");
    EXPECT_EQ(TexteDateDevoir(DateHeure{2026, 12, 5}, 27), "ven. 1 jan.");
    EXPECT_EQ(TexteDateDevoir(DateHeure{2028, 2, 28}, 1), cp1252("mar. 29 fév."));
}
