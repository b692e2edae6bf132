#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>

#include "Cadre.h"
#include "ConversionsQt.h"
#include "TDialImportListe.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class NouvelleClasse : public Cadre {
protected:
    static void saisir(QDialog& d, const char* champ, const QString& texte, int i = 0) {
        QLineEdit* e = d.findChildren<QLineEdit*>(QLatin1String(champ)).value(i);
        ASSERT_NE(e, nullptr) << champ;
        e->setText(texte);
    }
    static void clic(QDialog& d, const char* bouton) {
        d.findChild<QAbstractButton*>(QLatin1String(bouton))->click();
    }
    static void commande(TChild* f, const char* nom) {
        f->findChild<QAction*>(QLatin1String(nom))->trigger();
    }
    std::vector<int> codes;
};

TEST_F(NouvelleClasse, DeRienAUneClasseEnregistreeQuiSeRelitALIdentique) {
    Options.liste[1] = dossier.filePath(QStringLiteral("ancienne.cl3")).toStdString();
    cadre->Action(QStringLiteral("M10"))->trigger(); // its dialog cancelled
    EXPECT_TRUE(cadre->Feuilles().isEmpty());

    dialogues.gestes.push_back([](QDialog& d) {
        for (const char* nom : {"zola", "Dupont", "dupont"}) {
            saisir(d, "Nom", nom);
            saisir(d, "Date", "01012012");
            clic(d, "Suivant");
        }
        clic(d, "OK");
    });
    cadre->Action(QStringLiteral("M10"))->trigger();
    ASSERT_EQ(cadre->Feuilles().size(), 1);
    TChild* f = cadre->FeuilleActive();
    QObject::connect(f, &TChild::notification, f,
                     [this](int code, int, int, int) { codes.push_back(code); });
    EXPECT_TRUE(f->Modifie && f->NouveauFichier);

    f->Classe.PeriodeCourante = 3;
    dialogues.gestes.push_back([](QDialog& d) {
        clic(d, "Semestres");
        saisir(d, "AbrevClasse", "3B");
        saisir(d, "AnneeScolaire", "2026-2027");
        d.findChild<QComboBox*>()->setCurrentIndex(4);
        clic(d, "OK");
    });
    commande(f, "M29");
    EXPECT_EQ(cadre->TexteV2(), "Sem.1");

    f->Classe.MatiereCourante = 3;
    dialogues.gestes.push_back([](QDialog& d) {
        clic(d, "Nombre2");
        saisir(d, "Nom", "Physique", 1);
        saisir(d, "Nom", "Latin", 2); // hidden, kept for later
        clic(d, "OK");
    });
    commande(f, "MMatieres");
    EXPECT_EQ(f->Classe.MatiereCourante, 1);

    // Student 2 corrected, then Cancel on student 3: the change stands and is shown.
    dialogues.gestes.push_back([](QDialog& d) {
        d.findChild<QComboBox*>()->setCurrentIndex(1);
        saisir(d, "Nom", "Dupont-Aignan de la Tour");
        d.findChild<QComboBox*>()->setCurrentIndex(2);
        clic(d, "Annuler");
    });
    const int largeur = f->LargeurNom;
    commande(f, "M28");
    EXPECT_GT(f->LargeurNom, largeur);
    commande(f, "MTrier");
    // The view changes that follow the parameters and the subjects tell the windows again.
    EXPECT_EQ(codes, (std::vector<int>{5, 5, 7, 7, 1, 1}));
    // Four steps, all undone and redone; undone, the class is still in no file.
    QAction* annuler = f->findChild<QAction*>("MAnnuler");
    for (int i = 0; i < 4; ++i) annuler->trigger();
    EXPECT_FALSE(annuler->isEnabled());
    EXPECT_TRUE(f->Modifie);
    for (int i = 0; i < 4; ++i) commande(f, "MRetablir");

    dialogues.fichiers = {dossier.filePath(QStringLiteral("3b"))};
    cadre->Action(QStringLiteral("M12"))->trigger();
    EXPECT_FALSE(f->Modifie);
    cadre->FermerTous();
    TChild* relue = cadre->OuvrirClasse(dossier.filePath(QStringLiteral("3b.cl3")));
    ASSERT_NE(relue, nullptr);
    EXPECT_EQ(relue->Classe.ModeArrondi, 4);
    EXPECT_EQ(relue->Classe.Matiere[3].Nom, "Latin");
    EXPECT_EQ(texteQt(TexteExport(relue->Classe, 4, 4)),
              "3B / Synthèse / Année 2026-2027\r\tMatière 1\tPhysique\r\t1+1\t1+1\r"
              "DUPONT \t?\t?\t?\rDUPONT-AIGNAN DE LA  \t?\t?\t?\rZOLA \t?\t?\t?\r\t?\t?\t?");
}

TEST_F(NouvelleClasse, NouvelleClasseDepuisUneListePuisAjoutDepuisLePressePapiers) {
    cadre->Action(QStringLiteral("M10Liste"))->trigger(); // its dialog cancelled
    EXPECT_TRUE(cadre->Feuilles().isEmpty());

    dialogues.gestes.push_back([](QDialog& d) {
        static_cast<TDialImportListe&>(d).ChargerOctets("Nom;Prénom\ndurand;zoé\nPETIT;Léa\n",
                                                        QStringLiteral("Fichier"));
        d.accept();
    });
    cadre->Action(QStringLiteral("M10Liste"))->trigger();
    ASSERT_EQ(cadre->Feuilles().size(), 1);
    TChild* f = cadre->FeuilleActive();
    EXPECT_TRUE(f->Modifie && f->NouveauFichier);
    EXPECT_EQ(f->Classe.NbEleve, 2);
    EXPECT_EQ(f->Classe.Eleve[1].Nom, "DURAND");
    EXPECT_EQ(f->Classe.AbrevClasse, "CLAS");

    // Into the open class: the student already there is skipped, the other one added.
    f->Classe.Eleve[1].Note[1][1][1] = "12";
    QSignalSpy notes(f, &TChild::notification);
    QApplication::clipboard()->setText(QStringLiteral("Durand\tZoé\nRoux\tTom\n"));
    dialogues.gestes.push_back([](QDialog& d) {
        static_cast<TDialImportListe&>(d).ChargerPressePapiers();
        d.accept();
    });
    f->findChild<QAction*>(QStringLiteral("MImporterListe"))->trigger();
    EXPECT_EQ(f->Classe.NbEleve, 3);
    EXPECT_EQ(f->Classe.Eleve[3].Nom, "ROUX");
    EXPECT_EQ(f->Classe.Eleve[1].Note[1][1][1], "12");
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0][0], 1);
}

} // namespace
