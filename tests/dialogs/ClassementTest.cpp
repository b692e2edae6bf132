#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <sstream>

#include "Classement.h"
#include "ConversionsQt.h"
#include "Cp1252.h"
#include "DialoguesScriptes.h"
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

TEST_F(Classement, LesBoutonsClassentDeNouveauEtLaLigneDeCommandeEcritLeMemeTexte) {
    TDial10 d(c);
    // A period view, the year, the synthesis, a period without assignments: the title and
    // grid, the clipboard and the command line's output say the same.
    for (const char* vue : {"1,1", "1,4", "4,2", "3,3"}) {
        for (bool sansAbsents : {false, true}) {
            std::vector<std::string> args = {"--classement", c.NomFichier,     "--vue", vue,
                                             "--config",     "/nulle/part.ini"};
            if (sansAbsents) args.push_back("--sans-absents");
            std::ostringstream sortie, erreurs;
            ASSERT_EQ(ExecuterClassement(AnalyserLigneCommande(args), '.', sortie, erreurs), 0);
            enfant(&d, ("RB1" + std::string(1, vue[0])).c_str())->click();
            enfant(&d, ("RB" + std::string(1, vue[2])).c_str())->click();
            if (enfant(&d, "CB")->isChecked() != sansAbsents) enfant(&d, "CB")->click();
            enfant(&d, "Button1")->click();
            const QString presse = QApplication::clipboard()->text();
            EXPECT_EQ(texte(&d), presse) << vue << sansAbsents;
            EXPECT_EQ(QString::fromStdString(sortie.str()), QString(presse).replace('\r', '\n'))
                << vue << sansAbsents;
        }
    }
    c.NbPeriode = 2;
    c.NbMatiere = 2;
    TDial10 semestres(c);
    EXPECT_TRUE(enfant(&semestres, "RB3")->isHidden() && enfant(&semestres, "RB13")->isHidden());
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
