#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "ChampsDevoir.h"
#include "DialoguesScriptes.h"
#include "FenetreAide.h"
#include "Horloge.h"
#include "Options.h"
#include "TDial02.h"
#include "TDial03.h"
#include "TDial06.h"
#include "TDial16.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// Three students, subject 1 and period 1 shown, two assignments; checks on, today the
// 5th of December 2026.
class DialoguesDevoirs : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        DefinirHorloge([] { return DateHeure{2026, 12, 5, 10, 0, 0}; });
        c.Initialiser();
        c.AbrevClasse = "3A";
        c.NbEleve = 3;
        const char* noms[] = {"ARNAUD", "BLANC", "COLIN"};
        for (int e = 1; e <= 3; ++e) c.Eleve[e].Nom = noms[e - 1];
        c.NbDevoir[1][1] = 2;
        c.Devoir[1][1][1].Commentaire = "Fractions";
        c.Devoir[1][1][2].Commentaire = "Puissances";
        c.Devoir[1][1][2].Coef = 0.25;
    }
    void TearDown() override {
        HorlogeSysteme();
        InitOptions(Options);
    }
    static QPushButton* bouton(QWidget& d, const char* nom) {
        return d.findChild<QPushButton*>(QLatin1String(nom));
    }
    static void taper(QLineEdit* l, const QString& t) {
        l->selectAll();
        QTest::keyClicks(l, t);
    }

    TClasse c;
    DialoguesScriptes dialogues;
};

TEST_F(DialoguesDevoirs, NouveauDevoirDateAuClavierEtCoefficientRefuse) {
    TDial02 d(c, QStringLiteral("Ajouter"), 3);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Ajouter un nouveau devoir ( 3A )"));
    EXPECT_EQ(d.Champs()->title(), QStringLiteral(" 3A / Matière 1 / Trim.1 / Devoir 3 "));
    QLineEdit* date = d.Champs()->Date();
    EXPECT_EQ(date->text(), QStringLiteral("sam. 5 déc."));
    QTest::keyClick(date, Qt::Key_Down);
    QTest::keyClick(date, Qt::Key_Down);
    EXPECT_EQ(date->text(), QStringLiteral("lun. 7 déc."));
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Right})
        QTest::keyClick(date, k);
    EXPECT_EQ(date->text(), QStringLiteral("sam. 5 déc."));
    EXPECT_EQ(d.Champs()->Coef()->text(), QStringLiteral("1"));

    taper(d.Champs()->Coef(), QStringLiteral("12"));
    taper(d.Champs()->Commentaire(), QStringLiteral("Bilan"));
    QTest::keyClick(d.Champs()->Commentaire(), Qt::Key_Return); // the default button
    taper(d.Champs()->Coef(), QStringLiteral("deux"));
    bouton(d, "PlusTard")->click();
    EXPECT_EQ(dialogues.textes(),
              (QStringList{QStringLiteral("Le nombre 12.00 est en dehors du domaine de validité.\r"
                                          "( De 0 à 10 )"),
                           QStringLiteral("Le coefficient doit être un nombre")}));
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(c.NbDevoir[1][1], 2);
    EXPECT_EQ(c.Devoir[1][1][3].Commentaire, "Bilan"); // written, but not counted

    // The grades dialog cancelled: the new assignment waits, uncounted.
    taper(d.Champs()->Coef(), QStringLiteral("2"));
    bouton(d, "Saisir")->click();
    EXPECT_EQ(c.NbDevoir[1][1], 2);
    bouton(d, "PlusTard")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(c.NbDevoir[1][1], 3);
    EXPECT_EQ(c.Devoir[1][1][3].Coef, 2.0);
    EXPECT_EQ(c.Devoir[1][1][3].Date, "sam. 5 d\xE9"
                                      "c.");
}

TEST_F(DialoguesDevoirs, SaisieDesNotesEleveParEleve) {
    TDial03 d(c, 2);
    d.show();
    auto titre = [&] { return d.findChild<QGroupBox*>()->title(); };
    EXPECT_EQ(titre(), QStringLiteral(" ARNAUD  "));
    taper(d.Note(), QStringLiteral("b+"));
    QTest::keyClick(d.Note(), Qt::Key_Return); // "Suivant"
    taper(d.Note(), QStringLiteral("25"));
    bouton(d, "Suivant")->click();
    EXPECT_EQ(d.Courant(), 2); // refused: still the same student
    taper(d.Note(), QStringLiteral("12.75"));
    bouton(d, "Suivant")->click();
    taper(d.Note(), QStringLiteral("12,75"));
    bouton(d, "Suivant")->click();
    EXPECT_EQ(d.Courant(), 3); // the last one stays, its text kept
    EXPECT_EQ(d.Note()->text(), QStringLiteral("12,7"));
    bouton(d, "Precedent")->click();
    EXPECT_EQ(titre(), QStringLiteral(" BLANC  "));
    EXPECT_EQ(d.Note()->text(), QStringLiteral("12.75"));
    EXPECT_TRUE(c.Eleve[1].Note[1][1][2].empty()); // nothing written yet
    bouton(d, "Valider")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(c.Eleve[1].Note[1][1][2], "B+");
    // Cut to four, "12.75" would be checked as one grade and stored as another.
    EXPECT_EQ(c.Eleve[2].Note[1][1][2], "12.75");
    EXPECT_EQ(c.Eleve[3].Note[1][1][2], "12,7");
    EXPECT_EQ(dialogues.nombre(QStringLiteral("avertissement")), 1);
}

TEST_F(DialoguesDevoirs, ModifierEnregistreAuChangementDeLigne) {
    TDial06 d(c);
    EXPECT_EQ(d.Liste()->currentText(), QStringLiteral("2 - Puissances"));
    EXPECT_EQ(d.Champs()->Coef()->text(), QStringLiteral("0.2"));
    taper(d.Champs()->Coef(), QStringLiteral("x"));
    d.Liste()->setCurrentIndex(0);
    EXPECT_EQ(d.Liste()->currentIndex(), 1); // the store failed: the list goes back
    EXPECT_EQ(d.Affiche(), 2);
    taper(d.Champs()->Coef(), QStringLiteral("0.2"));
    taper(d.Champs()->Duree(), QStringLiteral("1h30"));
    d.Liste()->setCurrentIndex(0);
    EXPECT_EQ(d.Champs()->title(), QStringLiteral(" 3A / Matière 1 / Trim.1 / Devoir 1 "));
    EXPECT_EQ(c.Devoir[1][1][2].Duree, "1h30");
    // Retyped, the shown coefficient is taken as typed.
    EXPECT_EQ(c.Devoir[1][1][2].Coef, 0.2);
    d.reject();
    EXPECT_EQ(d.result(), QDialog::Accepted); // something was stored: the sheet repaints

    // Left untouched, a coefficient shown rounded keeps its value.
    c.Devoir[1][1][2].Coef = 0.25;
    TDial06 e(c);
    e.show();
    QTest::keyClick(e.Champs()->Commentaire(), Qt::Key_Return);
    EXPECT_EQ(e.result(), QDialog::Accepted);
    EXPECT_EQ(c.Devoir[1][1][2].Coef, 0.25);
    TDial06 f(c);
    f.reject();
    EXPECT_EQ(f.result(), QDialog::Rejected);
}

TEST_F(DialoguesDevoirs, ChoixDUnDevoirSelonLeBut) {
    struct Cas {
        TDial16::But but;
        const char* titre;
        const char* etiquette;
    };
    for (const Cas& k :
         {Cas{TDial16::Supprimer, "Supprimer un devoir ( Matière 1 )", "Devoir à supprimer:"},
          Cas{TDial16::Copier, "Copier un devoir", "Devoir à copier:"},
          Cas{TDial16::Couper, "Couper un devoir", "Devoir à couper:"},
          Cas{TDial16::InsererCopie, "Insérer le devoir copié",
              "Insérer le devoir copié avant le devoir:"},
          Cas{TDial16::InsererNouveau, "Insérer un devoir",
              "Insérer le nouveau devoir avant le devoir:"}}) {
        TDial16 d(c, k.but);
        d.show();
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8(k.titre));
        EXPECT_EQ(d.findChild<QLabel*>()->text(), QString::fromUtf8(k.etiquette));
        EXPECT_EQ(d.Liste()->currentText(), QStringLiteral("1 - Fractions"));
        d.Liste()->setCurrentIndex(1);
        QTest::keyClick(d.Liste(), Qt::Key_Return);
        EXPECT_EQ(d.Choix(), 2);
        TDial16 annule(c, k.but);
        annule.reject();
        EXPECT_EQ(annule.Choix(), -1789);
    }
    c.NbDevoir[1][1] = 0;
    TDial16 vide(c, TDial16::Copier);
    bouton(vide, "OK")->click();
    EXPECT_EQ(vide.result(), QDialog::Rejected);
    EXPECT_EQ(vide.Choix(), -1789);
}

TEST_F(DialoguesDevoirs, LAideDeChaqueDialogueOuvreSonSujet) {
    PlateformeFactice plateforme;
    plateforme.programme = QStringLiteral(QUILLORA_SOURCE_DIR "/app/quillora");
    auto page = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* aide = qobject_cast<FenetreAide*>(w))
                return aide->Navigateur()->source().fileName();
        return QString();
    };
    TDial02 d02(c, QStringLiteral("Ajouter"), 3);
    TDial03 d03(c, 3);
    TDial06 d06(c);
    TDial16 d16a(c, TDial16::Supprimer), d16b(c, TDial16::Couper), d16c(c, TDial16::InsererNouveau);
    const std::pair<QDialog*, const char*> cas[] = {
        {&d02, "Dlg_NewDevoir.htm"},     {&d03, "Dlg_NewDevoir.htm"},
        {&d06, "Dlg_ModifDevoir.htm"},   {&d16a, "Dlg_SupDevoir.htm"},
        {&d16b, "PressePapInterne.htm"}, {&d16c, "Dlg_InsererDevoir.htm"}};
    for (const auto& [d, sujet] : cas) {
        bouton(*d, "Aide")->click();
        EXPECT_EQ(page(), QLatin1String(sujet)) << d->windowTitle().toStdString();
    }
}

} // namespace
