#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "DialoguesScriptes.h"
#include "ImpressionQt.h"
#include "Programme.h"
#include "TDlgInfo.h"

using namespace quillora;
using quillora::test::PlateformeFactice;

namespace {

TEST(TDlgInfo, ShowsTheProgramItsAuthorAndItsSiteAllInsideTheBox) {
    PlateformeFactice plateforme;
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
        const QRect dansPanneau = l->parentWidget()->contentsRect();
        EXPECT_TRUE(dansPanneau.contains(l->geometry())) << l->text();
    }
    for (const QString& attendu :
         {QStringLiteral("QUILLORA"), TitreProgramme(), QStringLiteral("Auteur"),
          QStringLiteral("Site internet sur ce logiciel")})
        EXPECT_TRUE(textes.contains(attendu)) << attendu;
    EXPECT_EQ(TitreProgramme(), "Quillora 4.0");

    ASSERT_NE(site, nullptr);
    emit site->linkActivated(SiteOfficiel());
    EXPECT_EQ(plateforme.urlsOuvertes, QStringList{SiteOfficiel()});

    d.show();
    QPushButton* ok = d.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(d.rect().contains(ok->geometry()));
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
