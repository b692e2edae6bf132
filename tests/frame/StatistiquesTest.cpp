#include <QMdiSubWindow>
#include <QTest>

#include "Cadre.h"
#include "TStat02.h"
#include "TStat04.h"
#include "ZoneClients.h"

using namespace quillora;
using namespace quillora::test;

class Statistiques : public Cadre {
protected:
    template <typename T> QList<T*> fenetres() const {
        QList<T*> l;
        for (QMdiSubWindow* w : cadre->Zone()->subWindowList())
            if (auto* f = qobject_cast<T*>(w->widget())) l << f;
        return l;
    }
    void activer(QWidget* w) {
        cadre->Zone()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
    }
};

// The sheet's windows open from its menu and the frame's button, follow the grades typed,
// make the frame's buttons and period panel theirs, and close with the sheet, before its class
// is freed (the next change of settings would have them read freed memory: the CI runs this
// under AddressSanitizer).
TEST_F(Statistiques, LesFenetresSuiventLaFeuilleEtPartentAvantSaClasse) {
    TChild* f = ouvrir();
    cadre->Bouton(QStringLiteral("SB5"))->click();
    f->MenuStatistique()->findChild<QAction*>(QStringLiteral("M41"))->trigger();
    f->MenuStatistique()->findChild<QAction*>(QStringLiteral("M47"))->trigger();
    ASSERT_EQ(cadre->Zone()->subWindowList().size(), 6);

    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Bilan"));
    EXPECT_FALSE(actif("SB1") || actif("SB5") || actif("SB7") || actif("SB9"));
    EXPECT_TRUE(actif("SB6") && actif("SB2")) << "the window prints itself";
    activer(fenetres<TStat02>().front());
    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Trim.1"));

    // Two windows on assignments 7 and 1; a grade typed in assignment 7.
    TStat02* septieme = fenetres<TStat02>().front();
    TStat02* premier = fenetres<TStat02>().back();
    premier->findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(0);
    ASSERT_EQ(std::make_pair(septieme->DevoirChoisi, premier->DevoirChoisi), std::make_pair(7, 1));
    const QString ligne7 = septieme->G->LireLigne(5), ligne1 = premier->G->LireLigne(5);
    activer(f);
    f->Ligne = 1;
    f->Colonne = 7;
    f->OuvrirSaisie(QStringLiteral("0"));
    QTest::keyClick(f->EditNote, Qt::Key_Return);
    EXPECT_NE(septieme->G->LireLigne(5), ligne7);
    EXPECT_EQ(premier->G->LireLigne(5), ligne1);

    // Closing the sheet, without saving, takes its windows along.
    dialogues.reponses = {QMessageBox::No, QMessageBox::No};
    qobject_cast<QMdiSubWindow*>(f->parentWidget())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(cadre->Zone()->subWindowList().isEmpty());
    // The charts paint their own copies; what would read the class is computing again.
    cadre->NotifierStatistiques(6, 0, 0, 0);
    cadre->grab();

    // The view's period and subject, changed on the sheet, are sent to the windows.
    f = ouvrir();
    auto* s2 = qobject_cast<TStat02*>(f->OuvrirStatistique(2));
    auto* s4 = qobject_cast<TStat04*>(f->OuvrirStatistique(4));
    f->ChangerMatiere(2);
    EXPECT_EQ(s2->MatiereChoisie, 2);
    EXPECT_EQ(s2->DevoirChoisi, f->Classe.NbDevoir[2][1]) << "the list follows the subject";
    s4->findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(3);
    f->ChangerTrimestre(2);
    EXPECT_EQ(s2->PeriodeChoisie, 1) << "the assignment window keeps its period";
    EXPECT_EQ(s4->EleveChoisi, 3) << "the report of a student stays on the student";
}
