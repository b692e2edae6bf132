#include <gtest/gtest.h>

#include <numeric>

#include "Fabrique.h"
#include "Statistiques.h"

using namespace quillora;
using namespace quillora::test;

class Arithmetique : public ModeleTest {};

TEST_F(Arithmetique, UnTexteSeLitEntierementCommeNombreOuPasDuTout) {
    EXPECT_EQ(ValeurNote("12").genre, NoteNombre);
    EXPECT_DOUBLE_EQ(ValeurNote("  -.5").valeur, -0.5);
    EXPECT_DOUBLE_EQ(ValeurNote("1e1").valeur, 10); // upper-cased, then an exponent
    for (const char* pasUnNombre :
         {"", "abs", "disp", "excu", "ret", "12,5", "12 ", "1e", "1.2.3", "+", ".", "12a", "1E999"})
        EXPECT_EQ(ValeurNote(pasUnNombre).genre, PasUneNote) << pasUnNombre;
}

TEST_F(Arithmetique, LesLettresComptentSeulementAvecLaTableEnService) {
    EXPECT_EQ(ValeurNote("b+").genre, NoteLettre);
    EXPECT_DOUBLE_EQ(ValeurNote("b+").valeur, 17.5);
    EXPECT_DOUBLE_EQ(ValeurNote("E-").valeur, 0);

    Options.cores[3].coresL = "a-"; // a key with small letters never matches upper-cased input
    EXPECT_EQ(ValeurNote("a-").genre, PasUneNote);
    // A key cleared in the table is no letter: empty cells stay without a grade, and the
    // keys after it still count.
    Options.cores[4].coresL = "";
    EXPECT_EQ(ValeurNote("").genre, PasUneNote);
    EXPECT_EQ(classeAvecNotes({{"", ""}}).MoyenneMatiere(1, 1, false, 1), NonCalculable);
    EXPECT_DOUBLE_EQ(ValeurNote("B").valeur, 15);

    Options.utiliserL = false;
    EXPECT_EQ(ValeurNote("B+").genre, PasUneNote);
    EXPECT_EQ(ValeurNote("").genre, PasUneNote);
}

// Mode 0 is the plain tenth, halves to even; the others round the average before it.
TEST_F(Arithmetique, LesSeptModesDArrondi) {
    const std::tuple<int, double, const char*> cas[] = {
        {0, 40.0 / 3, "13.3"}, {0, 9.96, "10"},    {0, 12.25, "12.2"}, {0, 12.75, "12.8"},
        {0, -0.04, "0"},       {0, -2.5, "-2.5"},  {1, 12.99, "12"},   {2, 12.49, "12"},
        {2, 12.5, "13"},       {3, 12, "13"},      {3, 12.01, "13"},   {4, 12.49, "12"},
        {4, 12.5, "12.5"},     {4, 12.99, "12.5"}, {5, 12.24, "12"},   {5, 12.25, "12.5"},
        {5, 12.74, "12.5"},    {5, 12.75, "13"},   {6, 12, "12.5"},    {6, 12.49, "12.5"},
        {6, 12.7, "13"},
    };
    for (const auto& [mode, x, texte] : cas)
        EXPECT_EQ(FormatArrondi(mode, x), texte) << mode << " " << x;
    for (int mode = 0; mode <= 6; ++mode) EXPECT_EQ(FormatArrondi(mode, NonCalculable), "?");
}

// The joker drops the lowest grade with its own coefficient, never the last one counted.
TEST_F(Arithmetique, MoyenneDUneMatiereAvecCoefficientsEtJoker) {
    const std::tuple<std::vector<std::string>, std::vector<double>, bool, double> cas[] = {
        {{"12", "abs", "15"}, {1, 1, 2}, false, 14},
        {{"12", "abs", "15"}, {1, 1, 2}, true, 15},
        {{"abs", "13", ""}, {}, true, 13},
        {{"10", "6", "16"}, {1, 3, 1}, true, 13},
        {{"abs", "disp", ""}, {}, false, NonCalculable},
        {{"abs", "disp"}, {}, true, NonCalculable},
        {{"12", "15"}, {0, 0}, false, NonCalculable},
        {{"12", "15"}, {0, 0}, true, NonCalculable},
        {{"8", "14"}, {1, 0}, true, 8},
    };
    for (const auto& [notes, coefs, joker, moyenne] : cas)
        EXPECT_EQ(classeAvecNotes({notes}, coefs).MoyenneMatiere(1, 1, joker, 1), moyenne)
            << notes[0] << " " << joker;
}

TEST_F(Arithmetique, MoyennesGeneralesEtAnnuelles) {
    // Subject 1: 12 in T1, 15 in T2; subject 2: 8 in T1; subject 3 has no grade.
    TClasse c = classeAvecNotes({{"12"}});
    noter(c, 1, 2, {{"15"}});
    noter(c, 2, 1, {{"8"}});
    c.Matiere[1].Coef[1] = 2;

    EXPECT_DOUBLE_EQ(c.MoyenneGenerale(1, false, 1), (12 * 2 + 8) / 3.0);
    // The year average of a subject weights its period averages, not its grades.
    EXPECT_DOUBLE_EQ(c.MoyenneAnnuelleMatiere(1, false, 1), (12 * 2 + 15) / 3.0);
    // Year over subjects: each subject weighs the sum of its period coefficients.
    const double attendu = ((12 * 2 + 15) / 3.0 * 4 + 8 * 3) / 7;
    EXPECT_NEAR(c.MoyenneAnnuelle(false, 1), attendu, 1e-9);

    // Subjects whose coefficients are all zero drop out; with every subject so, nothing.
    for (int i = 0; i < 9; ++i) c.Matiere[i / 3 + 1].Coef[i % 3 + 1] = 0;
    EXPECT_EQ(c.MoyenneGenerale(1, false, 1), NonCalculable);
    EXPECT_EQ(c.MoyenneAnnuelle(false, 1), NonCalculable);

    // Subjects beyond those in use are not averaged.
    for (int i = 0; i < 9; ++i) c.Matiere[i / 3 + 1].Coef[i % 3 + 1] = 1;
    c.NbMatiere = 1;
    EXPECT_DOUBLE_EQ(c.MoyenneGenerale(1, false, 1), 12);
}

TEST_F(Arithmetique, LesSommesDeLAnneeSontDesReelsDeSixOctets) {
    // 1/3 kept on 40 significant bits: 2^41/3 = 733007751850.67 rounds up.
    EXPECT_EQ(ArrondiReel48(1.0L / 3), 733007751851.0L / 0x1p41L);
    // Exact halves go away from zero, not to even.
    EXPECT_EQ(ArrondiReel48(1 + 0x1p-40L), 1 + 0x1p-39L);
    EXPECT_EQ(ArrondiReel48(-(1 + 0x1p-40L)), -(1 + 0x1p-39L));
    EXPECT_EQ(ArrondiReel48(0x1p-130L), 0.0L); // below the smallest 6-byte real

    // A year average of thirds differs from the plain double computation in the last bits.
    TClasse c = classeAvecNotes({{}});
    for (int p = 1; p <= 3; ++p) noter(c, 1, p, {{"10", "10", p == 2 ? "11" : "10"}});
    const double m48 = static_cast<double>(ArrondiReel48(static_cast<double>(31.0L / 3)));
    const long double somme = ArrondiReel48(ArrondiReel48(10.0L + m48) + 10);
    EXPECT_EQ(c.MoyenneAnnuelleMatiere(1, false, 1), static_cast<double>(somme / 3));
    EXPECT_NE(c.MoyenneAnnuelleMatiere(1, false, 1), (10 + 31.0 / 3 + 10) / 3);
}

TEST_F(Arithmetique, MoyennesDeClasseEtDeDevoir) {
    TClasse c = classeAvecNotes({{"10", "abs"}, {"abs", "abs"}, {"14", "B+"}}, {1, 2});
    // Only the students with an average count.
    EXPECT_DOUBLE_EQ(c.MoyenneClasse(1, 1, false), (10 + (14 + 17.5 * 2) / 3) / 2);
    // Assignment averages ignore coefficients and count letters.
    EXPECT_DOUBLE_EQ(c.MoyenneDevoir(1, 1, false, 1), 12);
    EXPECT_DOUBLE_EQ(c.MoyenneDevoir(1, 1, true, 2), 17.5);
    Options.utiliserL = false;
    EXPECT_EQ(c.MoyenneDevoir(1, 1, false, 2), NonCalculable);

    EXPECT_EQ(classeAvecNotes({{"abs"}}).MoyenneClasse(4, 4, true), NonCalculable);
}

TEST_F(Arithmetique, LesAbsencesSeComptentSurToutesLesMatieresEtPeriodes) {
    TClasse c = classeAvecNotes({{"abs", "12", ""}});
    c.NbMatiere = 1; // counted all the same
    c.NbPeriode = 2;
    noter(c, 1, 3, {{"ret"}});
    noter(c, 2, 1, {{"disp", "excu"}});
    noter(c, 3, 2, {{"B+", "x"}});
    EXPECT_EQ(c.NbAbsences(1, 1, 1), 2);
    EXPECT_EQ(c.NbAbsences(4, 1, 1), 4);
    EXPECT_EQ(c.NbAbsences(4, 4, 1), 6);
}

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
