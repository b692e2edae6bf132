#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstring>
#include <gtest/gtest.h>

#include "ChampsDevoir.h"
#include "Devoirs.h"
#include "DialoguesScriptes.h"
#include "PanneauConsequences.h"
#include "TDial02.h"
#include "TDial05.h"
#include "TDial06.h"
#include "TDial14.h"
#include "TDialOption.h"
#include "TEditSaisieNombre.h"
#include "TSaisieNombre.h"

using namespace quillora;

namespace {

class Consequences_ : public ::testing::Test {
protected:
    // Subject 1: in the first trimester NOM1 has 8 and 13 (10.5), NOM2 12 and 7 (9.5), NOM3
    // 9 and 9; in the second NOM1 has 14 and NOM2 6.
    void SetUp() override {
        InitOptions(Options);
        c.Initialiser();
        c.NbEleve = 3;
        c.NbDevoir[1][1] = 2;
        c.NbDevoir[1][2] = 1;
        const char* notes[3][3] = {{"8", "13", "14"}, {"12", "7", "6"}, {"9", "9", ""}};
        for (int e = 1; e <= 3; ++e) {
            c.Eleve[e].Nom = "NOM" + std::to_string(e);
            c.Eleve[e].Note[1][1][1] = notes[e - 1][0];
            c.Eleve[e].Note[1][1][2] = notes[e - 1][1];
            c.Eleve[e].Note[1][2][1] = notes[e - 1][2];
        }
        copie = c.Image();
    }
    void TearDown() override { InitOptions(Options); }
    bool intacte() const { return std::memcmp(&c.Image(), &copie, sizeof copie) == 0; }
    template <typename T = QLineEdit> T* w(QWidget& d, const char* nom) {
        T* r = d.findChild<T*>(QLatin1String(nom));
        EXPECT_NE(r, nullptr) << nom;
        return r;
    }

    test::PlateformeFactice plateforme; // the folded state goes to its private folder
    test::DialoguesScriptes dialogues;
    TClasse c;
    ImageClasse copie;
};

TEST_F(Consequences_, ThePanelFollowsEachDialogsFieldsAndCancelLeavesEveryByte) {
    {
        TDial05 d(c);
        d.MontrerConsequences(1, 1);
        EXPECT_EQ(d.Panneau()->Resume(), "Aucun élève ne change");
        // The joker drops 8 and 7: NOM1 13, NOM2 12, which reaches the pass mark; NOM3 keeps 9.
        w<QCheckBox>(d, "Joker")->setChecked(true);
        EXPECT_EQ(d.Panneau()->Resume(),
                  "2 élèves changent, 1 passe au-dessus de la moyenne, 0 en dessous");
        EXPECT_EQ(d.Panneau()->Lignes().value(0), "NOM2  Trim. 1 : 9,5 → 12  ↑ passe la moyenne");
        d.reject();
    }
    {
        // Period 1 weighs 3 in the year: NOM1 (3 x 10.5 + 14) / 4 = 11.375 instead of 12.25,
        // NOM2 (3 x 9.5 + 6) / 4 = 8.625 instead of 7.75; NOM3 has the first period only.
        TDial14 d(c);
        d.MontrerConsequences(1, 1);
        d.Champ(1, 1)->setText(QStringLiteral("3"));
        EXPECT_EQ(d.Panneau()->Lignes().value(0), "NOM1  Année : 12,2 → 11,4");
        EXPECT_EQ(d.Panneau()->Resume(),
                  "2 élèves changent, 0 passe au-dessus de la moyenne, 0 en dessous");
        d.reject();
    }
    {
        // The last assignment at 3: NOM1 (8 + 39) / 4 = 11.75, NOM2 (12 + 21) / 4 = 8.25.
        TDial06 d(c);
        d.MontrerConsequences(1, 1);
        QLineEdit* coef = d.Champs()->Coef();
        coef->selectAll();
        QTest::keyClicks(coef, QStringLiteral("3"));
        EXPECT_EQ(d.Panneau()->Lignes().value(0), "NOM1  Trim. 1 : 10,5 → 11,8");
        d.reject();
    }
    EXPECT_TRUE(intacte());
    {
        // An assignment inserted first: the column opened for it has no grade, and the
        // others, moved right, count as before once it is counted.
        InsererDevoirVide(c, 1, 1, 1);
        TDial02 d(c, QStringLiteral("Insérer"), 1);
        d.MontrerConsequences(copie, 1, 1);
        d.Champs()->Coef()->setText(QStringLiteral("5"));
        EXPECT_EQ(d.Panneau()->Resume(), "Aucun élève ne change");
    }
}

TEST_F(Consequences_, OptionsPassMarkFollowsHalfTheMaximumAndCancelLeavesTheSettingsFile) {
    QTemporaryDir dossier;
    const QString ini = dossier.filePath(QStringLiteral("quillora.ini"));
    ASSERT_TRUE(EcrireOptions(ini.toStdString(), ',').ok);
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    const TOptions avant = Options;
    {
        TDialOption d(nullptr, ini, ',');
        d.MontrerConsequences(c, 1, 1);
        auto* maximum = w<TSaisieNombre>(d, "notemax");
        auto* seuil = w<TSaisieNombre>(d, "notemoy");
        // Half of 16 is 8: NOM2's 9.5 and NOM3's 9 pass, in the period and its synthesis.
        maximum->Edit()->setText(QStringLiteral("16"));
        EXPECT_EQ(seuil->ValeurI(), 8);
        EXPECT_EQ(d.Panneau()->Resume(),
                  "2 élèves changent, 2 passent au-dessus de la moyenne, 0 en dessous");
        // Left to the teacher: 11 puts NOM1's 10.5 below.
        w<QCheckBox>(d, "moydiv2")->setChecked(false);
        seuil->Edit()->setText(QStringLiteral("11"));
        EXPECT_EQ(d.Panneau()->Lignes().value(0), "NOM1  Trim. 1 : 10,5  ↓ passe sous la moyenne");
        d.reject();
    }
    f.seek(0);
    EXPECT_EQ(f.readAll(), octets);
    EXPECT_TRUE(Options == avant);
    EXPECT_TRUE(intacte());

    TDialOption d(nullptr, ini, ',');
    w<TSaisieNombre>(d, "notemax")->Edit()->setText(QStringLiteral("10"));
    d.accept();
    EXPECT_EQ(Options.notemoy, 5);
}

TEST_F(Consequences_, FoldingIsRememberedFromOneDialogToTheNext) {
    TDialOption options(nullptr, QString(), ',');
    options.MontrerConsequences(c, 1, 1);
    const int haute = options.height();
    options.findChild<QToolButton*>(QStringLiteral("Replier"))->click();
    EXPECT_TRUE(options.Panneau()->Replie());
    EXPECT_LT(options.height(), haute);
    QFile f(FichierConsequences());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "[Consequences]\nreplie=1\n");

    TDial14 d(c);
    d.MontrerConsequences(1, 1);
    EXPECT_TRUE(d.Panneau()->Replie());
    EXPECT_TRUE(w<QListWidget>(d, "ListeConsequences")->isHidden());
    d.findChild<QToolButton*>(QStringLiteral("Replier"))->click();
    TDial05 autre(c);
    autre.MontrerConsequences(1, 1);
    EXPECT_FALSE(autre.Panneau()->Replie());
}

} // namespace
