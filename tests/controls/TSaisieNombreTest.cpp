#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

#include "DialoguesScriptes.h"
#include "ImpressionQt.h"
#include "TEditSaisieNombre.h"
#include "TSaisieNombre.h"

using namespace quillora;
using quillora::test::DialoguesScriptes;
using quillora::test::PlateformeFactice;

namespace {

class SaisieNombre : public ::testing::Test {
protected:
    SaisieNombre() {
        s.setTexte1(QStringLiteral("Note maximale"));
        s.setMin(0);
        s.setMax(24);
    }
    void taper(const QString& t) {
        for (QChar c : t) QTest::keyClick(s.Edit(), c.toLatin1());
    }
    QString texte() const { return s.Edit()->text(); }
    void ecrire(const QString& t) { s.Edit()->setText(t); }
    // Writes `avant`, clicks `bouton` and expects `apres`.
    void pas(const char* avant, QPushButton* bouton, const char* apres) {
        ecrire(QString::fromLatin1(avant));
        bouton->click();
        EXPECT_EQ(texte(), apres) << avant;
    }

    PlateformeFactice plateforme;
    DialoguesScriptes dialogues;
    TSaisieNombre s;
};

TEST_F(SaisieNombre, RefusesWithABeepWhatCannotBelongToANumberOfItsKind) {
    // An integer field lets only the digits, Backspace and Enter through.
    taper(QStringLiteral(",.-a +12"));
    QTest::keyClick(s.Edit(), Qt::Key_Backspace);
    EXPECT_EQ(texte(), "51");
    EXPECT_EQ(plateforme.bips, 6);
    s.setMode(TModeSN::mReal);
    s.setNegatif(true);
    ecrire({});
    taper(QStringLiteral("-1,5.2"));
    EXPECT_EQ(texte(), "-1,5.2");
    EXPECT_EQ(plateforme.bips, 6);
}

TEST_F(SaisieNombre, StepsStayInsideTheRangeAndAnInvalidFieldJumpsToAnEnd) {
    QPushButton* plus = s.BoutonPlus();
    QPushButton* moins = s.BoutonMoins();
    pas("24", plus, "24");
    pas("", plus, "24");
    pas("abc", moins, "0");
    s.setVInc(2.4); // an integer field's step is rounded, and then reaches the ends
    pas("22", plus, "24");
    pas("2", moins, "0");

    // Real steps reach the ends despite binary fractions.
    s.setMode(TModeSN::mReal);
    s.setMin(0.1);
    s.setMax(0.3);
    s.setVInc(0.1);
    pas("0.2", plus, "0.3");
    pas("0.2", moins, "0.1");
}

TEST_F(SaisieNombre, ValuesAreWrittenWithTheirDecimalsAndAnInvalidFieldReadsAsTheMinimum) {
    struct Cas {
        int decimales;
        bool garder;
        double valeur;
        const char* attendu;
    };
    s.setMode(TModeSN::mReal);
    // Values outside the range are ignored: the field keeps the one before.
    for (const Cas& c :
         {Cas{2, true, 12, "12.00"}, Cas{1, false, 0.26, "0.3"}, Cas{1, false, 24.5, "0.3"}}) {
        s.setNbDecimale(c.decimales);
        s.setGarderZero(c.garder);
        s.setValeurR(c.valeur);
        EXPECT_EQ(texte(), c.attendu) << c.valeur;
    }
    ecrire(QStringLiteral("12,75"));
    EXPECT_DOUBLE_EQ(s.ValeurR(), 12.75);

    s.setMode(TModeSN::mLongint);
    ecrire({});
    EXPECT_EQ(s.ValeurI(), 0);
    s.setMin(3.5);
    ecrire(QStringLiteral("30"));
    EXPECT_EQ(s.ValeurI(), 4);
    EXPECT_DOUBLE_EQ(s.ValeurR(), 3.5);
}

TEST_F(SaisieNombre, HoldingAButtonRepeatsFromTheSeventhTick) {
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    auto* minuterie = s.findChild<QTimer*>(QStringLiteral("repetition"));
    ASSERT_NE(minuterie, nullptr);
    const auto battre = [&](int n) {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(minuterie->isActive());
            QTimerEvent e(minuterie->timerId());
            QCoreApplication::sendEvent(minuterie, &e);
        }
    };

    // One second held: ticks 7 to 10 step, and the release is the click's own step.
    ecrire(QStringLiteral("10"));
    QTest::mousePress(s.BoutonPlus(), Qt::LeftButton);
    battre(6);
    EXPECT_EQ(texte(), "10");
    battre(4);
    EXPECT_EQ(texte(), "14");
    QTest::mouseRelease(s.BoutonPlus(), Qt::LeftButton);
    EXPECT_EQ(texte(), "15");
    EXPECT_FALSE(minuterie->isActive());

    // A new press counts its ticks afresh, in its own direction.
    QTest::mousePress(s.BoutonMoins(), Qt::LeftButton);
    battre(6);
    QTest::mouseRelease(s.BoutonMoins(), Qt::LeftButton);
    EXPECT_EQ(texte(), "14");
}

TEST_F(SaisieNombre, EachInvalidFieldHasItsOwnMessageShownWhenTheCallerAsks) {
    const QString n = QStringLiteral("Valeur non valide: \"Note maximale\"");
    const QString horsLimite = n + QStringLiteral("\n( Nombre hors limite: De 0 à 24 )");
    const auto verifier = [&](const char* champ, const QString& message) {
        ecrire(QString::fromUtf8(champ));
        EXPECT_EQ(s.MessageInvalide(), message) << champ;
    };
    verifier("", QStringLiteral("Valeur non définie: \"Note maximale\""));
    verifier("-3", n + QStringLiteral("\n( Nombre négatif interdit )"));
    verifier("1,5", n + QStringLiteral("\n( Nombre réel interdit )"));
    verifier("24", QString());

    // Silent unless the caller asks; then after its context, with the field selected.
    s.show();
    verifier("99", horsLimite);
    EXPECT_FALSE(s.Valide());
    EXPECT_TRUE(dialogues.affiches.empty());
    EXPECT_FALSE(s.Valide(true, QStringLiteral("Domaine de validité")));
    ASSERT_EQ(dialogues.affiches.size(), 1u);
    EXPECT_EQ(dialogues.affiches[0].genre, "avertissement");
    EXPECT_EQ(dialogues.affiches[0].texte, QStringLiteral("Domaine de validité: ") + horsLimite);
    EXPECT_EQ(s.Edit()->selectedText(), "99");

    // Once negatives are allowed, one outside the range is refused for its range.
    s.setNegatif(true);
    verifier("-3", horsLimite);
    s.setMin(-5);
    EXPECT_EQ(s.ValeurI(), -3);

    // A control disabled on its own is always valid, and reads like an invalid one.
    verifier("1x", n);
    s.setEnabled(false);
    EXPECT_TRUE(s.Valide(true));
    EXPECT_EQ(s.ValeurI(), -5);
    EXPECT_EQ(dialogues.affiches.size(), 1u);
    // Disabled with the page it sits on, it is still checked.
    QWidget page;
    auto* surPage = new TSaisieNombre(&page);
    surPage->Edit()->clear();
    page.setEnabled(false);
    EXPECT_FALSE(surPage->Valide());
}

} // namespace
