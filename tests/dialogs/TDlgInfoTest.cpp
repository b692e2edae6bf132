#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "DialoguesScriptes.h"
#include "Programme.h"
#include "TDlgInfo.h"

using namespace quillora;

namespace {

TEST(TDlgInfo, TheSiteOpensAndEnterCloses) {
    quillora::test::PlateformeFactice plateforme;
    TDlgInfo d;
    for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text().contains("href")) emit l->linkActivated(SiteOfficiel());
    EXPECT_EQ(plateforme.urlsOuvertes, QStringList{SiteOfficiel()});
    d.show();
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
