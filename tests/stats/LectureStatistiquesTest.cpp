// The statistics as a screen reader reads them: the report's table, and each chart's text
// alternative, a table of the values it draws. The expected values are worked out by hand.
#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include "Cp1252.h"
#include "EcouteAccessible.h"
#include "Options.h"
#include "TStat01.h"
#include "TStat02.h"
#include "TStat04.h"

using namespace quillora;

namespace {

// Two students, two subjects of coefficient 1. Mathematics, period 1: ARNAUD 12 and 16,
// BLANC 8 and nothing; physics, period 1: ARNAUD 10.
TClasse classe() {
    TClasse c;
    c.Initialiser();
    c.AbrevClasse = "4B";
    c.NbMatiere = 2;
    c.Matiere[1].Nom = cp1252("Mathématiques");
    c.Matiere[2].Nom = "Physique";
    for (int s = 1; s <= 2; ++s)
        for (int p = 1; p <= 3; ++p) c.Matiere[s].Coef[p] = 1;
    c.NbEleve = 2;
    c.Eleve[1].Nom = "ARNAUD";
    c.Eleve[2].Nom = "BLANC";
    c.NbDevoir[1][1] = 2;
    c.NbDevoir[2][1] = 1;
    c.Eleve[1].Note[1][1][1] = "12";
    c.Eleve[1].Note[1][1][2] = "16";
    c.Eleve[2].Note[1][1][1] = "8";
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

class LectureStatistiques : public ::testing::Test {
protected:
    void SetUp() override { InitOptions(Options); }
    void TearDown() override { InitOptions(Options); }
    TClasse c = classe();
};

TEST_F(LectureStatistiques, LeBilanSeLitCommeUnTableauDesMoyennes) {
    TStat04 bilan(c, nullptr);
    QAccessibleInterface* t = Table(bilan.T);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->text(QAccessible::Name), "Moyenne de classe (4B)");
    // The subjects and their synthesis; the three periods and the year.
    EXPECT_EQ(t->tableInterface()->rowCount(), 3);
    EXPECT_EQ(t->tableInterface()->columnCount(), 4);
    // Mathematics: ARNAUD 14, BLANC 8, the class 11; physics: 10; the synthesis: ARNAUD
    // (14 + 10) / 2 = 12, BLANC 8, the class 10.
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
    // BLANC's grades: below the pass mark in red, which is said; no grade, no bar.
    evolution.findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(2);
    EXPECT_EQ(t->tableInterface()->columnDescription(0), "note");
    EXPECT_EQ(Nom(t, 0, 0), "devoir 1 : 8, en dessous de la moyenne");
    EXPECT_EQ(Nom(t, 1, 0), "devoir 2 : aucune valeur");
    EXPECT_EQ(Nom(t, 2, 0), "moyenne : 8, en dessous de la moyenne");
    // Without its average line, the chart has no row for it.
    evolution.G->SetMoy(false);
    EXPECT_EQ(t->tableInterface()->rowCount(), 2);

    // How many students got each mark in assignment 2 of mathematics: ARNAUD's 16 alone.
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
    for (QWidget* w : {static_cast<QWidget*>(&evolution), static_cast<QWidget*>(&bilan)}) {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    const auto dernier = [&] {
        QCoreApplication::processEvents();
        return ecoute.De(QAccessible::Focus).last();
    };
    evolution.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&evolution));
    evolution.G->setFocus();
    EXPECT_EQ(dernier().nom, "devoir 1 : 10");
    QTest::keyClick(evolution.G, Qt::Key_Right);
    EXPECT_EQ(dernier().nom, "devoir 2 : 16");
    QTest::keyClick(evolution.G, Qt::Key_End);
    QTest::keyClick(evolution.G, Qt::Key_Right);
    EXPECT_EQ(dernier().nom, "moyenne : 11");

    bilan.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bilan));
    bilan.T->setFocus();
    QTest::keyClick(bilan.T, Qt::Key_Down);
    QTest::keyClick(bilan.T, Qt::Key_End);
    EXPECT_EQ(dernier().nom, "Physique, Année : 10");
    QTest::keyClick(bilan.T, Qt::Key_Home);
    EXPECT_EQ(dernier().nom, "Physique");
}

} // namespace
