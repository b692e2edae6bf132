#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

#include "Classement.h"
#include "ConversionsQt.h"
#include "Cp1252.h"
#include "DialoguesScriptes.h"
#include "Fabrique.h"
#include "Horloge.h"
#include "LigneCommande.h"
#include "TDial10.h"
#include "TDial11.h"
#include "TDial12.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class Classement : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        DefinirHorloge([] { return DateHeure{2026, 12, 6, 10, 0, 0}; });
        c.Initialiser();
        c.NomFichier = QUILLORA_SOURCE_DIR "/exemples/3A.cl3";
        ASSERT_TRUE(c.Charger().ok);
        c.NormaliserNoms(); // as the sheet does when it opens the class
    }
    void TearDown() override { HorlogeSysteme(); }

    template <class W = QAbstractButton> static W* enfant(QWidget* d, const char* nom) {
        return d->findChild<W*>(QLatin1String(nom));
    }
    // The dialog's title and grid, written as the clipboard's text is.
    static QString texte(QDialog* d) {
        auto* g = enfant<QTableWidget>(d, "ST");
        QString t = d->windowTitle() + '\r';
        for (int r = -1; r < g->rowCount(); ++r) {
            QStringList l;
            for (int k = 0; k < g->columnCount(); ++k)
                l << (r < 0 ? g->horizontalHeaderItem(k) : g->item(r, k))->text();
            t += l.join('\t') + '\r';
        }
        return t;
    }

    TClasse c;
    DialoguesScriptes dialogues;
    PlateformeFactice plateforme;
};

// The buttons choose the view and the box the rule: in subject 2's second semester, ELEVE2
// has no grade, an absence that leaves him unranked. The clipboard and the command line
// write the same text.
TEST_F(Classement, LesBoutonsClassentLaVueChoisieEtLesTroisSortiesConcordent) {
    TClasse k = classeAvecNotes({{"8"}, {""}, {"16"}}, {}, 2, 2);
    k.AbrevClasse = "4B";
    k.AnneeScolaire = "( 2026 / 2027 )";
    k.NbMatiere = k.NbPeriode = 2;
    QTemporaryDir dossier;
    k.NomFichier = dossier.filePath(QStringLiteral("4B.cl3")).toStdString();
    ASSERT_TRUE(k.Sauver());
    TDial10 d(k);
    for (const char* bouton : {"RB12", "RB2", "CB", "Button1"}) enfant(&d, bouton)->click();
    const QString grille = texte(&d);
    EXPECT_EQ(grille, "4B / Matière 2 / Sem.2 ( 2026 / 2027 )\rRang\tElève\tMoyenne\tAbsence\r"
                      " 1\t ELEVE3 \t 16\t\r 2\t ELEVE1 \t 8\t\r n.c.\t ELEVE2 \t\t 1\r");
    EXPECT_TRUE(enfant(&d, "RB3")->isHidden() && enfant(&d, "RB13")->isHidden());
    EXPECT_EQ(QApplication::clipboard()->text(), grille);
    std::ostringstream sortie, erreurs;
    ExecuterClassement(AnalyserLigneCommande({"--classement", k.NomFichier, "--vue", "2,2",
                                              "--config", "/nulle/part.ini", "--sans-absents"}),
                       '.', sortie, erreurs);
    EXPECT_EQ(QString::fromStdString(sortie.str()), QString(grille).replace('\r', '\n'));
}

TEST_F(Classement, LeBlocNoteEcritLeFichierPuisLOuvre) {
    TDial10 d(c);
    enfant(&d, "CB")->click();
    // The program's folder is not writable here: the file goes beside the settings.
    const QString chemin = plateforme.configuration + "/Classement.TXT";
    enfant(&d, "Button2")->click();
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), Utf8DepuisCp1252(TexteFichierClassement(c, 1, 1, true)));
    EXPECT_EQ(plateforme.fichiersEdites, QStringList{chemin});
    plateforme.editeurDisponible = false;
    enfant(&d, "Button2")->click();
    // A folder in the way of the file: said, and nothing claimed.
    QFile::remove(chemin);
    QDir().mkpath(chemin);
    enfant(&d, "Button2")->click();
    const QString cree = "Le fichier " + chemin + " est créé.";
    EXPECT_EQ(dialogues.textes().mid(0, 3),
              (QStringList{cree, cree, "Éditeur de texte : impossible d'ouvrir " + chemin}));
    EXPECT_EQ(dialogues.nombre("erreur"), 1);
    EXPECT_TRUE(dialogues.textes().last().startsWith("Le fichier " + chemin +
                                                     " ne peut pas être écrit : "));
}

TEST_F(Classement, AgesEtAnniversairesDuMoisEnCours) {
    TDial11 ages(c);
    EXPECT_TRUE(texte(&ages).endsWith(" GUÉRIN Maël\t ??\t ??\r")); // no birth date
    TDial12 anniversaires(c);
    EXPECT_EQ(enfant<QListWidget>(&anniversaires, "LB")->count(), 2);
}

} // namespace
