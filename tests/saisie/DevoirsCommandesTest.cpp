#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>

#include "ChampsDevoir.h"
#include "ConversionsQt.h"
#include "FeuilleSaisie.h"
#include "Horloge.h"
#include "PressePapier.h"
#include "TDial02.h"
#include "TDial03.h"
#include "TDial16.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// The sheet of six students and four assignments, with an empty assignment clipboard.
class Devoirs : public FeuilleSaisie {
protected:
    void SetUp() override {
        FeuilleSaisie::SetUp();
        PressePapier() = TPressePapier{};
    }
    void TearDown() override {
        PressePapier() = TPressePapier{};
        FeuilleSaisie::TearDown();
    }
    // Chooses assignment `a` in the choice of an assignment.
    static std::function<void(QDialog&)> choisir(int a) {
        return [a](QDialog& d) {
            static_cast<TDial16&>(d).Liste()->setCurrentIndex(a - 1);
            d.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        };
    }
    static void cliquer(QDialog& d, const char* bouton) {
        d.findChild<QPushButton*>(QLatin1String(bouton))->click();
    }
    bool memesOctets(const ImageClasse& avant) const {
        return std::memcmp(&avant, &f->Classe.Image(), sizeof(ImageClasse)) == 0;
    }
    QAction* action(const char* nom) const { return f->findChild<QAction*>(QLatin1String(nom)); }
};

TEST_F(Devoirs, LesMenusSuiventLesDevoirsLaVueEtLePressePapiers) {
    struct Cas {
        int n, periode;
        bool rempli;
        const char* actifs; // M30..M35 then M60..M63, 1 when enabled
    };
    for (const Cas& k : {Cas{4, 1, false, "111111 1100"}, Cas{24, 1, true, "011110 1100"},
                         Cas{0, 1, true, "100010 0010"}, Cas{4, 4, true, "000000 0000"}}) {
        f->Classe.NbDevoir[1][1] = static_cast<std::uint8_t>(k.n);
        f->Classe.NbDevoir[1][2] = 1; // the year has grades in every case
        f->Classe.PeriodeCourante = static_cast<std::uint8_t>(k.periode);
        PressePapier().Rempli = k.rempli;
        f->MettreAJourMenus();
        std::string actifs;
        for (const char* nom :
             {"M30", "M31", "M32", "M33", "M34", "M35", "", "M60", "M61", "M62", "M63"})
            actifs += *nom ? (action(nom)->isEnabled() ? '1' : '0') : ' ';
        EXPECT_EQ(actifs, k.actifs) << k.n << " " << k.periode;
    }
    f->Classe.NbPeriode = 2;
    f->TexteMenus();
    EXPECT_EQ(action("M33")->text(), QStringLiteral("S&upprimer les notes du Semestre"));
    EXPECT_EQ(action("M33")->statusTip(),
              QStringLiteral("Supprimer TOUTES les notes de ce Semestre"));
}

TEST_F(Devoirs, UneInsertionAnnuleeLaisseLaClasseOctetPourOctet) {
    QSignalSpy notifications(f.get(), &TChild::notification);
    const ImageClasse avant = f->Classe.Image();
    dialogues.scripts = {choisir(2), [](QDialog& d) {
                             auto* champs = static_cast<TDial02&>(d).Champs();
                             champs->Commentaire()->setText(QStringLiteral("Oral"));
                             champs->Coef()->setText(QStringLiteral("x"));
                             cliquer(d, "PlusTard"); // refused, the fields half written
                             d.reject();
                         }};
    f->InsererDevoir();
    EXPECT_TRUE(memesOctets(avant));
    EXPECT_FALSE(f->Modifie);
    EXPECT_TRUE(notifications.isEmpty());

    dialogues.scripts = {choisir(2), [](QDialog& d) {
                             EXPECT_EQ(d.windowTitle(),
                                       QStringLiteral("Insérer un nouveau devoir (  )"));
                             static_cast<TDial02&>(d).Champs()->Commentaire()->setText("Oral");
                             cliquer(d, "PlusTard");
                         }};
    f->InsererDevoir();
    EXPECT_EQ(f->Classe.NbDevoir[1][1], 5);
    EXPECT_EQ(f->Classe.Devoir[1][1][2].Commentaire, "Oral");
    EXPECT_EQ(f->Classe.Devoir[1][1][3].Commentaire, "Devoir 2");
    EXPECT_TRUE(f->Classe.Eleve[1].Note[1][1][2].empty());
    EXPECT_EQ(texte(1, 3), "11");
    EXPECT_TRUE(f->Modifie);
    EXPECT_EQ(notifications, (QList<QVariantList>{{2, 1, 0, 0}}));
}

TEST_F(Devoirs, CouperPuisInsererLaCopieRemetLesDevoirsEnPlace) {
    const ImageClasse avant = f->Classe.Image();
    dialogues.scripts = {choisir(2)};
    f->CopierDevoir();
    EXPECT_FALSE(f->Modifie);
    EXPECT_TRUE(action("M62")->isEnabled());
    dialogues.scripts = {choisir(2)};
    f->CouperDevoir();
    EXPECT_EQ(f->Classe.NbDevoir[1][1], 3);
    EXPECT_EQ(f->Classe.Devoir[1][1][2].Commentaire, "Devoir 3");
    EXPECT_EQ(texte(6, 2), "17");
    EXPECT_TRUE(f->Modifie);
    dialogues.scripts = {choisir(2)};
    f->InsererDevoirCopie();
    EXPECT_TRUE(memesOctets(avant));
    // Same student count: no warning.
    EXPECT_EQ(dialogues.nombre(QStringLiteral("avertissement")), 0);
}

TEST_F(Devoirs, LeDevoirCopieSeCollDansUneAutreClasseParPosition) {
    dialogues.scripts = {choisir(3)};
    f->CopierDevoir();
    TChild g;
    g.Classe.NbEleve = 5;
    g.Classe.NbDevoir[1][1] = 1;
    g.MettreAJourMenus();
    ASSERT_TRUE(g.findChild<QAction*>(QStringLiteral("M62"))->isEnabled());
    g.AjouterDevoirCopie();
    EXPECT_EQ(dialogues.textes().last(), QStringLiteral("Le nombre d'élève n'est pas identique !"));
    EXPECT_EQ(g.Classe.NbDevoir[1][1], 2);
    EXPECT_EQ(g.Classe.Eleve[5].Note[1][1][2], "16");
    EXPECT_EQ(g.Classe.Devoir[1][1][2].Commentaire, "Devoir 3");
    EXPECT_TRUE(g.Modifie);
    EXPECT_FALSE(f->Modifie);
}

TEST_F(Devoirs, LesSuppressionsDemandentConfirmation) {
    struct Cas {
        void (TChild::*commande)();
        const char* question;
        int restants; // assignments of period 1 after Yes
    };
    f->Classe.NbDevoir[1][3] = 2;
    for (const Cas& k :
         {Cas{&TChild::SupprimerDevoir, "Supprimer définitivement le devoir n° 1 (Devoir 1) ?", 3},
          Cas{&TChild::ViderPeriode,
              "Supprimer définitivement toutes les notes du premier Trimestre ,en "
              "Matière 1 ?",
              0},
          Cas{&TChild::ViderAnnee,
              "Supprimer définitivement TOUTES les notes de l'année scolaire, en "
              "Matière 1 ?",
              0}}) {
        const ImageClasse avant = f->Classe.Image();
        for (auto reponse : {QMessageBox::No, QMessageBox::Yes}) {
            dialogues.scripts = {choisir(1)};
            dialogues.reponses = {reponse};
            (f.get()->*k.commande)();
            EXPECT_EQ(dialogues.textes().last(), QString::fromUtf8(k.question));
            EXPECT_EQ(f->Modifie, reponse == QMessageBox::Yes);
            if (reponse == QMessageBox::No) {
                EXPECT_TRUE(memesOctets(avant));
            }
        }
        EXPECT_EQ(f->Classe.NbDevoir[1][1], k.restants);
        EXPECT_EQ(f->Classe.NbDevoir[1][3], k.commande == &TChild::ViderAnnee ? 0 : 2);
        f->Classe.Image() = avant;
        f->MarquerSauve();
    }
}

TEST_F(Devoirs, UnDevoirSaisiEleveParEleveSeRetrouveALExport) {
    DefinirHorloge([] { return DateHeure{2026, 12, 5, 10, 0, 0}; });
    Options.imprimerAnnee = false;
    QTemporaryDir dossier;
    f->Classe.NomFichier = dossier.filePath(QStringLiteral("4B.cl3")).toStdString();
    f->Classe.AbrevClasse = "4B";
    f->Classe.NbEleve = 3;
    f->Classe.NbDevoir[1][1] = 0;
    f->Classe.Joker = 0;
    dialogues.scripts = {[](QDialog& d) {
                             auto* champs = static_cast<TDial02&>(d).Champs();
                             QTest::keyClick(champs->Date(), Qt::Key_Down);
                             champs->Duree()->setText(QStringLiteral("1h"));
                             champs->Coef()->setText(QStringLiteral("2"));
                             champs->Commentaire()->setText(QStringLiteral("Contrôle"));
                             cliquer(d, "Saisir");
                         },
                         [](QDialog& d) {
                             auto& notes = static_cast<TDial03&>(d);
                             for (const char* n : {"12", "abs", "15.5"}) {
                                 notes.Note()->setText(QLatin1String(n));
                                 cliquer(d, "Suivant");
                             }
                             cliquer(d, "Valider");
                         }};
    f->AjouterDevoir();
    ASSERT_TRUE(f->Enregistrer(false));
    TChild g;
    ASSERT_TRUE(g.OuvrirFichier(f->Classe.NomFichier));
    g.ExporterTableau();
    // No first names: the name column keeps the blank before them.
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "4B / Matière 1 / Trim.1\r"
              "ARNAUD \t12\t12\r"
              "BLANC \tabs\t?\r"
              "COLIN \t15.5\t15.5\r"
              "\t13.8\t13.8\r"
              "Num\tCoef.\tDurée\tDate\r"
              "1\t2\t1h\tdim. 6 déc.\tContrôle\r"
              "Arrondi des moyennes: Aucun arrondi");
    HorlogeSysteme();
}

} // namespace
