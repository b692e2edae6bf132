#include <QAbstractButton>
#include <QListWidget>
#include <QProcess>
#include <QTest>

#include "Cadre.h"
#include "ConversionsQt.h"

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

    // The third student's report of the year, saved from the preview.
    const QString pdf = dossier.filePath(QStringLiteral("releve.pdf"));
    dialogues.fichiers = {pdf};
    dialogues.gestes = {
        [](QDialog& d) {
            d.findChild<QListWidget*>(QStringLiteral("Liste"))->item(2)->setCheckState(Qt::Checked);
            d.findChild<QAbstractButton*>(QStringLiteral("RB4"))->click();
            d.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
        },
        [](QDialog& d) {
            d.findChild<QAbstractButton*>(QStringLiteral("EnregistrerPdf"))->click();
        }};
    releves->trigger();
    ASSERT_EQ(dialogues.nombre(QStringLiteral("dialogue")), 2);
    EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1) << "the entry guard's alone";
    QProcess texte;
    texte.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(texte.waitForFinished(60000));
    const QString t = QString::fromUtf8(texte.readAllStandardOutput());
    for (int e = 1; e <= f->Classe.NbEleve; ++e)
        EXPECT_EQ(t.contains(texteQt(f->Classe.NomEleve(e, true))), e == 3) << e;
    EXPECT_TRUE(t.contains(QStringLiteral("Moyennes de l'année")));

    // A class without students has nothing to report.
    f->Classe.NbEleve = 0;
    f->MettreAJourMenus();
    EXPECT_FALSE(releves->isEnabled());
    f->Classe.NbEleve = 28;
}
