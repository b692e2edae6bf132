#include <QLabel>
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

    PlateformeFactice plateforme;
    DialoguesScriptes dialogues;
    TSaisieNombre s;
};

TEST_F(SaisieNombre, RefusesWithABeepWhatCannotBelongToANumberOfItsKind) {
    taper(QStringLiteral(","));
    EXPECT_EQ(texte(), "5");
    EXPECT_EQ(plateforme.bips, 1);
    taper(QStringLiteral(".-a +"));
    EXPECT_EQ(texte(), "5");
    EXPECT_EQ(plateforme.bips, 6);

    taper(QStringLiteral("12"));
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
    ecrire(QStringLiteral("24"));
    s.BoutonPlus()->click();
    EXPECT_EQ(texte(), "24");
    s.BoutonMoins()->click();
    EXPECT_EQ(texte(), "23");

    ecrire({});
    s.BoutonPlus()->click();
    EXPECT_EQ(texte(), "24");
    ecrire(QStringLiteral("abc"));
    s.BoutonMoins()->click();
    EXPECT_EQ(texte(), "0");
    s.BoutonMoins()->click();
    EXPECT_EQ(texte(), "0");

    // The step of an integer field is rounded.
    s.setVInc(2.6);
    ecrire(QStringLiteral("10"));
    s.BoutonPlus()->click();
    EXPECT_EQ(texte(), "13");
    ecrire(QStringLiteral("2"));
    s.BoutonMoins()->click();
    EXPECT_EQ(texte(), "2");
}

TEST_F(SaisieNombre, RealStepsReachTheEndsDespiteBinaryFractions) {
    s.setMode(TModeSN::mReal);
    s.setMin(0.1);
    s.setMax(0.3);
    s.setVInc(0.1);
    s.setValeurR(0.2);
    s.BoutonPlus()->click();
    EXPECT_EQ(texte(), "0.3");
    s.BoutonMoins()->click();
    s.BoutonMoins()->click();
    EXPECT_EQ(texte(), "0.1");
    s.BoutonMoins()->click();
    EXPECT_EQ(texte(), "0.1");
}

TEST_F(SaisieNombre, AnInvalidFieldReadsAsTheMinimum) {
    ecrire({});
    EXPECT_EQ(s.ValeurI(), 0);
    s.setMin(2.5); // rounded half to even
    EXPECT_EQ(s.ValeurI(), 2);
    s.setMin(3.5);
    ecrire(QStringLiteral("30"));
    EXPECT_EQ(s.ValeurI(), 4);
    EXPECT_DOUBLE_EQ(s.ValeurR(), 3.5);
    ecrire(QStringLiteral("17"));
    EXPECT_EQ(s.ValeurI(), 17);
}

TEST_F(SaisieNombre, RealValuesAreWrittenWithTheirDecimalsAndReadWithEitherSeparator) {
    s.setMode(TModeSN::mReal);
    s.setValeurR(12.5);
    EXPECT_EQ(texte(), "12.5");
    s.setGarderZero(true);
    s.setValeurR(12.5);
    EXPECT_EQ(texte(), "12.50");
    s.setValeurR(12);
    EXPECT_EQ(texte(), "12.00");
    s.setGarderZero(false);
    s.setValeurR(12);
    EXPECT_EQ(texte(), "12");
    s.setNbDecimale(1);
    s.setValeurR(0.26);
    EXPECT_EQ(texte(), "0.3");

    s.setValeurR(24.5); // outside the range: ignored
    EXPECT_EQ(texte(), "0.3");
    s.setValeurI(-1);
    EXPECT_EQ(texte(), "0.3");

    ecrire(QStringLiteral("12,75"));
    EXPECT_DOUBLE_EQ(s.ValeurR(), 12.75);
    ecrire(QStringLiteral(".5"));
    EXPECT_DOUBLE_EQ(s.ValeurR(), 0.5);
    EXPECT_EQ(s.ValeurI(), 0);
}

TEST_F(SaisieNombre, HoldingAButtonRepeatsFromTheSeventhTick) {
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    auto* minuterie = s.findChild<QTimer*>(QStringLiteral("repetition"));
    ASSERT_NE(minuterie, nullptr);
    EXPECT_EQ(minuterie->interval(), 100);
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

TEST_F(SaisieNombre, EachInvalidFieldHasItsOwnMessage) {
    const QString n = QStringLiteral("Valeur non valide: \"Note maximale\"");
    const std::pair<const char*, QString> cas[] = {
        {"", QStringLiteral("Valeur non définie: \"Note maximale\"")},
        {"-3", n + QStringLiteral("\n( Nombre négatif interdit )")},
        {"1.5", n + QStringLiteral("\n( Nombre réel interdit )")},
        {"1,5", n + QStringLiteral("\n( Nombre réel interdit )")},
        {"1x", n},
        {"25", n + QStringLiteral("\n( Nombre hors limite: De 0 à 24 )")},
        {"24", QString()},
    };
    for (const auto& [texteChamp, message] : cas) {
        ecrire(QString::fromUtf8(texteChamp));
        EXPECT_EQ(s.MessageInvalide(), message) << texteChamp;
    }

    // A negative number outside the range is refused for its range once negatives are allowed.
    s.setNegatif(true);
    ecrire(QStringLiteral("-3"));
    EXPECT_EQ(s.MessageInvalide(), n + QStringLiteral("\n( Nombre hors limite: De 0 à 24 )"));
    s.setMin(-5);
    EXPECT_TRUE(s.Valide());
    EXPECT_EQ(s.ValeurI(), -3);

    // Real ranges are shown with at most three decimals.
    s.setMode(TModeSN::mReal);
    s.setMin(0.5);
    s.setMax(2.12549);
    ecrire(QStringLiteral("3"));
    EXPECT_EQ(s.MessageInvalide(), n + QStringLiteral("\n( Nombre hors limite: De 0.5 à 2.125 )"));
    ecrire(QStringLiteral("1.2.3"));
    EXPECT_EQ(s.MessageInvalide(), n);
}

TEST_F(SaisieNombre, TheCallerChoosesWhetherTheMessageIsShown) {
    s.show();
    ecrire(QStringLiteral("99"));
    EXPECT_FALSE(s.Valide());
    EXPECT_TRUE(dialogues.affiches.empty());

    EXPECT_FALSE(s.Valide(true, QStringLiteral("Domaine de validité")));
    ASSERT_EQ(dialogues.affiches.size(), 1u);
    EXPECT_EQ(dialogues.affiches[0].genre, "avertissement");
    EXPECT_EQ(dialogues.affiches[0].texte,
              "Domaine de validité: Valeur non valide: \"Note maximale\"\n"
              "( Nombre hors limite: De 0 à 24 )");
    EXPECT_EQ(s.Edit()->selectedText(), "99");

    // A control disabled on its own is always valid, and reads like an invalid one.
    s.setEnabled(false);
    EXPECT_TRUE(s.Valide(true));
    EXPECT_EQ(s.ValeurI(), 0);
    EXPECT_EQ(dialogues.affiches.size(), 1u);
    // Disabled with the page it sits on, it is still checked.
    QWidget page;
    auto* surPage = new TSaisieNombre(&page);
    surPage->Edit()->clear();
    page.setEnabled(false);
    EXPECT_FALSE(surPage->Valide());
}

TEST_F(SaisieNombre, LaysItsPartsOutFromTheCaptionWidth) {
    s.setTexte2(QStringLiteral("points"));
    const QRect champ = s.Edit()->geometry();
    EXPECT_EQ(champ.left(), 118);
    EXPECT_EQ(champ.width(), 46);
    EXPECT_EQ(s.BoutonMoins()->geometry(), QRect(118, 20, 25, 12));
    EXPECT_EQ(s.BoutonPlus()->geometry(), QRect(142, 20, 23, 12));
    EXPECT_EQ(s.height(), 35);
    const auto etiquettes = s.findChildren<QLabel*>();
    const QLabel* unite = nullptr;
    const QLabel* legende = nullptr;
    for (const QLabel* l : etiquettes) (l->text() == "points" ? unite : legende) = l;
    ASSERT_TRUE(unite && legende);
    EXPECT_EQ(legende->text(), "Note maximale:");
    EXPECT_EQ(legende->geometry().right() + 1, 113);
    EXPECT_EQ(unite->x(), 169);
    EXPECT_EQ(s.width(), unite->geometry().right() + 1 + 5);

    s.setAfficherBt(false);
    s.setAfficherT1(false);
    s.setTexte2({});
    EXPECT_EQ(s.Edit()->x(), 0);
    EXPECT_EQ(s.height(), 23);
    EXPECT_EQ(s.width(), 46);
    EXPECT_TRUE(unite->isHidden());

    s.setTexte2(QStringLiteral("pts"));
    s.setAfficherT1(true);
    s.setSizeText(40);
    EXPECT_EQ(s.Edit()->x(), 50);
    EXPECT_FALSE(unite->isHidden());
    EXPECT_EQ(unite->x(), 101);
}

} // namespace
