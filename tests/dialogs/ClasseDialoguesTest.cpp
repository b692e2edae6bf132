#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "../model/NomsDuMonde.h"
#include "ConversionsQt.h"
#include "Cp1252.h"
#include "DialoguesScriptes.h"
#include "ListeImport.h"
#include "Options.h"
#include "TDial01.h"
#include "TDial04.h"
#include "TDial07.h"
#include "TDial08.h"
#include "TDial13.h"
#include "TDial14.h"

using namespace quillora;

namespace {

class Dialogues : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        c.Initialiser();
        c.AbrevClasse = "3B";
        c.NbEleve = 5;
        for (int e = 1; e <= 5; ++e) {
            c.Eleve[e].Nom = "NOM" + std::to_string(e);
            c.Eleve[e].Note[1][1][1] = std::to_string(e);
        }
    }
    template <typename T = QLineEdit> T* w(QWidget& d, const char* nom) {
        T* r = d.findChild<T*>(QLatin1String(nom));
        EXPECT_NE(r, nullptr) << nom;
        return r;
    }
    void saisir(QWidget& d, const char* champ, const QString& texte) {
        QLineEdit* e = w(d, champ);
        e->clear();
        // One key per character, as typed: QTest's own keys are ASCII only.
        for (char32_t u : texte.toUcs4()) {
            QKeyEvent touche(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&u, 1));
            QApplication::sendEvent(e, &touche);
        }
    }
    void clic(QWidget& d, const char* bouton) { w<QPushButton>(d, bouton)->click(); }

    TClasse c;
    test::DialoguesScriptes dialogues;
};

TEST_F(Dialogues, NouvelleClasseGardeLesEntreesEtDonneLeConseilUneFois) {
    TClasse n;
    n.Initialiser();
    TDial01 d(n);
    d.show();
    clic(d, "OK");
    EXPECT_EQ(dialogues.textes(),
              QStringList{"Il faut au minimum UN élève pour former une classe."});
    EXPECT_TRUE(d.isVisible());
    const char* noms[] = {"martin", "durand", "petit"};
    for (int i = 0; i < 3; ++i) {
        saisir(d, "Nom", noms[i]);
        saisir(d, "Prenom", "léa");
        QTest::keyClick(w(d, "Nom"), Qt::Key_Return); // Enter is "Suivant"
        // The advice stops the first student once; the second Enter accepts no date.
        if (i == 0) QTest::keyClick(w(d, "Date"), Qt::Key_Return);
    }
    EXPECT_EQ(dialogues.textes().count(texteQt(TexteConseilDateNaissance)), 1);
    for (int i = 0; i < 3; ++i) clic(d, "Precedent");
    EXPECT_EQ(w(d, "Nom")->text(), "Martin");
    clic(d, "OK");
    ASSERT_EQ(n.NbEleve, 3);
    EXPECT_EQ(n.Eleve[3].Nom, "Petit");
    EXPECT_EQ(n.Eleve[3].Prenom, cp1252("Léa"));

    TDial01 plein(n);
    for (int i = 0; i < 50; ++i) {
        saisir(plein, "Nom", "x");
        saisir(plein, "Date", "01012010");
        plein.Suivant();
    }
    EXPECT_EQ(w<QGroupBox>(plein, "Cadre")->title(), " Elève n° 45 ");
}

TEST_F(Dialogues, AjouterInsererEtSupprimerUnEleve) {
    TDial13 d(c);
    // Œ is in the file's code page; Ș becomes its letter; what has none a "?".
    saisir(d, "Nom", QStringLiteral("ȘŒUR😀 abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(w(d, "Nom")->text(), QStringLiteral("SŒUR? abcdefghijklmn"));
    saisir(d, "Date", "31021999x");
    clic(d, "OK");
    EXPECT_EQ(c.Eleve[6].Nom, cp1252("SŒUR? ABCDEFGHIJKLMN"));
    EXPECT_EQ(c.Eleve[6].DateNaissance, "31021999");

    TDial07 ins(c);
    saisir(ins, "Nom", "abel");
    clic(ins, "OK"); // the advice first
    clic(ins, "OK");
    EXPECT_EQ(c.Eleve[1].Nom, "ABEL");

    TDial04 sup(c);
    w<QComboBox>(sup, "Liste")->setCurrentIndex(1);
    dialogues.reponses = {QMessageBox::Cancel, QMessageBox::Ok};
    clic(sup, "OK");
    clic(sup, "OK");
    EXPECT_EQ(dialogues.textes().last(), "Supprimer définitivement l'élève NOM1  ?");
    EXPECT_EQ(c.Eleve[2].Nom, "NOM2");
}

// Typed a key at a time or pasted, a name gets the Latin spelling a class list's import
// gives it.
TEST_F(Dialogues, UnNomEtrangerSEcritCommeALImport) {
    TDial13 d(c);
    QLineEdit* prenom = w(d, "Prenom");
    for (const auto& [nom, attendu] : test::NomsDuMonde) {
        const QString texte = QString::fromUtf8(nom);
        saisir(d, "Prenom", texte);
        EXPECT_EQ(prenom->text().toStdString(), attendu) << nom;
        prenom->setText(QStringLiteral("()"));
        prenom->setCursorPosition(1);
        prenom->insert(texte);
        EXPECT_EQ(prenom->text().toStdString(), "(" + std::string(attendu) + ")") << nom;
        EXPECT_EQ(prenom->cursorPosition(), prenom->text().size() - 1) << nom; // before ")"
        LigneImport importee;
        RelireLigne(importee, "", nom, "");
        EXPECT_EQ(Utf8DepuisCp1252(importee.prenom), attendu) << nom;
    }
}

// A name emptied is refused, at a change of line as at OK, and the student stays shown.
TEST_F(Dialogues, ModifierStockeAuChangementDeLigneEtAnnulerRepondOK) {
    TDial08 d(c);
    d.show();
    auto* liste = w<QComboBox>(d, "Liste");
    liste->setCurrentIndex(1);
    saisir(d, "Nom", "");
    liste->setCurrentIndex(4);
    EXPECT_EQ(liste->currentIndex(), 1);
    clic(d, "OK");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(dialogues.textes(), QStringList(2, texteQt(TexteNomObligatoire)));
    EXPECT_EQ(d.focusWidget(), w(d, "Nom"));
    EXPECT_EQ(c.Eleve[2].Nom, "NOM2");
    saisir(d, "Nom", "durand");
    liste->setCurrentIndex(4);
    saisir(d, "Nom", "oublie");
    clic(d, "Annuler");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(c.Eleve[2].Nom, "DURAND");
    EXPECT_EQ(c.Eleve[5].Nom, "NOM5");

    TDial08 rien(c);
    clic(rien, "Annuler");
    EXPECT_EQ(rien.result(), QDialog::Rejected);
}

// The birth date takes digits only; a day the calendar lacks is pointed out beside it as it
// is typed, and stored as typed all the same.
TEST_F(Dialogues, LaDateDeNaissanceNePrendQueDesChiffres) {
    c.Eleve[1].DateNaissance = "3102199x"; // as a file may hold it
    TDial08 d(c);
    auto* defaut = w<QLabel>(d, "DefautDate");
    EXPECT_EQ(w(d, "Date")->text(), "3102199x");
    EXPECT_EQ(defaut->text(), "Date illisible");
    saisir(d, "Date", "3/1.02-a1999");
    EXPECT_EQ(w(d, "Date")->text(), "31021999");
    EXPECT_EQ(defaut->text(), "Le 31 février 1999 n'existe pas");
    clic(d, "OK");
    EXPECT_EQ(c.Eleve[1].DateNaissance, "31021999");
    EXPECT_TRUE(dialogues.affiches.empty());
    saisir(d, "Date", "011");
    EXPECT_TRUE(defaut->text().isEmpty());
}

TEST_F(Dialogues, CoefficientsEnGrilleDesMatieresEtPeriodesEnService) {
    c.NbPeriode = 2;
    c.NbMatiere = 2;
    c.Matiere[1].Coef[1] = 1.25;
    TDial14 d(c);
    d.show();
    EXPECT_TRUE(d.Champ(2, 2)->isVisible());
    EXPECT_FALSE(d.Champ(1, 3)->isVisible() || d.Champ(3, 1)->isVisible());
    // A comma typed is the decimal point; what cannot be read, or lies below 0, keeps the
    // dialog open on its field, the class unchanged.
    d.Champ(1, 2)->clear();
    QTest::keyClicks(d.Champ(1, 2), QStringLiteral("2,5"));
    d.Champ(2, 1)->setText("deux");
    d.Champ(2, 2)->setText("-2");
    d.accept();
    d.Champ(2, 1)->setText("0");
    Options.verification = false; // a negative weight is refused all the same
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.focusWidget(), d.Champ(2, 2));
    EXPECT_EQ(double(c.Matiere[1].Coef[2]), 1.0);
    EXPECT_EQ(
        dialogues.textes(),
        (QStringList{"Le coefficient doit être un nombre",
                     "Le nombre -2.00 est en dehors du domaine de validité.\r( De 0 à 10 )"}));
    d.Champ(2, 2)->setText("3");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(double(c.Matiere[1].Coef[1]), 1.25); // shown as 1.2, left untouched
    EXPECT_EQ(double(c.Matiere[1].Coef[2]), 2.5);
    EXPECT_EQ(double(c.Matiere[2].Coef[1]), 0.0);
    EXPECT_EQ(double(c.Matiere[2].Coef[2]), 3.0);
}

} // namespace
