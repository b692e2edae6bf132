#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ApercuOptions.h"
#include "DialoguesScriptes.h"
#include "Programme.h"
#include "TColorPanel.h"
#include "TDialOption.h"
#include "TDlgInfo.h"

using namespace quillora;

namespace {

class Options_ : public ::testing::Test {
protected:
    void SetUp() override { InitOptions(Options); }
    void TearDown() override { InitOptions(Options); }
    template <typename T> T* controle(TDialOption& d, const char* nom) {
        T* c = d.findChild<T*>(QLatin1String(nom));
        EXPECT_NE(c, nullptr) << nom;
        return c;
    }
    QTemporaryDir dossier;
    QString ini = dossier.filePath(QStringLiteral("quillora.ini"));
    test::DialoguesScriptes dialogues;
};

TEST_F(Options_, OkPutsWhatWasTypedInForceAndWritesIt) {
    Options.polstyle = {true, false, true};
    struct Cas {
        const char *kd, *repsauve;
        double facteur;
        std::string dossier;
    };
    for (const Cas& c :
         {Cas{"abc", "/home/prof/sauve", 1.0, "/home/prof/sauve/"}, Cas{"1,5", "", 1.0, ""},
          Cas{"0", "/media/CLE/", 1.0, "/media/CLE/"}, Cas{"2.5", "A:\\", 2.5, "A:\\"}}) {
        TDialOption d(nullptr, ini, ',');
        controle<QLineEdit>(d, "kd")->setText(QLatin1String(c.kd));
        controle<QLineEdit>(d, "repsauve")->setText(QLatin1String(c.repsauve));
        QTableWidget* grille = controle<QTableWidget>(d, "Grille");
        grille->item(0, 1)->setText(QStringLiteral("ABC"));
        grille->item(1, 2)->setText(QStringLiteral("1,5"));
        grille->item(1, 3)->setText(QStringLiteral("17.25"));
        d.accept();
        EXPECT_EQ(Options.kd, c.facteur) << c.kd;
        EXPECT_EQ(Options.repsauve, c.dossier);
        EXPECT_EQ(Options.cores[1].coresL, "AB");
        EXPECT_EQ(Options.cores[2].coresV, 19.0);
        EXPECT_EQ(Options.cores[3].coresV, 17.25);
        EXPECT_EQ(Options.polstyle, (StylePolice{true, false, false}));
    }
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    EXPECT_TRUE(texte.contains("kd=2,5") && texte.contains("polstyleU=0")) << texte.constData();
}

// A comma typed into a number is its decimal point.
TEST_F(Options_, TheCommaTypedInANumberIsItsDecimalPoint) {
    TDialOption d(nullptr, ini, ',');
    d.show();
    controle<QLineEdit>(d, "kd")->selectAll();
    QTest::keyClicks(controle<QLineEdit>(d, "kd"), QStringLiteral("2,5"));
    QTableWidget* grille = controle<QTableWidget>(d, "Grille");
    grille->editItem(grille->item(1, 4));
    auto* valeur = qobject_cast<QLineEdit*>(grille->indexWidget(grille->model()->index(1, 4)));
    ASSERT_NE(valeur, nullptr);
    valeur->selectAll();
    QTest::keyClicks(valeur, QStringLiteral("1,25"));
    QTest::keyClick(valeur, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor closes after the key
    d.accept();
    EXPECT_EQ(Options.kd, 2.5);
    EXPECT_EQ(Options.cores[4].coresV, 1.25);
}

// A grade range out of bounds keeps the dialog open and writes nothing; a failed write is
// told, and the options stay in force.
TEST_F(Options_, AWarningForARangeOutOfBoundsOrAFailedWrite) {
    TDialOption hors(nullptr, ini, ',');
    controle<QWidget>(hors, "notemax")->findChild<QLineEdit*>()->setText(QStringLiteral("30"));
    hors.accept();
    EXPECT_EQ(hors.result(), QDialog::Rejected);
    EXPECT_EQ(Options.notemax, 20);
    EXPECT_FALSE(QFile::exists(ini));

    TDialOption d(nullptr, dossier.filePath(QStringLiteral("fichier/quillora.ini")), ',');
    QFile(dossier.filePath(QStringLiteral("fichier"))).open(QIODevice::WriteOnly);
    controle<QCheckBox>(d, "prenom")->setChecked(false);
    d.accept();
    EXPECT_FALSE(Options.prenom);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(dialogues.nombre(QStringLiteral("avertissement")), 2);
}

TEST_F(Options_, PickingASizeTiesBothSizesOnlyWhileTheyAreKeptEqual) {
    struct Liste {
        const char *liste, *champ, *autre;
        double TOptions::*zoom;
    };
    for (bool egales : {true, false})
        for (const Liste& l :
             {Liste{"ListeTailleP", "EditTailleP", "EditTailleD", &TOptions::zoomP},
              Liste{"ListeTailleD", "EditTailleD", "EditTailleP", &TOptions::zoomD}}) {
            TDialOption d(nullptr, ini, ',');
            d.show();
            controle<QCheckBox>(d, "tailleid")->setChecked(egales);
            controle<QListWidget>(d, l.liste)->setCurrentRow(13);
            EXPECT_EQ(controle<QLineEdit>(d, l.champ)->text(), "1.5");
            EXPECT_EQ(controle<QLineEdit>(d, l.autre)->text(), egales ? "1.5" : "2.0") << l.liste;
            EXPECT_EQ(d.CopieOptions.*l.zoom, 1.5);
        }
}

TEST_F(Options_, TheSampleFollowsAColourButTheOptionsWaitForOk) {
    TDialOption d(nullptr, ini, ',');
    auto fond = [&d] { return d.Apercu()->grab().toImage().pixelColor(LargeurApercu - 2, 2); };
    EXPECT_EQ(fond(), QColor(0xC0, 0xC0, 0xC0));
    TColorPanel* couleur = controle<TColorPanel>(d, "couleur3");
    dialogues.couleurs = {QColor(Qt::blue)};
    d.show();
    QTest::mouseClick(couleur, Qt::LeftButton);
    EXPECT_EQ(fond(), QColor(Qt::blue));
    EXPECT_EQ(Options.couleur[3], 0xC0C0C0u);
}

TEST(TDlgInfo, TheSiteOpensAndEnterCloses) {
    test::PlateformeFactice plateforme;
    TDlgInfo d;
    for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text().contains("href")) emit l->linkActivated(SiteOfficiel());
    EXPECT_EQ(plateforme.urlsOuvertes, QStringList{SiteOfficiel()});
    d.show();
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

} // namespace
