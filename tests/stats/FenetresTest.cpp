// The statistics windows: what each one shows, when it computes again, and how a screen
// reader reads it (the report's table and each chart's text alternative, a table of the
// values it draws). The expected values are worked out by hand.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include "../model/Fabrique.h"
#include "Cp1252.h"
#include "EcouteAccessible.h"
#include "Options.h"
#include "TStat01.h"
#include "TStat02.h"
#include "TStat03.h"
#include "TStat04.h"

using namespace quillora;

namespace {

// No test here changes the settings: they need only be the factory ones.
class Statistiques : public ::testing::Test {
protected:
    void SetUp() override { InitOptions(Options); }
};

// Four students, two assignments in period 1 and one in period 2 of subject 1.
TClasse quatreEleves() {
    TClasse c = test::classeAvecNotes({{"7", "11"}, {"8", "12"}, {"9", "13"}, {"10", "14"}});
    c.AbrevClasse = "4B";
    c.AnneeScolaire = "( 2026 / 2027 )";
    c.NbDevoir[1][2] = 1;
    for (int e = 1; e <= 4; ++e) c.Eleve[e].Note[1][2][1] = std::to_string(4 + 2 * e);
    return c;
}

// What a window shows: the chart's title, lines, bars, average and scale, or the table by
// rows.
std::string contenu(FenetreStatistique& f) {
    QStringList t;
    if (auto* g = dynamic_cast<FenetreGraphe*>(&f)) {
        t << g->G->Caption();
        for (int i = 1; i <= 5; ++i) t << g->G->LireLigne(i);
        const auto n = [](double v) { return QString::number(v); };
        QStringList barres;
        for (int i = 1; i <= g->G->NbBarre(); ++i) barres << n(g->G->Barre(i)->Valeur);
        t << barres.join(' ')
          << QStringLiteral("moy. %1, 0 à %2 par %3 (%4 traits %5 sur %6)")
                 .arg(n(g->G->BarreMoy().Valeur), n(g->G->Vmax()), n(g->G->PasVert()),
                      n(g->G->NbGradV()), g->G->CouleurL().name(), g->G->CouleurFond().name());
    } else if (auto* r = dynamic_cast<TStat04*>(&f)) {
        for (int l = 1; l <= 5; ++l) {
            QStringList ligne;
            for (int c = 1; c <= 5; ++c) ligne << r->T->Cellule(c, l);
            t << ligne.join(';');
        }
    }
    t.removeAll(QString());
    return t.join(QStringLiteral(" | ")).toStdString();
}

// Two students, two subjects of coefficient 1. Mathematics, period 1: ELEVE1 12 and 16,
// ELEVE2 8 and nothing; physics, period 1: ELEVE1 10.
TClasse deuxEleves() {
    TClasse c = test::classeAvecNotes({{"12", "16"}, {"8"}});
    c.AbrevClasse = "4B";
    c.NbMatiere = 2;
    c.Matiere[1].Nom = cp1252("Mathématiques");
    c.Matiere[2].Nom = "Physique";
    for (int s = 1; s <= 2; ++s)
        for (int p = 1; p <= 3; ++p) c.Matiere[s].Coef[p] = 1;
    c.NbDevoir[2][1] = 1;
    c.Eleve[1].Note[2][1][1] = "10";
    return c;
}

QAccessibleInterface* Table(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i && i->tableInterface() ? i : nullptr;
}

QString Nom(QAccessibleInterface* table, int l, int c) {
    return table->tableInterface()->cellAt(l, c)->text(QAccessible::Name);
}

class LectureStatistiques : public Statistiques {
protected:
    TClasse c = deuxEleves();
};

TEST_F(LectureStatistiques, LeBilanSeLitCommeUnTableauDesMoyennes) {
    TStat04 bilan(c, nullptr);
    QAccessibleInterface* t = Table(bilan.T);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->text(QAccessible::Name), "Moyenne de classe (4B)");
    // The subjects and their synthesis; the three periods and the year.
    EXPECT_EQ(t->tableInterface()->rowCount(), 3);
    EXPECT_EQ(t->tableInterface()->columnCount(), 4);
    // Mathematics: ELEVE1 14, ELEVE2 8, the class 11; physics: 10; the synthesis: ELEVE1
    // (14 + 10) / 2 = 12, ELEVE2 8, the class 10.
    EXPECT_EQ(Nom(t, 0, 0), "Mathématiques, Trim.1 : 11");
    EXPECT_EQ(Nom(t, 1, 0), "Physique, Trim.1 : 10");
    EXPECT_EQ(Nom(t, 2, 0), "Synthèse, Trim.1 : 10");
    EXPECT_EQ(Nom(t, 0, 1), "Mathématiques, Trim.2 : vide");
    EXPECT_EQ(Nom(t, 0, 3), "Mathématiques, Année : 11");
    EXPECT_EQ(t->tableInterface()->rowDescription(2), "Synthèse");
}

TEST_F(LectureStatistiques, LeGrapheALeTableauDeSesValeurs) {
    TStat01 evolution(c, nullptr);
    QAccessibleInterface* t = Table(evolution.G);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->text(QAccessible::Name), evolution.G->Caption());
    // The assignments' class averages: (12 + 8) / 2 and 16; the line, the class's year in
    // mathematics: (14 + 8) / 2.
    ASSERT_EQ(t->tableInterface()->rowCount(), 3);
    EXPECT_EQ(t->tableInterface()->columnDescription(0), "moyenne");
    EXPECT_EQ(Nom(t, 0, 0), "devoir 1 : 10");
    EXPECT_EQ(Nom(t, 1, 0), "devoir 2 : 16");
    EXPECT_EQ(Nom(t, 2, 0), "moyenne : 11");
    // ELEVE2's grades: below the pass mark in red, which is said; no grade, no bar.
    evolution.findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(2);
    EXPECT_EQ(t->tableInterface()->columnDescription(0), "note");
    EXPECT_EQ(Nom(t, 0, 0), "devoir 1 : 8, en dessous de la moyenne");
    EXPECT_EQ(Nom(t, 1, 0), "devoir 2 : aucune valeur");
    EXPECT_EQ(Nom(t, 2, 0), "moyenne : 8, en dessous de la moyenne");
    // Without its average line, the chart has no row for it.
    evolution.G->SetMoy(false);
    EXPECT_EQ(t->tableInterface()->rowCount(), 2);

    // How many students got each mark in assignment 2 of mathematics: ELEVE1's 16 alone.
    TStat02 repartition(c, nullptr);
    QAccessibleInterface* r = Table(repartition.G);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->tableInterface()->rowCount(), 21); // the marks 0 to 20, no average line
    EXPECT_EQ(Nom(r, 16, 0), "note 16 : 1 élève");
    EXPECT_EQ(Nom(r, 9, 0), "note 9 : 0 élève, en dessous de la moyenne");
}

TEST_F(LectureStatistiques, LesFlechesParcourentLesValeurs) {
    test::EcouteAccessible ecoute;
    TStat01 evolution(c, nullptr);
    TStat04 bilan(c, nullptr);
    // The window active, the value with the keyboard; then the last focus said.
    const auto activer = [](QWidget& fenetre, QWidget* valeurs) {
        fenetre.show();
        fenetre.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
        valeurs->setFocus();
    };
    const auto dernier = [&] {
        QCoreApplication::processEvents();
        return ecoute.De(QAccessible::Focus).last();
    };
    activer(evolution, evolution.G);
    EXPECT_EQ(dernier().nom, "devoir 1 : 10");
    QTest::keyClick(evolution.G, Qt::Key_Right);
    EXPECT_EQ(dernier().nom, "devoir 2 : 16");
    QTest::keyClick(evolution.G, Qt::Key_End);
    QTest::keyClick(evolution.G, Qt::Key_Right);
    EXPECT_EQ(dernier().nom, "moyenne : 11");

    activer(bilan, bilan.T);
    QTest::keyClick(bilan.T, Qt::Key_Down);
    QTest::keyClick(bilan.T, Qt::Key_End);
    EXPECT_EQ(dernier().nom, "Physique, Année : 10");
    QTest::keyClick(bilan.T, Qt::Key_Home);
    EXPECT_EQ(dernier().nom, "Physique");
}

// Each window is told of every change and computes again only when it may show it: here
// the evolution and the report of student 2, assignment 2 and the averages of period 1.
TEST_F(Statistiques, ChaqueCodeNeRecalculeQueCeQuIlPeutChanger) {
    // A change's code, period, item and student; which of TStat01..TStat04 compute again.
    const std::tuple<int, int, int, int, std::array<bool, 4>> cas[] = {
        {3, 1, 2, 2, {true, true, true, true}},     {3, 1, 1, 2, {true, false, true, true}},
        {3, 2, 1, 3, {false, false, false, false}}, {4, 1, 2, 0, {true, true, true, true}},
        {4, 2, 1, 0, {false, false, false, true}},  {2, 2, 0, 0, {false, false, false, true}},
        {2, 1, 0, 0, {true, true, true, true}},     {6, 0, 0, 0, {true, true, true, true}},
        {1, 0, 0, 0, {true, true, true, true}},     {7, 1, 1, 0, {true, true, true, true}},
        {5, 1, 0, 0, {false, false, false, false}},
    };
    for (const auto& [code, periode, item, eleve, recalcule] : cas) {
        TClasse c = quatreEleves();
        TStat01 s1(c);
        TStat02 s2(c);
        TStat03 s3(c);
        TStat04 s4(c);
        s1.findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(2);
        s4.findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(2);
        ASSERT_EQ(std::make_tuple(s1.EleveChoisi, s2.DevoirChoisi, s4.EleveChoisi),
                  std::make_tuple(2, 2, 2));
        FenetreStatistique* fenetres[] = {&s1, &s2, &s3, &s4};
        std::string avant[4];
        for (int i = 0; i < 4; ++i) avant[i] = contenu(*fenetres[i]);
        // Changed behind their backs: only a window that computes again shows it.
        c.Eleve[2].Note[1][1][2] = "20";
        c.Devoir[1][1][2].Coef = 3;
        for (FenetreStatistique* f : fenetres) f->Notifier(code, periode, item, eleve);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(contenu(*fenetres[i]) != avant[i], recalcule[i])
                << "TStat0" << i + 1 << ", code " << code << " period " << periode;
    }
}

TEST_F(Statistiques, LesBoutonsSuiventLaDivisionEtLesMatieresEtLesBarresLaNoteMoyenne) {
    TClasse c = quatreEleves();
    c.NbPeriode = 2;
    c.NbMatiere = 2;
    c.PeriodeCourante = 2;
    c.MatiereCourante = 4;
    TStat01 s1(c);
    auto bouton = [&](QWidget& w, const char* nom) {
        return w.findChild<QAbstractButton*>(QLatin1String(nom));
    };
    EXPECT_TRUE(bouton(s1, "SB2")->isChecked());
    EXPECT_TRUE(bouton(s1, "SB3")->isHidden() && !bouton(s1, "SB12")->isHidden() &&
                bouton(s1, "SB13")->isHidden());
    EXPECT_EQ(s1.MatiereChoisie, 1) << "the synthesis has no evolution";

    // The averages keep the synthesis.
    TStat03 s3(c);
    EXPECT_TRUE(s3.MatiereChoisie == 4 && bouton(s3, "SB14")->isChecked());

    // Another period and its last assignment; bars red below the pass mark, green from it.
    c.Eleve[1].Note[1][1][2] = "9.99";
    TStat02 s2(c);
    EXPECT_EQ(s2.DevoirChoisi, 1);
    bouton(s2, "SB1")->click();
    EXPECT_EQ(s2.DevoirChoisi, 2);
    EXPECT_EQ(s2.G->Barre(10)->CouleurBarre, QColor(Qt::red)) << "mark 9";
    EXPECT_EQ(s2.G->Barre(11)->CouleurBarre, QColor(0, 128, 0)) << "mark 10";
}

// What each window shows of the class above, worked out by hand.
TEST_F(Statistiques, LesChiffresEtLEchelleDeChaqueFenetre) {
    const TClasse c = quatreEleves();
    TStat01 s1(c);
    TStat02 s2(c);
    TStat03 s3(c);
    TStat04 s4(c);
    // The class's evolution: assignment averages (7 + 8 + 9 + 10) / 4 = 8.5 and 12.5; its
    // year line: the students' periods (9, 6), (10, 8), (11, 10), (12, 12) give 7.5, 9, 10.5
    // and 12, whose mean is 9.75. Marks from 0 to 20, a line every 5, black on the silver
    // of the settings.
    EXPECT_EQ(contenu(s1), "4B / Matière 1 / Trim.1 ( 2026 / 2027 ) | 8.5 12.5 | moy. 9.75, 0 à 20 "
                           "par 5 (4 traits #000000 sur #c0c0c0)");
    // The last assignment: 11 to 14, one each, mean 12.5, deviations 1.5 and 0.5 twice:
    // sqrt(5 / 4) = 1.1. A single student per mark: the scale goes to 1, by 1.
    EXPECT_EQ(contenu(s2),
              "4B / Matière 1 / Trim.1 / Devoir 2 ( 2026 / 2027 ) | Dev. 2 -  - Coef. 1 -  -  | "
              "Note max : 14 ( ELEVE4  ) | Note min : 11 ( ELEVE1  ) | "
              "0 note en dessous de la moyenne | "
              "Moyenne du devoir 12.5 - 0 absent - Ecart type : 1.1 | "
              "0 0 0 0 0 0 0 0 0 0 0 1 1 1 1 0 0 0 0 0 0 | moy. -1789, 0 à 1 par 1 (4 traits "
              "#000000 sur #c0c0c0)");
    // The averages of the first trimester: 9 to 12, mean 10.5, the same deviation.
    EXPECT_EQ(contenu(s3),
              "4B / Matière 1 / Trim.1 ( 2026 / 2027 ) | Moyenne max : 12 ( ELEVE4  ) | "
              "Moyenne min : 9 ( ELEVE1  ) | 1 élève en dessous de la moyenne | "
              "Moyenne du Trimestre: 10.5 - 0 absent - Ecart type : 1.1 | "
              "0 0 0 0 0 0 0 0 0 1 1 1 1 0 0 0 0 0 0 0 0 | moy. -1789, 0 à 1 par 1 (4 traits "
              "#000000 sur #c0c0c0)");
    // The class's report: the trimesters' means (9 + 10 + 11 + 12) / 4 and (6 + 8 + 10 + 12) / 4,
    // the year's 9.75 shown to one decimal.
    EXPECT_EQ(contenu(s4), ";Trim.1;Trim.2;Trim.3;Année | Matière 1;10.5;9;;9.8 | Matière 2;;;; | "
                           "Matière 3;;;; | Synthèse;10.5;9;;9.8");
}

} // namespace
