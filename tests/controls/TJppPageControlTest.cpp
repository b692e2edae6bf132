#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "ImpressionQt.h"
#include "TJppPageControl.h"

using namespace quillora;

namespace {

const char* const onglets[] = {"&Divers",           "&Couleur",         "&Police",
                               "&Impression",       "&Sauvegarde",      "&Titre imprimé",
                               "&Lettre + Chiffre", "Saisie des &notes"};

class PageControl : public ::testing::Test {
protected:
    PageControl() {
        for (const char* o : onglets)
            c.addTab(new QLabel(QString::fromUtf8(o)), QString::fromUtf8(o));
        c.resize(623, 300);
    }
    int ligne(int onglet) const { return c.tabRect(onglet).top(); }

    TJppPageControl c;
};

TEST_F(PageControl, WrapsItsTabsOnRowsWithTheSelectedRowNextToThePages) {
    c.resize(300, 300);
    const int rangs = c.rowCount();
    ASSERT_GT(rangs, 1);
    int bas = 0;
    for (int i = 0; i < c.count(); ++i) {
        const QRect r = c.tabRect(i);
        EXPECT_TRUE(c.rect().contains(r)) << i;
        for (int j = i + 1; j < c.count(); ++j) EXPECT_FALSE(r.intersects(c.tabRect(j)));
        bas = std::max(bas, r.bottom());
    }
    EXPECT_GT(c.widget(0)->mapTo(&c, QPoint(0, 0)).y(), bas);

    // The first tab is selected, so its row is the lowest.
    const int dernier = c.count() - 1;
    EXPECT_GT(ligne(0), ligne(dernier));
    c.setCurrentIndex(dernier);
    EXPECT_GT(ligne(dernier), ligne(0));
    EXPECT_EQ(c.rowCount(), rangs);

    c.resize(2000, 300);
    EXPECT_EQ(c.rowCount(), 1);
}

TEST_F(PageControl, ATabIsChosenByClickOrAccelerator) {
    c.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    QSignalSpy changes(&c, &TJppPageControl::currentChanged);
    c.activateWindow();
    QTest::keyClick(&c, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(c.currentIndex(), 7);
    QTest::mouseClick(&c, Qt::LeftButton, {}, c.tabRect(2).center());
    EXPECT_EQ(c.currentIndex(), 2);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(c.widget(2)->isVisible());
}

// Without a mouse: the arrows go round the tabs; a screen reader reads the tabs as such, the
// selected one marked, and can choose one.
TEST_F(PageControl, TheArrowsAndAScreenReaderGoFromTabToTab) {
    c.show();
    c.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
    c.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&c, Qt::Key_Left);
    EXPECT_EQ(c.currentIndex(), 7);
    QTest::keyClick(&c, Qt::Key_Right);
    QTest::keyClick(&c, Qt::Key_Right);
    EXPECT_EQ(c.currentIndex(), 1);
    QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(&c);
    ASSERT_EQ(liste->role(), QAccessible::PageTabList);
    QAccessibleInterface* titre = liste->child(5);
    EXPECT_EQ(titre->role(), QAccessible::PageTab);
    EXPECT_EQ(titre->text(QAccessible::Name), "Titre imprimé");
    EXPECT_TRUE(liste->child(1)->state().selected);
    EXPECT_FALSE(titre->state().selected);
    titre->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(c.currentIndex(), 5);
    EXPECT_TRUE(titre->state().focused);
    // After the tabs, the pages.
    EXPECT_EQ(liste->indexOfChild(liste->child(c.count())), c.count());
}

} // namespace
