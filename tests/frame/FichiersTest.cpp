#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMdiSubWindow>

#include "Cadre.h"
#include "ConversionsQt.h"
#include "Csv.h"
#include "FichierLigneCommande.h"
#include "ZoneClients.h"

using namespace quillora;
using namespace quillora::test;

using Fichiers = Cadre;

TEST_F(Fichiers, OuvrirMontreLaClasseEtLaMetEnTeteDesFichiersRecents) {
    const QString a = exemple(QStringLiteral("3A.cl3"), QStringLiteral("a.cl3"));
    TChild* f = cadre->OuvrirClasse(a);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Classe.NbEleve, 28);
    EXPECT_EQ(f->windowTitle(), a + QStringLiteral("[*]"));
    EXPECT_FALSE(f->Modifie);
    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Trim.1"));
    EXPECT_TRUE(cadre->Action(QStringLiteral("MenuF1"))->isVisible());
    EXPECT_EQ(cadre->Action(QStringLiteral("MenuF1"))->text(), a);
    EXPECT_FALSE(cadre->Action(QStringLiteral("MenuF2"))->isVisible());

    // Opening it again shows the same window rather than a second copy.
    EXPECT_EQ(cadre->OuvrirClasse(a), f);
    EXPECT_EQ(cadre->Feuilles().size(), 1);
}

TEST_F(Fichiers, UnFichierIllisibleNOuvreAucuneFenetre) {
    const QString f = dossier.filePath(QStringLiteral("court.cl3"));
    QFile court(f);
    ASSERT_TRUE(court.open(QIODevice::WriteOnly));
    court.write(QByteArray(100, 'x'));
    court.close();
    EXPECT_EQ(cadre->OuvrirClasse(f), nullptr);
    EXPECT_EQ(cadre->OuvrirClasse(dossier.filePath(QStringLiteral("absent.cl3"))), nullptr);
    EXPECT_TRUE(cadre->Feuilles().isEmpty());
    ASSERT_EQ(dialogues.nombre(QStringLiteral("erreur")), 2);
    EXPECT_EQ(dialogues.affiches[0].texte, QStringLiteral("Erreur de lecture du flux"));
    EXPECT_TRUE(dialogues.affiches[1].texte.startsWith(
        QStringLiteral("Impossible d'ouvrir le fichier \"")));
    EXPECT_TRUE(Options.liste[1].empty());
}

TEST_F(Fichiers, SauverEcritLaClasseEtSonJumeauBak) {
    const QString a = exemple(QStringLiteral("3A.cl3"), QStringLiteral("3a.cl3"));
    TChild* f = cadre->OuvrirClasse(a);
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(cadre->Action(QStringLiteral("M12"))->isEnabled());
    f->Classe.Eleve[1].Note[1][1][1] = "20";
    f->MarquerModifie();
    EXPECT_TRUE(cadre->Action(QStringLiteral("M12"))->isEnabled());
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB1"))->isEnabled());

    cadre->Action(QStringLiteral("M12"))->trigger();
    const QByteArray cl3 = octets(a);
    ASSERT_EQ(cl3.size(), 76632);
    EXPECT_EQ(octets(dossier.filePath(QStringLiteral("3a.bak"))), cl3);
    EXPECT_FALSE(f->Modifie);
    EXPECT_FALSE(cadre->Action(QStringLiteral("M12"))->isEnabled());

    TClasse relue;
    relue.Initialiser();
    relue.NomFichier = a.toStdString();
    ASSERT_TRUE(relue.Charger());
    EXPECT_EQ(relue.Eleve[1].Note[1][1][1], "20");
}

TEST_F(Fichiers, UnEnregistrementImpossibleLaisseLaFeuilleModifiee) {
    const QString a = exemple();
    TChild* f = cadre->OuvrirClasse(a);
    ASSERT_NE(f, nullptr);
    f->MarquerModifie();
    f->Classe.NomFichier = dossier.filePath(QStringLiteral("absent/3A.cl3")).toStdString();
    EXPECT_FALSE(f->EnregistrerAvecCopie());
    EXPECT_TRUE(f->Modifie);
    EXPECT_GE(dialogues.nombre(QStringLiteral("erreur")), 1);
    EXPECT_TRUE(dialogues.affiches[0].texte.startsWith(
        QStringLiteral("Impossible de créer le fichier \"")));
}

TEST_F(Fichiers, SauverSousChangeDeNomEtDeFichierRecent) {
    TChild* f = cadre->OuvrirClasse(exemple());
    ASSERT_NE(f, nullptr);
    const QString nouveau = dossier.filePath(QStringLiteral("4b"));
    dialogues.fichiers.push_back(nouveau);
    cadre->Action(QStringLiteral("M13"))->trigger();
    EXPECT_EQ(QString::fromStdString(f->Classe.NomFichier), nouveau + QStringLiteral(".cl3"));
    EXPECT_EQ(octets(nouveau + QStringLiteral(".cl3")).size(), 76632);
    EXPECT_EQ(QString::fromStdString(Options.liste[1]), nouveau + QStringLiteral(".cl3"));
    EXPECT_EQ(f->windowTitle(), nouveau + QStringLiteral(".cl3[*]"));
}

TEST_F(Fichiers, AnnulerALaFermetureGardeLaFenetreEtArreteQuitter) {
    TChild* a = cadre->OuvrirClasse(exemple(QStringLiteral("3A.cl3"), QStringLiteral("a.cl3")));
    TChild* b = cadre->OuvrirClasse(exemple(QStringLiteral("TS2.cl3"), QStringLiteral("b.cl3")));
    ASSERT_TRUE(a && b);
    a->MarquerModifie();
    b->MarquerModifie();
    Options.sauvegarde = false;
    // The last window is asked first; cancelling it stops everything.
    dialogues.reponses = {QMessageBox::Cancel};
    EXPECT_FALSE(cadre->close());
    EXPECT_FALSE(cadre->FermetureOK);
    EXPECT_EQ(cadre->Feuilles().size(), 2);
    ASSERT_EQ(dialogues.nombre(QStringLiteral("question")), 1);
    EXPECT_EQ(
        dialogues.affiches[0].texte,
        QStringLiteral("Le fichier ") + QString::fromStdString(b->Classe.NomFichier) +
            QStringLiteral(" à été modifié, mais pas sauvé.\r\rCe fichier doit il être sauvé ?\r"));
    EXPECT_FALSE(QFileInfo::exists(ini + QStringLiteral(".absent"))); // nothing else happened

    // "No" for the last, then "No" for the first: both close and the settings are written.
    dialogues.reponses = {QMessageBox::No, QMessageBox::No};
    QFile::remove(ini);
    EXPECT_TRUE(cadre->close());
    EXPECT_TRUE(cadre->Feuilles().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(ini));
}

TEST_F(Fichiers, OuiALaFermetureEnregistreAvantDeFermer) {
    const QString a = exemple();
    TChild* f = cadre->OuvrirClasse(a);
    ASSERT_NE(f, nullptr);
    f->Classe.Eleve[2].Nom = "NOUVEAU";
    f->MarquerModifie();
    Options.sauvegarde = false;
    dialogues.reponses = {QMessageBox::Yes};
    cadre->Action(QStringLiteral("M15"))->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(cadre->Feuilles().isEmpty());
    EXPECT_NE(octets(a).indexOf("NOUVEAU"), -1);
}

TEST_F(Fichiers, LaCopieDeSauvegardeALaFermeture) {
    TChild* f = cadre->OuvrirClasse(exemple(QStringLiteral("3A.cl3"), QStringLiteral("3a.cl3")));
    ASSERT_NE(f, nullptr);
    QDir(dossier.path()).mkdir(QStringLiteral("sauve"));
    Options.sauvegarde = true;
    Options.repsauve = dossier.filePath(QStringLiteral("sauve")).toStdString(); // no final "/"
    dialogues.reponses = {QMessageBox::Yes};
    cadre->Action(QStringLiteral("M15"))->trigger();
    QApplication::processEvents();
    ASSERT_EQ(dialogues.nombre(QStringLiteral("question")), 1);
    EXPECT_EQ(
        dialogues.affiches[0].texte,
        QStringLiteral("La sauvegarde automatique est activée.\r( Option - Onglet Sauvegarde )\r\r"
                       "Fichier à sauvegarder: 3A.CL3\rDans le répertoire: ") +
            QString::fromStdString(Options.repsauve) +
            QStringLiteral("\r\rEffectuer cette sauvegarde ?"));
    EXPECT_EQ(octets(dossier.filePath(QStringLiteral("sauve/3A.CL3"))).size(), 76632);

    // An unreachable backup folder is reported, and the window closes all the same.
    f = cadre->OuvrirClasse(exemple(QStringLiteral("3A.cl3"), QStringLiteral("3a.cl3")));
    Options.repsauve = "A:\\";
    dialogues.affiches.clear();
    dialogues.reponses = {QMessageBox::Yes};
    cadre->Action(QStringLiteral("M15"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1);
    EXPECT_TRUE(cadre->Feuilles().isEmpty());
}

TEST_F(Fichiers, EffacerSupprimeLeFichierMaisPasLeBak) {
    const QString a = exemple(QStringLiteral("3A.cl3"), QStringLiteral("3a.cl3"));
    TChild* f = cadre->OuvrirClasse(a);
    ASSERT_NE(f, nullptr);
    f->MarquerModifie();
    ASSERT_TRUE(f->EnregistrerAvecCopie());
    f->MarquerModifie(); // no save prompt when deleting
    Options.sauvegarde = true;
    dialogues.affiches.clear();
    dialogues.reponses = {QMessageBox::No};
    cadre->Action(QStringLiteral("M17"))->trigger();
    EXPECT_TRUE(QFileInfo::exists(a));
    dialogues.reponses = {QMessageBox::Yes};
    cadre->Action(QStringLiteral("M17"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("3a.bak"))));
    EXPECT_TRUE(cadre->Feuilles().isEmpty());
    EXPECT_EQ(dialogues.nombre(QStringLiteral("question")), 2);
    EXPECT_EQ(dialogues.affiches[0].texte,
              QStringLiteral("Effacer DEFINITIVEMENT du disque le ficher ") + a +
                  QStringLiteral(" ?"));
}

TEST_F(Fichiers, FermerSansFenetreTermineSansEcrireLesReglages) {
    QFile::remove(ini);
    cadre->Bouton(QStringLiteral("SB3"))->click();
    EXPECT_EQ(terminaisons, 1);
    EXPECT_FALSE(QFileInfo::exists(ini));
}

TEST_F(Fichiers, LeDernierFichierSOuvreDUnClicDansLeCadre) {
    const QString a = exemple();
    cadre->OuvrirClasse(a);
    cadre->FermerTous();
    ASSERT_TRUE(cadre->close());
    cadre = std::make_unique<TMDI>(ini, ',');
    EXPECT_TRUE(cadre->OuvrirDernier);
    EXPECT_EQ(cadre->windowTitle(),
              QStringLiteral("Cliquer dans la fenètre pour ouvrir le dernier fichier: ") + a);
    emit cadre->Zone()->clicGauche();
    ASSERT_EQ(cadre->Feuilles().size(), 1);
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("Quillora"));
    EXPECT_FALSE(cadre->OuvrirDernier);
    emit cadre->Zone()->clicGauche(); // once only
    EXPECT_EQ(cadre->Feuilles().size(), 1);
}

TEST_F(Fichiers, LeFichierDeLaLigneDeCommande) {
    const QString a = exemple();
    const QString texte = dossier.filePath(QStringLiteral("notes.txt"));
    QFile(texte).open(QIODevice::WriteOnly);
    const QString majuscules = exemple(QStringLiteral("3A.cl3"), QStringLiteral("B.CL3"));
    EXPECT_EQ(FichierLigneCommande({QStringLiteral("--config"), ini, a}), a);
    EXPECT_EQ(FichierLigneCommande({a, exemple(QStringLiteral("TS2.cl3"))}), a);
    EXPECT_EQ(FichierLigneCommande({QStringLiteral("/nulle/part.cl3"), a}),
              QString());                                     // first mention only
    EXPECT_EQ(FichierLigneCommande({majuscules}), QString()); // ".CL3" is not ".cl3"
    EXPECT_EQ(FichierLigneCommande({dossier.filePath(QStringLiteral("x.cl3.txt"))}), QString());
    EXPECT_EQ(FichierLigneCommande({}), QString());
}

TEST_F(Fichiers, ExporterLeTableauRemplitLePressePapiers) {
    TChild* f = cadre->OuvrirClasse(exemple());
    ASSERT_NE(f, nullptr);
    f->ChangerMatiere(4);
    QApplication::clipboard()->clear();
    f->MenuEdition()->actions().first()->trigger();
    EXPECT_EQ(f->MenuEdition()->actions().first()->objectName(), QStringLiteral("M64"));
    EXPECT_EQ(QApplication::clipboard()->text(), texteQt(TexteExport(f->Classe, 4, 1)));
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QLatin1Char('\r')));
    EXPECT_FALSE(QApplication::clipboard()->text().contains(QLatin1Char('\n')));
}

TEST_F(Fichiers, ExporterVersUnTableurEcritLeClasseurOuLaVueEnCsv) {
    TChild* f = cadre->OuvrirClasse(exemple());
    ASSERT_NE(f, nullptr);
    QAction* action = f->MenuEdition()->actions().at(1);
    EXPECT_EQ(action->text(), QStringLiteral("Exporter vers un fichier &tableur..."));
    // A name without extension takes the workbook's; ".CSV" asks for the view shown.
    dialogues.fichiers = {dossier.filePath(QStringLiteral("notes")),
                          dossier.filePath(QStringLiteral("vue.CSV")),
                          dossier.filePath(QStringLiteral("absent/notes.xlsx"))};
    for (int i = 0; i < 4; ++i) action->trigger(); // the last one is cancelled
    EXPECT_TRUE(octets(dossier.filePath(QStringLiteral("notes.xlsx"))).startsWith("PK"));
    EXPECT_EQ(octets(dossier.filePath(QStringLiteral("vue.CSV"))).toStdString(),
              TexteCsv(f->Classe, 1, 1));
    ASSERT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1);
    for (const auto& a : dialogues.affiches) {
        if (a.genre != QStringLiteral("erreur")) continue;
        EXPECT_TRUE(a.texte.startsWith(QStringLiteral("Impossible de créer le fichier \"") +
                                       dossier.path()))
            << a.texte.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("absent"))));
}
