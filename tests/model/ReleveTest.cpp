#include <gtest/gtest.h>

#include "AgesAnniversaires.h"
#include "Classement.h"
#include "Fabrique.h"
#include "Releve.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// French (coef. 2 in the first trimester) and English (coef. 1); the fourth student has
// no grade at all.
TClasse classeRemplie() {
    TClasse c = classeAvecNotes({{"12", "15", "abs"}, {"8", "9.5", "B+"}, {"", "12,5", "6"}, {}},
                                {1, 2, 1});
    c.NbMatiere = 2;
    c.AbrevClasse = "4B";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.NomProfesseur = cp1252("M. Dupré");
    c.Matiere[1].Nom = cp1252("Français");
    c.Matiere[2].Nom = "Anglais";
    c.Matiere[1].Coef[1] = 2;
    c.RenseignerEleve(1, "MARTIN", cp1252("Léa"), "05032012");
    c.RenseignerEleve(2, "DE LA FONTAINE", cp1252("Éloïse-Marie"), "");
    const char* devoirs[][2] = {
        {"12/09/2026", "Dictée"}, {"03/10/2026", "Rédaction"}, {"17/10/2026", "Lecture"}};
    for (int a = 1; a <= 3; ++a) {
        c.Devoir[1][1][a].Date = devoirs[a - 1][0];
        c.Devoir[1][1][a].Commentaire = cp1252(devoirs[a - 1][1]);
    }
    noter(c, 2, 1, {{"16", "14"}, {"7", "disp"}});
    noter(c, 1, 2, {{"10"}});
    return c;
}

std::string texte(const TexteAffiche& t) {
    return Utf8DepuisCp1252(t.texte);
}

} // namespace

class Releves : public ModeleTest {};

TEST_F(Releves, UnTrimestreReprendLesNotesMoyennesEtRangsDeLaFeuille) {
    const TClasse c = classeRemplie();
    const auto r = CalculerReleves(c, {{2}, 1, true});
    ASSERT_EQ(r.size(), 1u);
    const Releve& e2 = r[0];
    EXPECT_EQ(Utf8DepuisCp1252(e2.nom + "|" + e2.classe + "|" + e2.anneeScolaire + "|" +
                               e2.professeur + "|" + e2.naissance + "|" + e2.periode + "|" +
                               e2.imprimeLe),
              "DE LA FONTAINE Éloïse-Marie|4B|2026 / 2027|M. Dupré|Date de naissance non "
              "connue|Trimestre 1|Imprimé le 05 décembre 2026");
    ASSERT_EQ(e2.blocs.size(), 2u);

    // French: 8, 9.5 and B+ (17.5) with coefficients 1, 2, 1: (8 + 19 + 17.5) / 4 = 11.125,
    // shown 11.1. Class: (14 + 11.125 + 6) / 3 = 10.375, shown 10.4. Assignment averages:
    // (12 + 8) / 2 = 10, (15 + 9.5) / 2 = 12.25 shown 12.2 (halves to even), (17.5 + 6) / 2
    // = 11.75 shown 11.8. Ranks: 14, 11.125, 6.
    const BlocReleve& fr = e2.blocs[0];
    EXPECT_EQ(Utf8DepuisCp1252(fr.titre + "|" + fr.coef), "Français - Trimestre 1|coef. 2");
    std::string lignes;
    for (const LigneReleve& l : fr.lignes)
        lignes += std::to_string(l.devoir) + " " + l.date + " " + l.coef + " " + texte(l.note) +
                  " " + std::to_string(l.note.couleur) + " " + texte(l.moyenneDevoir) + " " +
                  Utf8DepuisCp1252(l.commentaire) + ";";
    EXPECT_EQ(lignes, "1 12/09/2026 1 8 7 10 Dictée;2 03/10/2026 2 9.5 7 12.2 Rédaction;"
                      "3 17/10/2026 1 B+ 6 11.8 Lecture;");
    EXPECT_EQ(texte(fr.moyenne) + " " + texte(fr.moyenneClasse) + " " + fr.rang, "11.1 10.4 2 / 3");
    EXPECT_FALSE(fr.joker || fr.moyenne.sousMoyenne);

    // English: 7 and "disp": 7, below the pass mark; class (15 + 7) / 2 = 11; the third
    // student has no average and no rank.
    const BlocReleve& en = e2.blocs[1];
    EXPECT_EQ(texte(en.lignes[1].note) + " " + std::to_string(en.lignes[1].note.couleur),
              "disp 12");
    EXPECT_EQ(texte(en.moyenne) + " " + texte(en.moyenneClasse) + " " + en.rang, "7 11 2 / 2");
    EXPECT_TRUE(en.moyenne.sousMoyenne && en.moyenne.couleur == 9);

    // Summary: general (11.125 x 2 + 7) / 3 = 9.75, shown 9.8 and below 10; class
    // (14.333 + 9.75 + 6) / 3 = 10.03, shown 10.
    ASSERT_EQ(e2.synthese.size(), 3u);
    const LigneSynthese& g = e2.synthese[2];
    EXPECT_EQ(Utf8DepuisCp1252(g.intitule) + " " + texte(g.cases[0].eleve) + " " +
                  texte(g.cases[0].classe) + " " + g.cases[0].rang,
              "Moyenne générale 9.8 10 2 / 3");
    EXPECT_TRUE(g.cases[0].eleve.sousMoyenne);
    EXPECT_EQ(e2.synthese[0].coef + e2.synthese[1].coef, "21");

    // The same numbers as the export text of the subject view and of the synthesis.
    const std::string nom = c.NomEleve(2, Options.prenom);
    EXPECT_EQ(ligneExport(TexteExport(c, 1, 1), nom).back(), fr.moyenne.texte);
    const auto synthese = ligneExport(TexteExport(c, 4, 1), nom);
    ASSERT_EQ(synthese.size(), 4u);
    EXPECT_EQ(synthese[1] + synthese[2] + synthese[3],
              fr.moyenne.texte + en.moyenne.texte + g.cases[0].eleve.texte);

    std::string legende;
    for (const EntreeLegende& l : e2.legende) legende += l.code + "=" + l.sens + ";";
    EXPECT_EQ(Utf8DepuisCp1252(legende),
              "B+=vaut 17.5;disp=dispensé;=moyenne inférieure à 10 / 20;");
    EXPECT_EQ(e2.graphes.size(), 2u);
    EXPECT_EQ(e2.graphes[1].Barres.size(), 2u);

    // Joker averages: the subject view keeps the plain one beside, (9.5 x 2 + 17.5) / 3 =
    // 12.17 without the 8; the summary takes the joker ones, as the synthesis view does.
    TClasse joker = c;
    joker.Joker = 1;
    const Releve j = CalculerReleves(joker, {{2}, 1, false})[0];
    const auto matiere = ligneExport(TexteExport(joker, 1, 1), nom);
    EXPECT_EQ(matiere[matiere.size() - 2] + " " + matiere.back(), "11.1 12.2");
    EXPECT_EQ(texte(j.blocs[0].moyenne) + " " + texte(j.blocs[0].moyenneJoker), "11.1 12.2");
    EXPECT_EQ(ligneExport(TexteExport(joker, 4, 1), nom)[1], j.synthese[0].cases[0].eleve.texte);
    const std::string t = TexteExport(joker, 4, 1);
    EXPECT_EQ(cellules(t.substr(t.rfind('\r') + 1))[1], j.synthese[0].cases[0].classe.texte);
}

TEST_F(Releves, LAnneeLesElevesCochesEtLElevesSansNote) {
    TClasse c = classeRemplie();
    // The year of the first student: French (14 x 2 + 10 x 1) / 3 = 12.67, shown 12.7;
    // English 15; general (12.67 x 4 + 15 x 3) / 7 = 13.67, shown 13.7.
    const auto annee = CalculerReleves(c, {{1}, 4, false});
    ASSERT_EQ(annee.size(), 1u);
    const Releve& r = annee[0];
    EXPECT_EQ(Utf8DepuisCp1252(r.naissance + "|" + r.periode),
              "Né(e) le 05 mars 2012|Toute l'année");
    EXPECT_EQ(r.colonnesSynthese,
              (std::vector<std::string>{"Trim.1", "Trim.2", "Trim.3", cp1252("Année")}));
    EXPECT_EQ(r.blocs.size(), 6u);
    EXPECT_TRUE(r.blocs[2].lignes.empty());
    EXPECT_EQ(r.synthese[0].coef, "2+1+1");
    EXPECT_EQ(texte(r.synthese[0].cases[3].eleve) + " " + texte(r.synthese[1].cases[3].eleve) +
                  " " + texte(r.synthese[2].cases[3].eleve),
              "12.7 15 13.7");
    EXPECT_EQ(r.synthese[2].cases[3].rang, "");
    EXPECT_EQ(r.graphes[0].Barres.size(), 4u); // every assignment of the year
    const auto annuelle = ligneExport(TexteExport(c, 4, 4), c.NomEleve(1, Options.prenom));
    EXPECT_EQ(annuelle.back(), r.synthese[2].cases[3].eleve.texte);

    // Ticked students come in class order, once each; the new student has nothing.
    const auto coches = CalculerReleves(c, {{4, 3}, 1, false});
    ASSERT_EQ(coches.size(), 2u);
    EXPECT_EQ(coches[0].eleve, 3);
    std::string legende;
    for (const EntreeLegende& l : coches[0].legende) legende += l.code + ";";
    EXPECT_EQ(legende, "12,5;;?;");
    EXPECT_TRUE(coches[1].aucuneNote && coches[1].blocs.empty() && coches[1].synthese.empty());
    EXPECT_EQ(Utf8DepuisCp1252(coches[1].messageAucuneNote),
              "Aucune note pour cet élève ce trimestre 1.");
    // A code is something to show; a period the class lacks gives nothing.
    c.Eleve[4].Note[2][1][1] = "abs";
    EXPECT_FALSE(CalculerReleves(c, {{4}, 1, false})[0].aucuneNote);
    c.NbPeriode = 2;
    EXPECT_TRUE(CalculerReleves(c, {{}, 3, false}).empty());
    EXPECT_EQ(Utf8DepuisCp1252(CalculerReleves(c, {{4}, 2, false})[0].messageAucuneNote),
              "Aucune note pour cet élève ce semestre 2.");
}

class Classement : public ModeleTest {
protected:
    void SetUp() override {
        ModeleTest::SetUp();
        Options.prenom = false;
    }
};

TEST_F(Classement, EgalitesAbsentsEtElevesSansMoyenne) {
    // A missed assignment still leaves ELEVE1 an average of 12.5, equal to ELEVE3's.
    TClasse c =
        classeAvecNotes({{"abs", "12.5"}, {"", ""}, {"12.5", "12.5"}, {"14", "14"}, {"-9", "2"}});
    EXPECT_EQ(Classer(c, 1, 1, false),
              (std::vector<LigneClassement>{{" 1", " ELEVE4", " 14", ""},
                                            {" 2", " ELEVE3", " 12.5", ""},
                                            {" 3", " ELEVE1", " 12.5", " 1"},
                                            {" 4", " ELEVE5", " -3.5", ""},
                                            {"", " ELEVE2", " ??", " 2"}}));
    // Not ranked with an absence: below every ranked student, later student first.
    const std::vector<LigneClassement> sansAbsents = Classer(c, 1, 1, true);
    EXPECT_EQ(std::vector(sansAbsents.begin() + 2, sansAbsents.end()),
              (std::vector<LigneClassement>{{" 3", " ELEVE5", " -3.5", ""},
                                            {" n.c.", " ELEVE2", "", " 2"},
                                            {" n.c.", " ELEVE1", "", " 1"}}));
    // The reports take these ranks, absences counted, a student without average unranked.
    EXPECT_EQ(Rangs(c, 1, 1).rang, (std::vector<int>{0, 3, 0, 2, 1, 4}));
    EXPECT_EQ(Rangs(c, 1, 1).classes, 4);
    // The synthesis and the year rank too; a period without assignments does not.
    EXPECT_EQ(Classer(c, 4, 4, false)[0][1], " ELEVE4");
    EXPECT_EQ(Classer(c, 1, 2, false),
              (std::vector<LigneClassement>{{"", "Pas", "de note ce Trimestre", ""}}));
    EXPECT_EQ(Rangs(c, 1, 2).classes, 0);
    c.NbPeriode = 2;
    EXPECT_EQ(Classer(c, 2, 1, true)[0][2], "de note ce Semestre");
}

TEST_F(Classement, PressePapierEtFichierTexteOctetParOctet) {
    Options.prenom = true;
    TClasse c = classeAvecNotes({{"12", "abs"}, {"8", "15.5"}});
    c.AbrevClasse = "4B";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.Matiere[1].Nom = "Anglais";
    c.Eleve[1].Prenom = "Anne";
    c.Eleve[2].Prenom = "Paul";
    c.ModeArrondi = 1; // the ranking shows averages unrounded: 11.75 is 11.8, not 11
    EXPECT_EQ(Utf8DepuisCp1252(TexteClassement(c, 1, 1, false)),
              "4B / Anglais / Trim.1 ( 2026 / 2027 )\r"
              "Rang\tElève\tMoyenne\tAbsence\r"
              " 1\t ELEVE1 Anne\t 12\t 1\r"
              " 2\t ELEVE2 Paul\t 11.8\t\r");
    EXPECT_EQ(Utf8DepuisCp1252(TexteFichierClassement(c, 1, 1, true)),
              "4B / Anglais / Trim.1 ( 2026 / 2027 )\r\n\r\n"
              "Classement des élèves d'après la moyenne\r\n\r\n"
              " Rang\t   Eleve\t\tmoy.\tabsence\r\n\r\n"
              " 1\t ELEVE2 Paul\t\t 11.8\t\r\n"
              " n.c.\t ELEVE1 Anne\t\t\t 1\r\n");
}

TEST_F(Classement, AgesDecroissantsDatesManquantesOuImpossibles) {
    // 5283 days, unknown, 31 February, 5284, 5283, 29 February of a common year.
    TClasse c = classeNee({"15062012", "", "31022012", "14062012", "15062012", "29022013"});
    EXPECT_EQ(ListeAges(c), (std::vector<LigneAge>{{" ELEVE4", " 14 juin 2012", " 14 ans 6 mois"},
                                                   {" ELEVE5", " 15 juin 2012", " 14 ans 6 mois"},
                                                   {" ELEVE1", " 15 juin 2012", " 14 ans 6 mois"},
                                                   {" ELEVE6", " ??", " ??"},
                                                   {" ELEVE3", " ??", " ??"},
                                                   {" ELEVE2", " ??", " ??"}}));
}

TEST_F(Classement, AnniversairesDuMois) {
    EXPECT_EQ(Utf8DepuisCp1252(MoisEnCours()), "décembre 2026");
    // Today is Saturday 5 December 2026; a birth still to come has no birthday.
    TClasse c =
        classeNee({"20122011", "05122012", "15062012", "01122012", "31122026", "31112012", "ab"});
    EXPECT_EQ(
        AnniversairesDuMois(c),
        (std::vector<std::string>{"ELEVE1 va avoir 15 ans dimanche 20",
                                  "ELEVE2 a aujourd'hui 14 ans", "ELEVE4 a eu 14 ans mardi 01"}));
    // Born on 29 February, in a common year: Sunday the 28th.
    DefinirHorloge([] { return DateHeure{2027, 2, 28, 8, 0, 0}; });
    EXPECT_EQ(
        AnniversairesDuMois(classeNee({"29022012", "30022012", "27022013"})),
        (std::vector<std::string>{"ELEVE1 a aujourd'hui 15 ans", "ELEVE3 a eu 14 ans samedi 27"}));
    DefinirHorloge([] { return DateHeure{2027, 3, 1, 8, 0, 0}; });
    EXPECT_EQ(AnniversairesDuMois(c), std::vector<std::string>{"Pas d'anniversaire ce mois"});
}
