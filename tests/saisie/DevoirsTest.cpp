#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <cstring>

#include "ChampsDevoir.h"
#include "FeuilleSaisie.h"
#include "Horloge.h"
#include "PressePapier.h"
#include "Saisie.h"
#include "TDial02.h"
#include "TDial03.h"
#include "TDial06.h"
#include "TDial16.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// The sheet of six students and four assignments, with an empty assignment clipboard and
// today the 5th of December 2026.
class Devoirs : public FeuilleSaisie {
protected:
    void SetUp() override {
        FeuilleSaisie::SetUp();
        PressePapier() = TPressePapier{};
        DefinirHorloge([] { return DateHeure{2026, 12, 5, 10, 0, 0}; });
    }
    void TearDown() override {
        PressePapier() = TPressePapier{};
        HorlogeSysteme();
        FeuilleSaisie::TearDown();
    }
    // Chooses assignment `a` in the choice of an assignment.
    static std::function<void(QDialog&)> choisir(int a) {
        return [a](QDialog& d) {
            static_cast<TDial16&>(d).Liste()->setCurrentIndex(a - 1);
            clic(d, "OK");
        };
    }
    static void taper(QLineEdit* l, const char* t) {
        l->selectAll();
        QTest::keyClicks(l, QString::fromUtf8(t));
    }
    bool memesOctets(const ImageClasse& avant) const {
        return std::memcmp(&avant, &f->Classe.Image(), sizeof(ImageClasse)) == 0;
    }
};

TEST_F(Devoirs, LesMenusSuiventLesDevoirsLaVueEtLePressePapiers) {
    // Assignments, period, clipboard filled: M30..M35, M60..M63, 1 when enabled.
    using Cas = std::tuple<int, int, bool, const char*>;
    for (auto [n, periode, rempli, attendus] :
         {Cas{4, 1, false, "111111 1100"}, Cas{24, 1, true, "011110 1100"},
          Cas{4, 4, true, "000000 0000"}, Cas{0, 1, true, "100010 0010"}}) {
        f->Classe.NbDevoir[1][1] = static_cast<std::uint8_t>(n);
        f->Classe.NbDevoir[1][2] = 1; // the year has grades in every case
        f->Classe.PeriodeCourante = static_cast<std::uint8_t>(periode);
        PressePapier().Rempli = rempli;
        f->MettreAJourMenus();
        std::string actifs;
        for (const char* nom :
             {"M30", "M31", "M32", "M33", "M34", "M35", "", "M60", "M61", "M62", "M63"})
            actifs += *nom ? (action(nom)->isEnabled() ? '1' : '0') : ' ';
        EXPECT_EQ(actifs, attendus) << n << " " << periode;
    }
    // With no assignment, OK must not choose one.
    TDial16 vide(f->Classe, TDial16::Copier);
    clic(vide, "OK");
    EXPECT_EQ(vide.result(), QDialog::Rejected);
}

TEST_F(Devoirs, UneInsertionAnnuleeLaisseLaClasseOctetPourOctet) {
    QSignalSpy notifications(f.get(), &TChild::notification);
    const ImageClasse avant = f->Classe.Image();
    dialogues.gestes = {choisir(2), [](QDialog& d) {
                            auto* champs = static_cast<TDial02&>(d).Champs();
                            champs->Commentaire()->setText(QStringLiteral("Oral"));
                            champs->Coef()->setText(QStringLiteral("x"));
                            clic(d, "PlusTard"); // refused, the fields half written
                            d.reject();
                        }};
    f->InsererDevoir();
    EXPECT_TRUE(memesOctets(avant));
    EXPECT_FALSE(f->Modifie);
    EXPECT_TRUE(notifications.isEmpty());
    // Accepted, at the place chosen: the others move one column right with their grades.
    dialogues.gestes = {choisir(2), [](QDialog& d) { clic(d, "PlusTard"); }};
    f->InsererDevoir();
    EXPECT_EQ(f->Classe.Devoir[1][1][3].Commentaire.str() + "|" + texte(6, 2) + "|" + texte(6, 3),
              "Devoir 2||16");
    EXPECT_EQ(action("MAnnuler")->text(), "A&nnuler l'insertion du devoir 2");
}

TEST_F(Devoirs, CouperPuisInsererLaCopieRemetLesDevoirsEnPlace) {
    const ImageClasse avant = f->Classe.Image();
    dialogues.gestes = {choisir(2), choisir(2), choisir(2)};
    f->CopierDevoir();
    EXPECT_FALSE(f->Modifie);
    f->CouperDevoir();
    EXPECT_EQ(f->Classe.Devoir[1][1][2].Commentaire, "Devoir 3");
    EXPECT_EQ(texte(6, 2), "17");
    QSignalSpy notifications(f.get(), &TChild::notification);
    f->InsererDevoirCopie();
    EXPECT_TRUE(memesOctets(avant));
    EXPECT_EQ(notifications, (QList<QVariantList>{{2, 1, 0, 0}}));
    EXPECT_EQ(dialogues.nombre(QStringLiteral("avertissement")), 0);

    // Into a class of five: a warning; the grades go by position, as the model tests check.
    TChild g;
    g.Classe.NbEleve = 5;
    g.AjouterDevoirCopie();
    EXPECT_EQ(dialogues.textes().last(), QStringLiteral("Le nombre d'élève n'est pas identique !"));
    EXPECT_EQ(g.Classe.NbDevoir[1][1], 1);
}

TEST_F(Devoirs, LesSuppressionsDemandentConfirmation) {
    f->Classe.NbDevoir[1][3] = 2;
    // The question, the step to undo, then the assignments of trimesters 1 and 3 left.
    for (auto [commande, question, etape, restants] :
         {std::tuple{&TChild::SupprimerDevoir,
                     "Supprimer définitivement le devoir n° 3 (Devoir 3) ?",
                     "la suppression du devoir 3", 5},
          {&TChild::ViderPeriode,
           "Supprimer définitivement toutes les notes du premier Trimestre ,en Matière 1 ?",
           "la suppression des notes du trimestre 1", 2},
          {&TChild::ViderAnnee,
           "Supprimer définitivement TOUTES les notes de l'année scolaire, en Matière 1 ?",
           "la suppression des notes de l'année", 0}}) {
        const ImageClasse avant = f->Classe.Image();
        for (auto reponse : {QMessageBox::No, QMessageBox::Yes}) {
            dialogues.gestes = {choisir(3)};
            dialogues.reponses = {reponse};
            (f.get()->*commande)();
            EXPECT_EQ(dialogues.textes().last(), QString::fromUtf8(question));
            EXPECT_EQ(f->Modifie, reponse == QMessageBox::Yes);
            EXPECT_EQ(memesOctets(avant), reponse == QMessageBox::No);
        }
        EXPECT_EQ(action("MAnnuler")->text(), "A&nnuler " + QString::fromUtf8(etape));
        EXPECT_EQ(f->Classe.NbDevoir[1][1] + f->Classe.NbDevoir[1][3], restants);
        f->Classe.Image() = avant;
        f->MarquerSauve();
    }
}

// "Saisir" then "Valider": the assignment is counted with the grades typed, none before.
TEST_F(Devoirs, UnDevoirAjouteEtSaisiEleveParEleve) {
    f->Classe.NbEleve = 3;
    dialogues.gestes = {[](QDialog& d) {
                            static_cast<TDial02&>(d).Champs()->Coef()->setText(QStringLiteral("2"));
                            clic(d, "Saisir");
                        },
                        [this](QDialog& d) {
                            QLineEdit* note = static_cast<TDial03&>(d).Note();
                            taper(note, "b+");
                            QTest::keyClick(note, Qt::Key_Return); // "Suivant"
                            // 25 is refused on the same student; the last one stays, its text
                            // kept; the comma typed is the decimal point.
                            for (const char* t : {"25", "12.75", "12,25"}) {
                                taper(note, t);
                                clic(d, "Suivant");
                            }
                            EXPECT_EQ(static_cast<TDial03&>(d).Courant(), 3);
                            EXPECT_EQ(note->text(), QStringLiteral("12.25"));
                            clic(d, "Precedent");
                            EXPECT_TRUE(f->Classe.Eleve[1].Note[1][1][5].empty());
                            clic(d, "Valider");
                        }};
    f->AjouterDevoir();
    EXPECT_TRUE(f->Modifie);
    EXPECT_EQ(f->Classe.NbDevoir[1][1], 5);
    EXPECT_EQ(f->Classe.Devoir[1][1][5].Coef, 2.0);
    EXPECT_EQ(f->Classe.Devoir[1][1][5].Date, TexteDateDevoir(Maintenant(), 0)); // today's
    // Cut to four, "12.75" would be checked as one grade and stored as another.
    EXPECT_EQ(f->Classe.Eleve[1].Note[1][1][5].str() + ' ' +
                  f->Classe.Eleve[2].Note[1][1][5].str() + ' ' +
                  f->Classe.Eleve[3].Note[1][1][5].str(),
              "B+ 12.75 12.25");
}

TEST_F(Devoirs, NouveauDevoirDateAuClavierEtCoefficientRefuse) {
    TDial02 d(f->Classe, QStringLiteral("Ajouter"), 5);
    d.show();
    QLineEdit* date = d.Champs()->Date();
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down}) QTest::keyClick(date, k);
    EXPECT_EQ(date->text(), QStringLiteral("lun. 7 déc."));
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_PageUp, Qt::Key_Up}) QTest::keyClick(date, k);
    EXPECT_EQ(date->text(), QStringLiteral("ven. 4 déc."));
    taper(d.Champs()->Coef(), "12");
    taper(d.Champs()->Commentaire(), "Bilan");
    QTest::keyClick(d.Champs()->Commentaire(), Qt::Key_Return); // the default button
    taper(d.Champs()->Coef(), "deux");
    clic(d, "PlusTard");
    EXPECT_EQ(dialogues.textes(),
              (QStringList{QStringLiteral("Le nombre 12.00 est en dehors du domaine de validité.\r"
                                          "( De 0 à 10 )"),
                           QStringLiteral("Le coefficient doit être un nombre")}));
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(f->Classe.NbDevoir[1][1], 4);
    // The grades dialog cancelled, the assignment stays uncounted; then counted without grades.
    taper(d.Champs()->Coef(), "2");
    clic(d, "Saisir");
    EXPECT_EQ(f->Classe.NbDevoir[1][1], 4);
    clic(d, "PlusTard");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(f->Classe.NbDevoir[1][1], 5);
    EXPECT_EQ(f->Classe.Devoir[1][1][5].Coef, 2.0);
    EXPECT_EQ(f->Classe.Devoir[1][1][5].Commentaire, "Bilan");
}

TEST_F(Devoirs, ModifierEnregistreAuChangementDeLigne) {
    TDial06 d(f->Classe);
    EXPECT_EQ(d.Affiche(), 4);
    taper(d.Champs()->Coef(), "x");
    d.Liste()->setCurrentIndex(0);
    EXPECT_EQ(d.Liste()->currentIndex(), 3); // the store failed: the list goes back
    taper(d.Champs()->Coef(), "0,2");
    EXPECT_EQ(d.Champs()->Coef()->text(), QStringLiteral("0.2"));
    taper(d.Champs()->Duree(), "1h30");
    d.Liste()->setCurrentIndex(0);
    EXPECT_EQ(d.Affiche(), 1);
    EXPECT_EQ(f->Classe.Devoir[1][1][4].Duree, "1h30");
    EXPECT_EQ(f->Classe.Devoir[1][1][4].Coef, 0.2);
    d.reject();
    EXPECT_EQ(d.result(), QDialog::Accepted); // something was stored: the sheet repaints

    // Shown as "0.2" but left untouched, a coefficient keeps its value.
    f->Classe.Devoir[1][1][4].Coef = 0.25;
    TDial06 e(f->Classe);
    clic(e, "OK");
    EXPECT_EQ(e.result(), QDialog::Accepted);
    EXPECT_EQ(f->Classe.Devoir[1][1][4].Coef, 0.25);
}

} // namespace
