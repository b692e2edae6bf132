#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>

#include "Cadre.h"
#include "TDialImportListe.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class ImportCommandes : public Cadre {};

TEST_F(ImportCommandes, NouvelleClasseDepuisUneListePuisAjoutDepuisLePressePapiers) {
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

    // Cancelled: nothing changes.
    f->MarquerSauve();
    f->findChild<QAction*>(QStringLiteral("MImporterListe"))->trigger();
    EXPECT_FALSE(f->Modifie);
    EXPECT_EQ(f->Classe.NbEleve, 3);
}

} // namespace
