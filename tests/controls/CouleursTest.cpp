#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "DialoguesScriptes.h"
#include "ImpressionQt.h"
#include "Programme.h"
#include "TColorPanel.h"
#include "TMaColorDialog.h"

using namespace quillora;
using quillora::test::DialoguesScriptes;
using quillora::test::PlateformeFactice;

namespace {

class Couleurs : public ::testing::Test {
protected:
    Couleurs() {
        QDir(plateforme.bac.path()).mkpath(QStringLiteral("bin"));
        plateforme.programme = plateforme.bac.path() + QStringLiteral("/bin/quillora");
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::white);
    }
    void ecrireFichier(const QByteArray& contenu) {
        QFile f(FichierCouleurs());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }

    PlateformeFactice plateforme;
    DialoguesScriptes dialogues;
};

TEST_F(Couleurs, CustomColoursOutliveTheDialogBesideTheProgramOrInTheUsersFolder) {
    const auto allerRetour = [] {
        {
            TMaColorDialog d;
            QColorDialog::setCustomColor(3, QColor(10, 20, 30));
            QColorDialog::setCustomColor(15, QColor(200, 100, 0));
        }
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::black);
        { TMaColorDialog d; }
        EXPECT_EQ(QColorDialog::customColor(3), QColor(10, 20, 30));
        EXPECT_EQ(QColorDialog::customColor(15), QColor(200, 100, 0));
        EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::white));
    };
    EXPECT_EQ(FichierCouleurs(), plateforme.bac.path() + "/bin/CouleurPerso.ini");
    allerRetour();
    QFile f(FichierCouleurs());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    EXPECT_TRUE(texte.startsWith("[ColorPerso]"));
    // 0x00BBGGRR, as the settings file writes colours.
    EXPECT_TRUE(texte.contains("nColor3=1971210")) << texte.constData();
    EXPECT_TRUE(texte.contains("nColor15=25800"));

    plateforme.programme = QStringLiteral("/nonexistent/quillora/bin/quillora");
    EXPECT_EQ(FichierCouleurs(), plateforme.configuration + "/CouleurPerso.ini");
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    allerRetour();

    // Values found in the file close up their gaps; what is not a colour is skipped.
    ecrireFichier("[ColorPerso]\nnColor0=255\nnColor1=\nnColor2=65280\nnColor5=rouge\n");
    { TMaColorDialog d; }
    EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0));
    EXPECT_EQ(QColorDialog::customColor(1), QColor(0, 255, 0));
    EXPECT_EQ(QColorDialog::customColor(2), QColor(Qt::white));
}

TEST_F(Couleurs, ASwatchTakesOnlyAConfirmedChoiceAndShowsIt) {
    TColorPanel panneau;
    panneau.setColor(QColor(Qt::blue));
    panneau.show();
    QSignalSpy changes(&panneau, &TColorPanel::OnChange);
    dialogues.couleurs = {std::nullopt, QColor(Qt::green)};
    QTest::mouseClick(&panneau, Qt::LeftButton);
    EXPECT_EQ(panneau.Color(), QColor(Qt::blue));
    QTest::mouseClick(&panneau, Qt::LeftButton);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(panneau.grab().toImage().pixelColor(panneau.width() / 2, panneau.height() / 2),
              QColor(Qt::green));
}

} // namespace
