#include <gtest/gtest.h>

#include <numeric>

#include "Fabrique.h"
#include "Statistiques.h"

using namespace quillora;
using namespace quillora::test;

class Statistiques : public ModeleTest {
protected:
    // Students named ELEVEn Ana.
    static TClasse classe(const std::vector<std::vector<std::string>>& lignes) {
        TClasse c = classeAvecNotes(lignes);
        for (int e = 1; e <= c.NbEleve; ++e) c.Eleve[e].Prenom = "Ana";
        return c;
    }
    // One assignment's grades, one student each.
    static TClasse devoir(const std::vector<std::string>& notes) {
        std::vector<std::vector<std::string>> lignes;
        for (const std::string& n : notes) lignes.push_back({n});
        return classe(lignes);
    }
    static std::vector<double> valeurs(const GrapheStat& g) {
        std::vector<double> v;
        for (const BarreStat& b : g.Barres) v.push_back(b.Valeur);
        return v;
    }
};

TEST_F(Statistiques, LesCinqLignesDUnDevoirCalculeesALaMain) {
    TClasse c = devoir({"12", "8", "abs", "15", "8"});
    TDevoir& d = c.Devoir[1][1][1];
    d.Coef = 2.0;
    d.Date = "12/10/2026";
    d.Duree = "1h";
    d.Commentaire = cp1252("Contrôle");
    const GrapheStat g = CalculerRepartitionDevoir(c, 1, 1, 1, false);
    // Mean 10.75; squared deviations 1.5625 + 7.5625 + 18.0625 + 7.5625 over 4 students.
    const std::array<std::string, 5> attendues = {
        cp1252("Dev. 1 - 12/10/2026 - Coef. 2 - 1h - Contrôle"), "Note max : 15 ( ELEVE4 Ana )",
        cp1252("Note min : 8 ( 2 élèves )"), "2 notes en dessous de la moyenne",
        "Moyenne du devoir 10.8 - 1 absent - Ecart type : 2.9"};
    EXPECT_EQ(g.Lignes, attendues);

    // The minimum is a grade given, even above 20.
    Options.notemax = 24;
    const TClasse hauts = devoir({"22", "21.5", "23"});
    EXPECT_EQ(CalculerRepartitionDevoir(hauts, 1, 1, 1, false).Lignes[2],
              "Note min : 21.5 ( ELEVE2 Ana )");
    EXPECT_EQ(CalculerRepartitionMoyennes(hauts, 1, 4, false).Lignes[1],
              "Moyenne min : 21.5 ( ELEVE2 Ana )");
}

TEST_F(Statistiques, LesNotesSeComptentParNoteEntiereDePartEtDAutreDeLaMoyenne) {
    TClasse c = devoir({"9.99", "10", "10", "10", "23", "25", "-3"});
    Options.notemax = 18;
    GrapheStat g = CalculerRepartitionDevoir(c, 1, 1, 1, false);
    ASSERT_EQ(g.Barres.size(), 19u);
    const std::vector<double> barres = valeurs(g);
    EXPECT_EQ(std::make_pair(barres[9], barres[10]), std::make_pair(1.0, 3.0)) << "9.99 is 9";
    EXPECT_EQ(std::make_pair(g.Barres[9].Reussie, g.Barres[10].Reussie),
              std::make_pair(false, true));
    EXPECT_EQ(g.Lignes[3], "2 notes en dessous de la moyenne") << "9.99 and -3, not 10";
    // 23 has no bar but its counter is part of the scale; 25 and -3 are counted nowhere.
    EXPECT_EQ(g.Vmax, 3);
    EXPECT_EQ(std::accumulate(barres.begin(), barres.end(), 0.0), 4);
    EXPECT_EQ(std::make_pair(g.PasVert, g.NbGradV), std::make_pair(1, 4));

    // Seven equal grades: the scale steps by 7 / 5.
    g = CalculerRepartitionDevoir(devoir(std::vector<std::string>(7, "14")), 1, 1, 1, false);
    EXPECT_EQ(std::make_tuple(g.Vmax, g.PasVert, g.NbGradV), std::make_tuple(7, 1, 7));
}

TEST_F(Statistiques, SansNoteLesGraphesLeDisentDansLeurTitre) {
    const TClasse absents = devoir({"abs", "", "disp"});
    EXPECT_EQ(CalculerRepartitionDevoir(absents, 1, 1, 1, false).Caption, "Pas de notes.");
    EXPECT_TRUE(CalculerRepartitionDevoir(absents, 1, 1, 1, false).Barres.empty());
    EXPECT_EQ(CalculerRepartitionDevoir(absents, 1, 4, 1, false).Caption,
              "Pas de devoir lors du bilan annuel.");
    EXPECT_EQ(CalculerRepartitionMoyennes(absents, 1, 1, false).Caption,
              "Moyenne non calculable !");
    EXPECT_EQ(CalculerEvolution(absents, 1, 2, 0, false).Caption, "Pas de notes ce Trimestre");
}

TEST_F(Statistiques, LesMoyennesSeRepartissentAvecLEcartDesMoyennes) {
    TClasse c = classe({{"12", "14"}, {"6", "abs"}, {"abs", "abs"}, {"18", "16"}});
    const GrapheStat g = CalculerRepartitionMoyennes(c, 1, 1, false);
    // Averages 13, 6 and 17 around 12: squared deviations 1 + 36 + 25.
    EXPECT_EQ(g.Lignes, (std::array<std::string, 5>{
                            "Moyenne max : 17 ( ELEVE4 Ana )", "Moyenne min : 6 ( ELEVE2 Ana )",
                            cp1252("1 élève en dessous de la moyenne"),
                            "Moyenne du Trimestre: 12 - 1 absent - Ecart type : 4.5", ""}));
    c.NbPeriode = 2;
    EXPECT_EQ(CalculerRepartitionMoyennes(c, 1, 4, false).Lignes[3],
              cp1252("Moyenne de l'année : 12 - 1 absent - Ecart type : 4.5"));
}

TEST_F(Statistiques, LEvolutionMontreLesNotesDUnEleveOuLesMoyennesDeLaClasse) {
    TClasse c = classeAvecNotes({{"12", "abs", "9.5"}, {"8", "abs", "B+"}});
    // Student 1: his grades, "abs" at the foot of an empty bar; the average line is his.
    GrapheStat g = CalculerEvolution(c, 1, 1, 1, false);
    EXPECT_EQ(valeurs(g), (std::vector<double>{12, NonCalculable, 9.5}));
    EXPECT_EQ(g.Barres[1].Texte, "abs");
    EXPECT_EQ(std::make_tuple(g.Barres[0].Reussie, g.Barres[2].Reussie),
              std::make_tuple(true, false));
    EXPECT_EQ(g.Moyenne, 10.75); // (12 + 9.5) / 2
    // The class: each assignment's average, "?" when nobody has a grade.
    EXPECT_EQ(CalculerEvolution(c, 1, 1, 0, false).Barres[1].Texte, "?");
}

// Every grade of the year gets its bar; with many, only every tenth is numbered.
TEST_F(Statistiques, ToutesLesNotesDeLAnneeSontMontrees) {
    TClasse c = devoir({"10"});
    for (int p = 1; p <= 3; ++p) c.NbDevoir[1][p] = 24;
    const GrapheStat g = CalculerEvolution(c, 1, 5, 0, false);
    ASSERT_EQ(g.Barres.size(), 72u);
    EXPECT_EQ(g.Barres[4].Legende + g.Barres[9].Legende, "10");
}

TEST_F(Statistiques, LeBilanSuitLaDivisionEtFinitParLaSyntheseDeLAnnee) {
    TClasse c = classe({{"12"}, {"8"}});
    c.NbPeriode = 2;
    c.NbMatiere = 2;
    c.NbDevoir[2][2] = 1;
    c.Eleve[1].Note[2][2][1] = "16";
    // Semester 2: 16 alone. The year: (12 + 16) / 2 = 14 and 8, whose mean is 11.
    std::string t;
    for (int l = 0; l < 5; ++l)
        for (int col = 0; col < 5; ++col) t += CalculerBilan(c, 0).Cellules[col][l] + "|";
    EXPECT_EQ(Utf8DepuisCp1252(t), "|Sem.1|Sem.2|Année||Matière 1|10||10||Matière 2||16|16||"
                                   "Synthèse|10|16|11|||||||");
    EXPECT_EQ(CalculerBilan(c, 0).NbColonne * 10 + CalculerBilan(c, 0).NbLigne, 44);
    Options.indsep = 5;
    EXPECT_EQ(CalculerBilan(c, 1).Cellules[2][2], "16");
}
