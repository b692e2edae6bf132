// The frame driven without a mouse: Ctrl+Tab between the windows, F6 between a window and
// the period panel, the keyboard in the window activated.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>

#include "Cadre.h"
#include "NavigationClavier.h"
#include "ZoneClients.h"

namespace quillora::test {

namespace {

class Clavier : public Cadre {
protected:
    void SetUp() override {
        Cadre::SetUp();
        cadre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
    }
    void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }
    QWidget* active() const { return cadre->Zone()->activeSubWindow()->widget(); }
    static bool dans(const QWidget* w) {
        const QWidget* f = QApplication::focusWidget();
        return f && (f == w || w->isAncestorOf(f));
    }
};

TEST_F(Clavier, CtrlTabPasseDeFenetreEnFenetreEtLeClavierSuit) {
    TChild* feuille = ouvrir();
    EXPECT_TRUE(feuille->hasFocus());
    QWidget* evolution = feuille->OuvrirStatistique(1);
    QWidget* moyennes = feuille->OuvrirStatistique(3);
    ASSERT_EQ(active(), moyennes);
    EXPECT_TRUE(dans(moyennes));
    touche(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(active(), feuille);
    EXPECT_TRUE(feuille->hasFocus());
    touche(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(active(), evolution);
    // A statistics window's chart has the keyboard first.
    EXPECT_EQ(QApplication::focusWidget(), evolution->findChild<QWidget*>(QStringLiteral("G")));
    // Back, as X reports Ctrl+Shift+Tab.
    touche(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(active(), feuille);
    EXPECT_TRUE(feuille->hasFocus());
    touche(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(active(), moyennes);
}

TEST_F(Clavier, F6VaDeLaFeuilleAuPanneauDesPeriodesEtRevient) {
    TChild* feuille = ouvrir();
    auto* panneau = cadre->findChild<QLabel*>(QStringLiteral("V2"));
    touche(Qt::Key_F6);
    EXPECT_TRUE(panneau->hasFocus());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panneau)->text(QAccessible::Name),
              "Période affichée : Trimestre 1");
    // Tab goes on along the panel, F6 comes back from anywhere in it.
    touche(Qt::Key_Tab);
    EXPECT_FALSE(feuille->hasFocus());
    touche(Qt::Key_F6);
    EXPECT_TRUE(feuille->hasFocus());
    // An entry left open is where the keyboard comes back to.
    feuille->Ligne = 1;
    feuille->Colonne = 1;
    feuille->OuvrirSaisie(QStringLiteral("1"));
    touche(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(panneau->hasFocus());
    touche(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(feuille->EditNote->hasFocus());
    touche(Qt::Key_Escape);
    feuille->ChangerTrimestre(4);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panneau)->text(QAccessible::Name),
              "Période affichée : Bilan");
}

TEST_F(Clavier, LesBoutonsDuPanneauOntUnNom) {
    ouvrir(QStringLiteral("TS2.cl3"));
    const QWidget* panel = cadre->findChild<QWidget*>(QStringLiteral("Panel"));
    for (QAbstractButton* b : panel->findChildren<QAbstractButton*>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name).isEmpty())
            << b->objectName().toStdString();
    // The period button's name is its hint, which follows the class's division.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(cadre->Bouton(QStringLiteral("SB9")))
                    ->text(QAccessible::Name)
                    .endsWith(QStringLiteral("emestre")));
    EXPECT_EQ(NomPanneauPeriode(nullptr, 0), "Période affichée : aucune");
}

} // namespace

} // namespace quillora::test
