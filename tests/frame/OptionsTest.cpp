#include <QApplication>
#include <QCheckBox>
#include <QSignalSpy>

#include "Cadre.h"
#include "TColorPanel.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class OptionsCadre : public Cadre {
protected:
    // The teacher unticks the capitals, makes the background green and leaves with `fin`.
    void modifier(void (QDialog::*fin)()) {
        dialogues.gestes.push_back([fin](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("majuscule"))->click();
            d.findChild<TColorPanel*>(QStringLiteral("couleur3"))->setColor(Qt::green);
            (d.*fin)();
        });
        QFile::remove(ini);
        cadre->Action(QStringLiteral("Options1"))->trigger();
    }
    QColor fond(TChild* f) {
        QApplication::processEvents();
        return f->viewport()->grab().toImage().pixelColor(f->viewport()->width() - 2,
                                                          f->viewport()->height() - 2);
    }
};

TEST_F(OptionsCadre, OkReCasesTheActiveClassAndRepaintsEverySheet) {
    TChild* autre = ouvrir(QStringLiteral("TS2.cl3"));
    TChild* f = ouvrir();
    EXPECT_EQ(f->Classe.Eleve[2].Nom.str(), "BERNARD");
    QSignalSpy notifications(autre, &TChild::notification);
    modifier(&QDialog::accept);

    EXPECT_EQ(f->Classe.Eleve[2].Nom.str(), "Bernard");
    EXPECT_TRUE(f->Modifie);
    // Only the class the dialog was opened on is re-cased and marked.
    EXPECT_FALSE(autre->Modifie);
    EXPECT_EQ(fond(autre), QColor(Qt::green));
    EXPECT_EQ(notifications, (QList<QVariantList>{{6, 0, 0, 0}}));
    // The re-casing is a step of its own, undone back to the file as read.
    EXPECT_EQ(f->findChild<QAction*>("MAnnuler")->text(),
              "A&nnuler la mise en minuscules des noms");
    f->Annuler();
    EXPECT_EQ(f->Classe.Eleve[2].Nom.str(), "BERNARD");
    EXPECT_FALSE(f->Modifie);
}

TEST_F(OptionsCadre, CancelChangesNothingAndAnOpenEntryKeepsTheDialogClosed) {
    TChild* f = ouvrir();
    modifier(&QDialog::reject);
    EXPECT_EQ(f->Classe.Eleve[2].Nom.str(), "BERNARD");
    EXPECT_FALSE(f->Modifie);
    EXPECT_TRUE(Options.majuscule);
    EXPECT_FALSE(QFile::exists(ini));

    QApplication::processEvents();
    f->Ligne = f->Colonne = 1;
    f->OuvrirSaisie(QStringLiteral("1"));
    ASSERT_TRUE(f->SaisieEnCours());
    ASSERT_EQ(cadre->FeuilleActive(), f);
    cadre->Action(QStringLiteral("Options1"))->trigger();
    EXPECT_EQ(dialogues.nombre(QStringLiteral("dialogue")), 1);
    EXPECT_TRUE(
        dialogues.textes().contains(QStringLiteral("Terminer d'abord la saisie de la note !")));
}

} // namespace
