#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>

#include "FeuilleSaisie.h"
#include "TDial16.h"

using namespace quillora;
using namespace quillora::test;

namespace {

class Annuler : public FeuilleSaisie {
protected:
    void taper(Cellule c, const char* texte) {
        f->Ligne = c.Ligne;
        f->Colonne = c.Colonne;
        f->OuvrirSaisie(QString());
        saisir(QString::fromUtf8(texte));
    }
};

TEST_F(Annuler, AnnulerEtRetablirDesSaisiesAvecLeursMenus) {
    QAction* annuler = action("MAnnuler");
    QAction* retablir = action("MRetablir");
    ASSERT_TRUE(annuler && retablir);
    EXPECT_FALSE(annuler->isEnabled());
    const QImage initial = ecran();
    taper({2, 3}, "3");
    taper({0, 2}, "2");
    QCoreApplication::processEvents(); // the typing shown
    EXPECT_EQ(annuler->text(), "A&nnuler la saisie du coefficient");

    QSignalSpy notes(f.get(), &TChild::notification);
    annuler->trigger();
    EXPECT_EQ(retablir->text(), "&Rétablir la saisie du coefficient");
    EXPECT_EQ(annuler->text(), "A&nnuler la saisie de la note");
    annuler->trigger();
    // The grade's cell and its averages are painted again (below the coefficients' row).
    const QRect eleves(0, point(0, 20).y(), vue()->width(), vue()->height());
    EXPECT_EQ(ecran().copy(eleves), initial.copy(eleves));
    EXPECT_FALSE(annuler->isEnabled());
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(notes[0], (QList<QVariant>{4, 1, 2, 0}));
    EXPECT_EQ(notes[1], (QList<QVariant>{3, 1, 3, 2}));
    retablir->trigger();
    retablir->trigger();
    EXPECT_FALSE(retablir->isEnabled());
    EXPECT_EQ(retablir->text(), "Rétablir");
}

TEST_F(Annuler, GardeDeSaisieVueEtMarqueDeModification) {
    taper({2, 3}, "3");
    f->MarquerSauve(); // as a save does
    taper({3, 3}, "4");
    EXPECT_TRUE(f->Modifie);
    f->ChangerTrimestre(2);

    // Not while a grade is being typed.
    f->ChangerTrimestre(1);
    f->Ligne = 1;
    f->Colonne = 1;
    f->OuvrirSaisie(QStringLiteral("9"));
    f->Annuler();
    EXPECT_EQ(texte(3, 3), "4");
    EXPECT_TRUE(dialogues.textes().contains("Terminer d'abord la saisie de la note !"));
    saisir(QString(), Qt::Key_Escape);

    f->ChangerTrimestre(2);
    QSignalSpy notes(f.get(), &TChild::notification);
    f->Annuler();
    EXPECT_EQ(f->Classe.PeriodeCourante, 1); // shown where the grade was typed
    EXPECT_EQ(notes, (QList<QVariantList>{{5, 1, 0, 0}, {3, 1, 3, 3}}));
    EXPECT_EQ(texte(3, 3), "14");
    EXPECT_FALSE(f->Modifie); // back to the saved file
    EXPECT_FALSE(f->isWindowModified());
    f->Retablir();
    EXPECT_TRUE(f->Modifie);
}

TEST_F(Annuler, UneCommandeNommeSonEtape) {
    dialogues.gestes = {[](QDialog& d) {
        static_cast<TDial16&>(d).Liste()->setCurrentIndex(2);
        clic(d, "OK");
    }};
    dialogues.reponses = {QMessageBox::Yes};
    f->SupprimerDevoir();
    EXPECT_EQ(action("MAnnuler")->text(), "A&nnuler la suppression du devoir 3");
}

} // namespace
