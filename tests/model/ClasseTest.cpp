#include <gtest/gtest.h>

#include "Fabrique.h"

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
