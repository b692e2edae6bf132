#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "DialoguesScriptes.h"
#include "ImpressionQt.h"
#include "Programme.h"
#include "TDlgInfo.h"

using namespace quillora;

namespace {

TEST(TDlgInfo, NothingIsCutTheSiteOpensAndEnterCloses) {
    quillora::test::PlateformeFactice plateforme;
    TDlgInfo d;
    QLabel* site = nullptr;
    for (QLabel* l : d.findChildren<QLabel*>()) {
        if (l->text().contains("href")) site = l;
        if (!l->pixmap().isNull()) continue;
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->text();
        EXPECT_TRUE(l->parentWidget()->contentsRect().contains(l->geometry())) << l->text();
    }
    ASSERT_NE(site, nullptr);
    emit site->linkActivated(SiteOfficiel());
    EXPECT_EQ(plateforme.urlsOuvertes, QStringList{SiteOfficiel()});

    d.show();
    QPushButton* ok = d.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(d.rect().contains(ok->geometry()));
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
