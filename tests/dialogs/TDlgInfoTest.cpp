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

TEST(TDlgInfo, ShowsTheProgramItsAuthorAndItsSiteAllInsideTheBox) {
    quillora::test::PlateformeFactice plateforme;
    TDlgInfo d;
    EXPECT_EQ(d.windowTitle(), "Information");
    EXPECT_EQ(d.size(), QSize(530, 312));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());

    QStringList textes;
    QLabel* site = nullptr;
    for (QLabel* l : d.findChildren<QLabel*>()) {
        textes << l->text();
        if (l->text().contains("href")) site = l;
        if (!l->pixmap().isNull()) {
            EXPECT_EQ(l->pixmap().size(), QSize(72, 72));
            continue;
        }
        // Nothing cut: each text fits its label, and each label the panel.
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->text();
        EXPECT_TRUE(l->parentWidget()->contentsRect().contains(l->geometry())) << l->text();
    }
    for (const char* attendu :
         {"QUILLORA", "Quillora 4.0", "Auteur", "Site internet sur ce logiciel"})
        EXPECT_TRUE(textes.contains(QString::fromUtf8(attendu))) << attendu;
    ASSERT_NE(site, nullptr);
    emit site->linkActivated(SiteOfficiel());
    EXPECT_EQ(plateforme.urlsOuvertes, QStringList{SiteOfficiel()});

    d.show();
    QPushButton* ok = d.findChild<QPushButton*>();
    ASSERT_TRUE(ok && ok->text() == "OK");
    EXPECT_TRUE(d.rect().contains(ok->geometry()));
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
