#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <cstring>

#include "Cadre.h"
#include "Horloge.h"
#include "JournalReprise.h"
#include "JournalTexte.h"
#include "TDialJournal.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class Journal : public Cadre {
protected:
    void SetUp() override {
        Cadre::SetUp();
        DefinirHorloge([this] { return maintenant; });
    }
    void TearDown() override {
        Cadre::TearDown();
        HorlogeSysteme();
    }
    void a(int heure, int minute) { maintenant = {2026, 12, 5, heure, minute, 0}; }
    static std::string image(const TChild* f) {
        return std::string(reinterpret_cast<const char*>(&f->Classe.Image()), TailleFichierClasse);
    }
    // The program's own file image of a class file, names re-cased as an opened class's.
    std::string fichierOuvert(const QString& chemin) {
        TChild f;
        f.OuvrirFichier(chemin.toStdString());
        return image(&f);
    }
    static bool ecrire(const std::string& chemin, const QByteArray& contenu) {
        QFile j(QString::fromStdString(chemin));
        return j.open(QIODevice::WriteOnly | QIODevice::Truncate) && j.write(contenu) >= 0;
    }
    DateHeure maintenant{2026, 12, 5, 14, 0, 0};
};

TEST_F(Journal, AfterAKillEveryCompleteStepComesBackOnOuiAndNonKeepsThemAside) {
    // In memory where the system has it: a hundred openings each flush the journal.
    QTemporaryDir memoire(QDir(QStringLiteral("/dev/shm")).exists()
                              ? QStringLiteral("/dev/shm/quillora-XXXXXX")
                              : QDir::tempPath() + QStringLiteral("/quillora-XXXXXX"));
    const QString classe = memoire.filePath(QStringLiteral("3A.cl3"));
    QFile::copy(exemple(), classe);
    TChild* f = cadre->OuvrirClasse(classe);
    ASSERT_TRUE(f);
    a(14, 3);
    taper(f, 1, 1, QStringLiteral("14"));
    ASSERT_TRUE(f->Enregistrer(false));
    const std::string sauve = fichierOuvert(classe);
    a(14, 4);
    taper(f, 0, 2, QStringLiteral("1"));
    f->Annuler();
    f->Retablir();
    const std::string avantDerniere = image(f);
    a(14, 9);
    taper(f, 2, 3, QStringLiteral("abs"));
    const std::string derniere = image(f);
    const std::string journal = f->FichierJournal();
    EXPECT_EQ(journal, classe.toStdString() + ".journal");
    const QByteArray octets = Cadre::octets(QString::fromStdString(journal));
    const LectureJournal lu = LireJournal(journal);
    const auto debut = static_cast<qsizetype>(
        octets.size() - EncoderEnregistrement(lu.enregistrements.back()).size());
    demarrer(); // as after a kill

    // Cut at every byte of the last record: Oui brings back every step before the cut.
    for (qsizetype n = debut; n <= octets.size(); ++n) {
        ASSERT_TRUE(ecrire(journal, octets.left(n)));
        dialogues.affiches.clear();
        dialogues.reponses = {QMessageBox::Yes};
        // The sheet alone, as the frame opens it, to keep a hundred openings quick.
        auto g = std::make_unique<TChild>();
        ASSERT_TRUE(g->OuvrirFichier(classe.toStdString()));
        g->ReprendreJournal();
        EXPECT_TRUE(image(g.get()) == (n == octets.size() ? derniere : avantDerniere)) << n;
        EXPECT_TRUE(g->Modifie);
        EXPECT_EQ(dialogues.nombre(QStringLiteral("avertissement")), n > debut && n < octets.size())
            << n;
        EXPECT_TRUE(dialogues.textes().join(u'|').contains(
            n == octets.size() ? QStringLiteral("Récupérer les 4 modifications faites le 5 "
                                                "décembre 2026 entre 14 h 04 et 14 h 09 ?")
                               : QStringLiteral("Récupérer les 3 modifications")))
            << n;
        // Undoing every recovered step comes back to the saved file.
        while (n == octets.size() && g->HistoriqueClasse().PeutAnnuler()) g->Annuler();
        EXPECT_TRUE(n < octets.size() || image(g.get()) == sauve);
    }

    // Non: the file as saved, the steps kept in the journal, not offered again.
    ASSERT_TRUE(ecrire(journal, octets));
    dialogues.reponses = {QMessageBox::No};
    TChild* g = cadre->OuvrirClasse(classe);
    EXPECT_TRUE(image(g) == sauve && !g->Modifie);
    g->FichierJournal();
    g->close();
    const LectureJournal apres = LireJournal(journal);
    EXPECT_EQ(apres.enregistrements.size(), lu.enregistrements.size() + 1);
    EXPECT_EQ(apres.enregistrements.back().genre, GenreEnregistrement::MiseDeCote);
    dialogues.affiches.clear();
    cadre->OuvrirClasse(classe);
    EXPECT_EQ(dialogues.nombre(QStringLiteral("question")), 0);
}

TEST_F(Journal, AFileChangedElsewhereOpensAsItIsAndSaysWhatWasSetAside) {
    TChild* f = ouvrir();
    const QString classe = QString::fromStdString(f->Classe.NomFichier);
    taper(f, 1, 1, QStringLiteral("14"));
    f->FichierJournal();
    demarrer(); // as after a kill
    QFile c(classe);
    ASSERT_TRUE(c.open(QIODevice::ReadWrite) && c.seek(52));
    c.write("7", 1); // another program changed a grade
    c.close();
    const std::string fichier = fichierOuvert(classe);
    TChild* g = cadre->OuvrirClasse(classe);
    EXPECT_TRUE(image(g) == fichier && !g->Modifie);
    EXPECT_EQ(dialogues.nombre(QStringLiteral("question")), 0);
    EXPECT_TRUE(dialogues.textes().join(u'|').contains(
        QStringLiteral("ne correspond plus à son dernier enregistrement")));
    EXPECT_EQ(AnalyserReprise(LireJournal(g->FichierJournal())).etapes.size(), 0u);
}

TEST_F(Journal, ANewClassNeverSavedComesBackAtTheNextStartAndItsJournalFollowsItsFirstSave) {
    dialogues.gestes.push_back([](QDialog& d) {
        for (const char* nom : {"ZOLA", "ABEL"}) {
            d.findChild<QLineEdit*>(QStringLiteral("Nom"))->setText(QLatin1String(nom));
            d.findChild<QAbstractButton*>(QStringLiteral("Suivant"))->click();
        }
        d.findChild<QAbstractButton*>(QStringLiteral("OK"))->click();
    });
    TChild* f = cadre->OuvrirClasse({});
    ASSERT_TRUE(f);
    f->MenuTrierEleves();
    const std::string attendu = image(f);
    EXPECT_EQ(f->FichierJournal().rfind(plateforme.etat.toStdString() + "/nouvelles/", 0), 0u);
    demarrer(); // as after a kill

    dialogues.reponses = {QMessageBox::Yes};
    cadre->ReprendreNouvellesClasses();
    ASSERT_EQ(cadre->Feuilles().size(), 1);
    TChild* g = cadre->Feuilles().front();
    EXPECT_TRUE(dialogues.affiches.back().texte.startsWith(
        QStringLiteral("Nouvelle classe non enregistrée")));
    EXPECT_TRUE(g->NouveauFichier && g->Modifie);
    EXPECT_TRUE(image(g) == attendu);
    EXPECT_EQ(g->Classe.Eleve[1].Nom.str(), "ABEL");
    const QString cible = dossier.filePath(QStringLiteral("5B.cl3"));
    dialogues.fichiers = {cible};
    ASSERT_TRUE(g->EnregistrerSous());
    EXPECT_EQ(g->FichierJournal(), cible.toStdString() + ".journal");
    EXPECT_TRUE(QDir(plateforme.etat + QStringLiteral("/nouvelles")).isEmpty());
    EXPECT_TRUE(JournauxEnAttente(plateforme.etat.toStdString()).empty());
}

TEST_F(Journal, TheDoorAndTheWindowShowTheSameLog) {
    TChild* f = ouvrir();
    const QString classe = QString::fromStdString(f->Classe.NomFichier);
    a(14, 3);
    taper(f, 1, 1, QStringLiteral("14"));
    a(14, 4);
    taper(f, 0, 2, QStringLiteral("1"));
    a(14, 5);
    ASSERT_TRUE(f->Enregistrer(false));
    a(14, 6);
    f->Annuler();
    a(14, 7);
    f->Retablir();
    a(14, 8);
    taper(f, 2, 3, QStringLiteral("abs"));
    f->FichierJournal();

    QProcess door;
    door.start(QStringLiteral(QUILLORA_EXE), {QStringLiteral("--journal"), classe});
    ASSERT_TRUE(door.waitForFinished(30000));
    EXPECT_EQ(door.exitCode(), 0);
    const QString texte = QString::fromUtf8(door.readAllStandardOutput());
    EXPECT_EQ(texte.toStdString(),
              "2026-12-05T14:08:00\tSaisie de la note\tBERNARD Hugo\tMathématiques\tTrim. 1\t"
              "devoir du 6 oct.\t20\tabs\n"
              "2026-12-05T14:07:00\tRétablissement de la saisie du coefficient\t\tMathématiques\t"
              "Trim. 1\tdevoir du 22 sept.\t0.5\t1\n"
              "2026-12-05T14:06:00\tAnnulation de la saisie du coefficient\t\tMathématiques\t"
              "Trim. 1\tdevoir du 22 sept.\t1\t0.5\n"
              "2026-12-05T14:04:00\tSaisie du coefficient\t\tMathématiques\tTrim. 1\t"
              "devoir du 22 sept.\t0.5\t1\n"
              "2026-12-05T14:03:00\tSaisie de la note\tANDRÉ Rose\tMathématiques\tTrim. 1\t"
              "devoir du 15 sept.\t5.75\t14\n");

    const QStringList lignes = texte.split(u'\n', Qt::SkipEmptyParts);
    dialogues.gestes.push_back([&](QDialog& d) {
        auto& j = static_cast<TDialJournal&>(d);
        QTableWidget* t = j.Table();
        ASSERT_EQ(t->rowCount(), lignes.size());
        for (int i = 0; i < t->rowCount(); ++i) {
            const QStringList champs = lignes[i].split(u'\t');
            LigneJournal l{champs[2].toStdString(), champs[3].toStdString(),
                           champs[4].toStdString(), champs[5].toStdString(),
                           champs[6].toStdString(), champs[7].toStdString()};
            EXPECT_EQ(t->item(i, 0)->text(), champs[0].mid(8, 2) + u'/' + champs[0].mid(5, 2) +
                                                 u'/' + champs[0].left(4) + u' ' +
                                                 champs[0].mid(11, 5));
            EXPECT_EQ(t->item(i, 1)->text(), champs[1]);
            EXPECT_EQ(t->item(i, 2)->text().toStdString(), DetailEntree(l));
        }
        // One student's lines, copied as the door writes them.
        j.Filtre()->setCurrentIndex(j.Filtre()->findText(QStringLiteral("BERNARD Hugo")));
        EXPECT_EQ(t->rowCount(), 1);
        d.findChild<QAbstractButton*>(QStringLiteral("Copier"))->click();
        EXPECT_EQ(QApplication::clipboard()->text(), lignes[0] + u'\n');
        EXPECT_TRUE(j.PageImprimee().contains(QStringLiteral("devoir du 6 oct. : 20 → abs")));
        // Printed without a printer: never over the class, and the teacher told where it went.
        const QFileInfo c(classe);
        const QString pdf = c.path() + u'/' + c.completeBaseName() + QStringLiteral("-journal.pdf");
        QAbstractButton* imprimer = d.findChild<QAbstractButton*>(QStringLiteral("Imprimer"));
        ASSERT_TRUE(QFile::link(classe, pdf));
        dialogues.affiches.clear();
        imprimer->click();
        ASSERT_TRUE(QFile::remove(pdf));
        imprimer->click();
        EXPECT_EQ(dialogues.textes().filter(QStringLiteral("journal.pdf")),
                  (QStringList{"Impossible de créer le fichier \"" + pdf +
                                   "\". C'est le fichier de la classe ; il n'est pas remplacé.",
                               "Le fichier " + pdf + " est créé."}));
        QFile sortie(pdf);
        EXPECT_TRUE(sortie.open(QIODevice::ReadOnly) && sortie.read(4) == "%PDF");
        d.accept();
    });
    const QByteArray avant = octets(classe);
    f->findChild<QAction*>(QStringLiteral("MJournal"))->trigger();
    EXPECT_TRUE(dialogues.gestes.empty());
    EXPECT_EQ(octets(classe), avant);
}

} // namespace
