#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "Cp1252.h"
#include "DialoguesScriptes.h"
#include "Horloge.h"
#include "TDialImportListe.h"

using namespace quillora;

namespace {

class ImportListe : public ::testing::Test {
protected:
    void SetUp() override {
        DefinirHorloge([] { return DateHeure{2026, 12, 5, 10, 0, 0}; });
        classe.Initialiser();
        classe.AbrevClasse = "4B";
        classe.NbEleve = 43;
        for (int e = 1; e <= 43; ++e) classe.Eleve[e].Nom = "E" + std::to_string(e);
        classe.Eleve[2].Nom = "MARTIN";
        classe.Eleve[2].Prenom = "Paul";
    }
    void TearDown() override { HorlogeSysteme(); }
    QString cellule(int r, int c) const { return d->Tableau()->item(r, c)->text(); }

    TClasse classe;
    test::DialoguesScriptes dialogues;
    std::unique_ptr<TDialImportListe> d;
};

TEST_F(ImportListe, ProblemesMontresLigneParLigneEtChoixDuProfesseur) {
    d = std::make_unique<TDialImportListe>(classe, true);
    d->ChargerOctets("Nom;Prénom;Né(e) le\n"
                     "POPEȘCU;Ana;31/02/2012\n"
                     "MARTIN;Paul;05/03/2012\n"
                     "UN NOM BEAUCOUP TROP LONG;Léa;2012-01-02\n"
                     "ROUX;Tom;\n",
                     QStringLiteral("Fichier « 4B.csv »"));
    ASSERT_EQ(d->Tableau()->rowCount(), 4);
    EXPECT_EQ(cellule(1, 6), "déjà dans la classe (élève 2) : non importé ; cochez pour compléter "
                             "sa date de naissance");
    EXPECT_EQ(cellule(2, 5), "2 janvier 2012");
    // Two places left: the fourth row stays out.
    EXPECT_EQ(cellule(3, 6), "plus de place dans la classe (45 élèves au plus) : non importé");
    EXPECT_EQ(d->Bilan()->text(), "2 élèves seront ajoutés (la classe en aura 45), 2 lignes non "
                                  "importées.");
    // A box is ticked for a row that comes in, and for it alone.
    auto coches = [this] {
        QString t;
        for (int r = 0; r < d->Tableau()->rowCount(); ++r)
            t += d->Tableau()->item(r, 0)->checkState() == Qt::Checked ? 'x' : '-';
        return t;
    };
    EXPECT_EQ(coches(), "x-x-");

    // The teacher skips the first row, asks for Martin's date and corrects the other date.
    d->Tableau()->item(0, 0)->setCheckState(Qt::Unchecked);
    d->Tableau()->item(1, 0)->setCheckState(Qt::Checked);
    d->Tableau()->item(3, 5)->setData(Qt::UserRole, QStringLiteral("07.08.13"));
    EXPECT_EQ(cellule(3, 5), "7 août 2013");
    EXPECT_EQ(d->Bilan()->text(), "2 élèves seront ajoutés (la classe en aura 45), 1 date de "
                                  "naissance complétée, 1 ligne non importée.");
    EXPECT_EQ(coches(), "-xxx");
}

TEST_F(ImportListe, PressePapiersEtColonnesChoisies) {
    d = std::make_unique<TDialImportListe>(classe, true);
    EXPECT_EQ(d->windowTitle(), "Importer une liste d'élèves ( 4B )");
    EXPECT_EQ(TDialImportListe(classe, true, true).windowTitle(),
              "Nouvelle classe depuis une liste d'élèves");
    QApplication::clipboard()->setText(QStringLiteral("1\tDurand\tZoé\n2\tPetit\tLucas\n"));
    ASSERT_TRUE(d->ChargerPressePapiers());
    EXPECT_EQ(cellule(0, 3), "Durand");
    EXPECT_EQ(cellule(0, 4), "Zoé");
    // The teacher says the first column holds the names: the rows are read again.
    auto* premiere = qobject_cast<QComboBox*>(d->TableauColonnes()->cellWidget(0, 0));
    ASSERT_TRUE(premiere);
    premiere->setCurrentText(QStringLiteral("Nom"));
    EXPECT_EQ(cellule(1, 3), "2");
    EXPECT_EQ(cellule(1, 4), "Lucas");

    QApplication::clipboard()->clear();
    EXPECT_FALSE(d->ChargerPressePapiers());
    EXPECT_TRUE(dialogues.textes().contains("Le presse-papiers ne contient pas de texte."));
    EXPECT_FALSE(d->ChargerFichier(QStringLiteral("/nulle/part.csv")));
    EXPECT_EQ(dialogues.affiches.back().genre, "avertissement");
}

} // namespace
