#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "ApercuReleves.h"
#include "Cadre.h"

using namespace quillora;
using namespace quillora::test;

class RelevesFeuille : public Cadre {};

TEST_F(RelevesFeuille, LaCommandeAttendLaSaisiePuisChoisitMontreEtEnregistre) {
    TChild* f = ouvrir();
    QAction* releves = f->MenuStatistique()->findChild<QAction*>(QStringLiteral("MReleves"));
    ASSERT_TRUE(releves && releves->isEnabled());
    EXPECT_EQ(releves->text(), QStringLiteral("&Relevés de notes..."));

    // While a grade is being typed, the command waits for it.
    f->Ligne = 1;
    f->Colonne = 1;
    f->OuvrirSaisie(QStringLiteral("1"));
    releves->trigger();
    EXPECT_EQ(dialogues.textes(), QStringList{"Terminer d'abord la saisie de la note !"});
    QTest::keyClick(f->EditNote, Qt::Key_Escape);

    // The third student's report of the year, saved from the preview (its content is the
    // print tests' business). Ticking a student chooses the ticked ones; none ticked is
    // refused, the dialog open.
    const QString pdf = dossier.filePath(QStringLiteral("releve.pdf"));
    dialogues.fichiers = {pdf};
    int pages = 0;
    dialogues.gestes = {
        [this](QDialog& d) {
            auto* eleve = d.findChild<QListWidget*>(QStringLiteral("Liste"))->item(2);
            auto bouton = [&d](const char* nom) {
                return d.findChild<QAbstractButton*>(QLatin1String(nom));
            };
            eleve->setCheckState(Qt::Checked);
            eleve->setCheckState(Qt::Unchecked);
            bouton("BitBtn1")->click();
            EXPECT_TRUE(d.isVisible() && dialogues.nombre("avertissement") == 1);
            eleve->setCheckState(Qt::Checked);
            bouton("RB4")->click();
            bouton("BitBtn1")->click();
        },
        [&pages](QDialog& d) {
            pages = static_cast<ApercuReleves&>(d).NbPages();
            d.findChild<QAbstractButton*>(QStringLiteral("EnregistrerPdf"))->click();
        }};
    releves->trigger();
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1) << "the entry guard's alone";
    EXPECT_TRUE(QFile::exists(pdf));

    // A class without students has nothing to report.
    f->Classe.NbEleve = 0;
    f->MettreAJourMenus();
    EXPECT_FALSE(releves->isEnabled());
    f->Classe.NbEleve = 28;
}
