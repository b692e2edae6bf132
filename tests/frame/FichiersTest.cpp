#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>

#include "Cadre.h"
#include "ConversionsQt.h"
#include "Csv.h"
#include "FichierLigneCommande.h"
#include "TDialImportListe.h"
#include "ZoneClients.h"

using namespace quillora;
using namespace quillora::test;

using Fichiers = Cadre;

TEST_F(Fichiers, OuvrirMontreLaClasseEtLaMetEnTeteDesFichiersRecents) {
    TChild* f = ouvrir(QStringLiteral("3A.cl3"), QStringLiteral("a.cl3"));
    const QString a = dossier.filePath(QStringLiteral("a.cl3"));
    EXPECT_EQ(cadre->Action(QStringLiteral("MenuF1"))->text(), a);
    // Opening it again shows the same window rather than a second copy.
    EXPECT_EQ(cadre->OuvrirClasse(a), f);

    // A file that cannot be read (the reasons are the model's) opens no window, is reported
    // and leaves the list alone.
    EXPECT_EQ(cadre->OuvrirClasse(dossier.filePath(QStringLiteral("absent.cl3"))), nullptr);
    EXPECT_EQ(cadre->Feuilles().size(), 1);
    EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1);
    EXPECT_TRUE(Options.liste[2].empty());

    // A saved view the class lacks: its second subject, in a one-subject class.
    const QString ts2 = exemple(QStringLiteral("TS2.cl3"));
    QFile fichier(ts2);
    ASSERT_TRUE(fichier.open(QIODevice::ReadWrite) && fichier.seek(76462));
    fichier.write("\x02\x01", 2);
    fichier.close();
    const TChild* feuille = cadre->OuvrirClasse(ts2);
    ASSERT_NE(feuille, nullptr);
    EXPECT_TRUE(feuille->Classe.MatiereCourante == 1 && feuille->Classe.PeriodeCourante == 1);
}

// Saving writes the class and its .bak twin; saving under another name renames the sheet and
// heads the recent files; deleting leaves the twin.
TEST_F(Fichiers, SauverSauverSousEtEffacer) {
    TChild* f = ouvrir(QStringLiteral("3A.cl3"), QStringLiteral("3a.cl3"));
    const QString a = dossier.filePath(QStringLiteral("3a.cl3"));
    f->Classe.Eleve[1].Nom = "NOUVEAU";
    f->MarquerModifie();
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB1"))->isEnabled());
    cadre->Action(QStringLiteral("M12"))->trigger();
    const QByteArray cl3 = octets(a);
    ASSERT_EQ(cl3.size(), 76632);
    EXPECT_TRUE(cl3.contains("NOUVEAU"));
    EXPECT_EQ(octets(dossier.filePath(QStringLiteral("3a.bak"))), cl3);
    EXPECT_FALSE(cadre->Action(QStringLiteral("M12"))->isEnabled());
    const QString nouveau = dossier.filePath(QStringLiteral("4b.cl3"));
    dialogues.fichiers.push_back(dossier.filePath(QStringLiteral("4b")));
    cadre->Action(QStringLiteral("M13"))->trigger();
    EXPECT_EQ(QString::fromStdString(f->Classe.NomFichier), nouveau);
    EXPECT_EQ(octets(nouveau), cl3);
    EXPECT_EQ(QString::fromStdString(Options.liste[1]), nouveau);

    // A save that fails is reported and leaves the sheet modified; when the .bak twin could
    // be written all the same, the teacher learns that the grades are there.
    f->MarquerModifie();
    f->Classe.NomFichier = dossier.filePath(QStringLiteral("absent/3A.cl3")).toStdString();
    EXPECT_FALSE(f->EnregistrerAvecCopie());
    EXPECT_TRUE(f->Modifie);
    EXPECT_TRUE(
        dialogues.textes().last().startsWith(QStringLiteral("Impossible de créer le fichier \"")));
    EXPECT_FALSE(dialogues.textes().join(u' ').contains(QStringLiteral("copie de secours")));
    QDir(dossier.path()).mkdir(QStringLiteral("dossier.cl3"));
    f->Classe.NomFichier = dossier.filePath(QStringLiteral("dossier.cl3")).toStdString();
    dialogues.affiches.clear();
    EXPECT_FALSE(f->EnregistrerAvecCopie());
    EXPECT_EQ(dialogues.textes(),
              QStringList{QStringLiteral("Impossible de créer le fichier \"") +
                          dossier.filePath(QStringLiteral("dossier.cl3")) +
                          QStringLiteral("\". C'est un dossier, pas un fichier.\r\rLes notes sont "
                                         "en sécurité dans la copie de secours :\r") +
                          dossier.filePath(QStringLiteral("dossier.bak"))});
    EXPECT_EQ(octets(dossier.filePath(QStringLiteral("dossier.bak"))).size(), 76632);

    // Deleting asks first, never offers to save or copy, and keeps the .bak.
    f->Classe.NomFichier = a.toStdString();
    Options.sauvegarde = true;
    dialogues.affiches.clear();
    dialogues.reponses = {QMessageBox::No, QMessageBox::Yes};
    cadre->Action(QStringLiteral("M17"))->trigger();
    EXPECT_TRUE(QFileInfo::exists(a));
    cadre->Action(QStringLiteral("M17"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("3a.bak"))));
    EXPECT_EQ(dialogues.nombre(QStringLiteral("question")), 2);
}

TEST_F(Fichiers, LaQuestionALaFermeture) {
    TChild* a = ouvrir(QStringLiteral("3A.cl3"), QStringLiteral("a.cl3"));
    TChild* b = ouvrir(QStringLiteral("TS2.cl3"), QStringLiteral("b.cl3"));
    const QString fa = dossier.filePath(QStringLiteral("a.cl3"));
    a->Classe.Eleve[2].Nom = "NOUVEAU";
    a->MarquerModifie();
    b->MarquerModifie();
    Options.sauvegarde = false;
    // The last window is asked first; cancelling it stops quitting.
    dialogues.reponses = {QMessageBox::Cancel};
    QFile::remove(ini);
    EXPECT_FALSE(cadre->close());
    EXPECT_EQ(cadre->Feuilles().size(), 2);
    EXPECT_EQ(
        dialogues.textes(),
        QStringList{QStringLiteral("Le fichier ") + QString::fromStdString(b->Classe.NomFichier) +
                    QStringLiteral(" à été modifié, mais pas sauvé.\r\rCe fichier doit il être "
                                   "sauvé ?\r")});
    EXPECT_FALSE(QFileInfo::exists(ini));
    // "No" closes the last as it is, "Yes" saves the first: the settings are then written.
    dialogues.reponses = {QMessageBox::No, QMessageBox::Yes};
    EXPECT_TRUE(cadre->close());
    EXPECT_NE(octets(fa).indexOf("NOUVEAU"), -1);
    EXPECT_TRUE(QFileInfo::exists(ini));
}

// An older settings file names the floppy drive: the copy goes to the documents' backup
// folder, made for it, and quitting writes that folder into the settings.
TEST_F(Fichiers, LaCopieDeSauvegardeALaFermeture) {
    QFile vieux(ini);
    ASSERT_TRUE(vieux.open(QIODevice::WriteOnly));
    vieux.write("[Boolean]\nsauvegarde=1\n[Divers]\nrepsauve=A:\\\n");
    vieux.close();
    demarrer();
    const QString repertoire = plateforme.documents + QStringLiteral("/Sauvegardes Quillora");
    ouvrir(QStringLiteral("3A.cl3"), QStringLiteral("3a.cl3"));
    dialogues.reponses = {QMessageBox::Yes};
    cadre->Action(QStringLiteral("M15"))->trigger();
    QApplication::processEvents();
    ASSERT_EQ(dialogues.nombre(QStringLiteral("question")), 1);
    EXPECT_EQ(octets(repertoire + QStringLiteral("/3A.CL3")).size(), 76632);
    ASSERT_TRUE(cadre->close());
    EXPECT_TRUE(octets(ini).contains(("repsauve=" + repertoire + "\n").toUtf8()));

    // A folder that cannot be one here, an emptied one or one the teacher chose that is
    // missing: reported, nothing lands at the root or is made up, and the window closes all
    // the same.
    const std::string cle = dossier.filePath(QStringLiteral("cle")).toStdString();
    for (const std::string& repertoire : {std::string("A:\\"), std::string(), cle}) {
        ouvrir();
        Options.repsauve = repertoire;
        dialogues.affiches.clear();
        dialogues.reponses = {QMessageBox::Yes};
        cadre->Action(QStringLiteral("M15"))->trigger();
        QApplication::processEvents();
        EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1) << repertoire;
        EXPECT_TRUE(cadre->Feuilles().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("/3A.CL3")));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(cle)));
}

// Quitting writes the recent files, and the next start offers the last one at a click. The
// close button with no window ends the program at once, the settings unwritten.
TEST_F(Fichiers, LeDernierFichierSOuvreDUnClicDansLeCadre) {
    const QString a = exemple();
    cadre->OuvrirClasse(a);
    cadre->FermerTous();
    ASSERT_TRUE(cadre->close());
    demarrer();
    EXPECT_EQ(cadre->windowTitle(),
              QStringLiteral("Cliquer dans la fenètre pour ouvrir le dernier fichier: ") + a);
    emit cadre->Zone()->clicGauche();
    ASSERT_EQ(cadre->Feuilles().size(), 1);
    emit cadre->Zone()->clicGauche(); // once only
    EXPECT_EQ(cadre->Feuilles().size(), 1);

    cadre->FermerTous();
    QFile::remove(ini);
    cadre->Bouton(QStringLiteral("SB3"))->click();
    EXPECT_EQ(terminaisons, 1);
    EXPECT_FALSE(QFileInfo::exists(ini));
}

// The class named on the command line; relative to the folder it was started in, it is
// made absolute like every class path, so that one file has one window and one name.
TEST_F(Fichiers, LeFichierDeLaLigneDeCommandeEtLesCheminsRelatifs) {
    const QString a = exemple();
    const QString majuscules = exemple(QStringLiteral("3A.cl3"), QStringLiteral("B.CL3"));
    EXPECT_EQ(FichierLigneCommande({QStringLiteral("--config"), ini, a}), a);
    EXPECT_EQ(FichierLigneCommande({QStringLiteral("/nulle/part.cl3"), a}),
              QString());                                     // first mention only
    EXPECT_EQ(FichierLigneCommande({majuscules}), QString()); // ".CL3" is not ".cl3"
    EXPECT_EQ(FichierLigneCommande({dossier.filePath(QStringLiteral("x.cl3.txt"))}), QString());

    const QString ici = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dossier.path()));
    const QString relatif =
        QStringLiteral("../") + QFileInfo(dossier.path()).fileName() + QStringLiteral("/3A.cl3");
    const QString ligne = FichierLigneCommande({QStringLiteral("3A.cl3")});
    TChild* f = cadre->OuvrirClasse(QStringLiteral("3A.cl3"));
    const bool memeFenetre = cadre->OuvrirClasse(relatif) == f;
    QDir::setCurrent(ici);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(ligne, a);
    EXPECT_TRUE(memeFenetre);
    EXPECT_EQ(QString::fromStdString(f->Classe.NomFichier), a);
    EXPECT_TRUE(Options.liste[2].empty());
}

// The table goes to the clipboard, with the older program's line ends; the workbook or the
// view to a file.
TEST_F(Fichiers, ExporterVersLePressePapiersOuUnTableur) {
    TChild* f = ouvrir();
    f->ChangerMatiere(4);
    QApplication::clipboard()->clear();
    f->MenuEdition()->findChild<QAction*>(QStringLiteral("M64"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), texteQt(TexteExport(f->Classe, 4, 1)));
    f->ChangerMatiere(1);
    QAction* action = f->MenuEdition()->findChild<QAction*>(QStringLiteral("MTableur"));
    // A name without extension takes the workbook's; ".CSV" asks for the view shown.
    dialogues.fichiers = {dossier.filePath(QStringLiteral("notes")),
                          dossier.filePath(QStringLiteral("vue.CSV")),
                          dossier.filePath(QStringLiteral("absent/notes.xlsx"))};
    for (int i = 0; i < 4; ++i) action->trigger(); // the last one is cancelled
    EXPECT_TRUE(octets(dossier.filePath(QStringLiteral("notes.xlsx"))).startsWith("PK"));
    EXPECT_EQ(octets(dossier.filePath(QStringLiteral("vue.CSV"))).toStdString(),
              TexteCsv(f->Classe, 1, 1));
    EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1);
    EXPECT_EQ(dialogues.textes()
                  .filter(QStringLiteral("Impossible de créer le fichier \"") + dossier.path())
                  .size(),
              1);
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("absent"))));
}

// No command of the window writes over the class or its .bak twin, whatever name or link the
// teacher gives; the question about replacing a file is about the file that will be written;
// a print to a file says where it went.
TEST_F(Fichiers, LesSortiesNeRemplacentNiLaClasseNiSaCopieDeSecours) {
    TChild* f = ouvrir(QStringLiteral("3A.cl3"), QStringLiteral("3A.cl3"));
    const auto chemin = [&](const char* nom) { return dossier.filePath(QLatin1String(nom)); };
    const QByteArray avant = octets(chemin("3A.cl3"));
    QFile::copy(chemin("3A.cl3"), chemin("3A.bak"));
    QFile::link(chemin("3A.cl3"), chemin("lien.xlsx"));
    QFile::link(chemin("3A.bak"), chemin("3A.pdf")); // where printing goes
    QAction* exporter = f->MenuEdition()->findChild<QAction*>(QStringLiteral("MTableur"));
    dialogues.fichiers = {chemin("lien.xlsx")};
    exporter->trigger();
    cadre->Action(QStringLiteral("M18"))->trigger(); // no printer: the dialog all the same
    EXPECT_EQ(dialogues.nombre(QStringLiteral("imprimer")), 1);
    // The file and print dialogs leave empty entries among the texts shown.
    const auto ecrits = [&] {
        QStringList l = dialogues.textes();
        l.removeAll(QString());
        dialogues.affiches.clear();
        return l;
    };
    EXPECT_EQ(ecrits(),
              (QStringList{"Impossible de créer le fichier \"" + chemin("lien.xlsx") +
                               "\". C'est le fichier de la classe ; il n'est pas remplacé.",
                           "Impossible de créer le fichier \"" + chemin("3A.pdf") +
                               "\". C'est la copie de secours (.bak) de la classe ; elle n'est "
                               "pas remplacée."}));
    EXPECT_TRUE(octets(chemin("3A.cl3")) == avant && octets(chemin("3A.bak")) == avant);

    // "3A.cl3" typed: the workbook is 3A.cl3.xlsx, and only that file is asked about.
    dialogues.fichiers = {chemin("3A.cl3")};
    exporter->trigger();
    EXPECT_EQ(ecrits(), QStringList{});
    EXPECT_TRUE(QFile::resize(chemin("3A.cl3.xlsx"), 0));
    dialogues.fichiers = {chemin("3A.cl3"), chemin("3A.cl3")};
    dialogues.reponses = {QMessageBox::No, QMessageBox::Yes};
    exporter->trigger();
    const QString question =
        "Le fichier " + chemin("3A.cl3.xlsx") + " existe déjà.\rVoulez-vous le remplacer ?";
    EXPECT_EQ(ecrits(), (QStringList{question, question}));
    EXPECT_TRUE(octets(chemin("3A.cl3.xlsx")).startsWith("PK"));

    // Without a printer the button prints through the dialog all the same, to a file: once it
    // is written, where it is.
    QFile::remove(chemin("3A.pdf"));
    cadre->Bouton(QStringLiteral("SB2"))->click();
    EXPECT_EQ(dialogues.nombre(QStringLiteral("imprimer")), 1);
    EXPECT_EQ(ecrits(), QStringList{"Le fichier " + chemin("3A.pdf") + " est créé."});
    EXPECT_TRUE(octets(chemin("3A.pdf")).startsWith("%PDF"));
}

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
    EXPECT_EQ(f->Classe.Eleve[1].Nom, "DURAND");

    // Into the open class (what is added and what is skipped is the model's business).
    QSignalSpy notes(f, &TChild::notification);
    QApplication::clipboard()->setText(QStringLiteral("Durand\tZoé\nRoux\tTom\n"));
    dialogues.gestes.push_back([](QDialog& d) {
        static_cast<TDialImportListe&>(d).ChargerPressePapiers();
        d.accept();
    });
    f->findChild<QAction*>(QStringLiteral("MImporterListe"))->trigger();
    EXPECT_EQ(f->Classe.Eleve[3].Nom, "ROUX");
    EXPECT_EQ(notes, (QList<QVariantList>{{1, 0, 0, 0}}));
}

} // namespace
