// What a screen reader hears while grades are typed: the cursor as the focus, the edit
// control's label, the value that changed, the view that changed.
#include <QAccessible>

#include "EcouteAccessible.h"
#include "FeuilleSaisie.h"

namespace quillora::test {

namespace {

class LectureSaisie : public FeuilleSaisie {
protected:
    void SetUp() override {
        FeuilleSaisie::SetUp();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
        f->setFocus();
        QTest::qWait(1);
        ecoute.evenements.clear();
    }
    // The last focus event, once the events posted have run.
    EvenementLu focus() {
        QCoreApplication::processEvents();
        const QList<EvenementLu> l = ecoute.De(QAccessible::Focus);
        return l.isEmpty() ? EvenementLu{} : l.last();
    }
    QString nom(int l, int c) const {
        return QAccessible::queryAccessibleInterface(f.get())->tableInterface()->cellAt(l, c)->text(
            QAccessible::Name);
    }

    EcouteAccessible ecoute;
};

TEST_F(LectureSaisie, LeCurseurEstLeFocusDuLecteur) {
    survoler(note(2, 3));
    EvenementLu e = focus();
    EXPECT_EQ(e.ligne, 1);
    EXPECT_EQ(e.colonne, 2);
    EXPECT_EQ(e.nom, "BLANC, Devoir 3, coefficient 1 : 13 sur 20");
    touche(Qt::Key_Down);
    e = focus();
    EXPECT_EQ(e.ligne, 2);
    EXPECT_EQ(e.colonne, 2);
    // Up from the first student: the coefficients' row, read as the assignment's header.
    for (int i = 0; i < 3; ++i) touche(Qt::Key_Up);
    e = focus();
    EXPECT_EQ(e.role, QAccessible::ColumnHeader);
    EXPECT_EQ(e.nom, "Devoir 3, coefficient 1");
    // Coming back to the window, the screen reader hears the cursor's cell after the table.
    f->clearFocus();
    ecoute.evenements.clear();
    f->setFocus();
    EXPECT_EQ(focus().nom, "Devoir 3, coefficient 1");
}

TEST_F(LectureSaisie, LaSaisieEstNommeeEtLaValeurChangeDeNom) {
    f->Ligne = 3;
    f->Colonne = 2;
    EXPECT_EQ(nom(2, 1), "COLIN, Devoir 2, coefficient 1 : 13 sur 20");
    f->OuvrirSaisie(QString());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f->EditNote)->text(QAccessible::Name),
              "COLIN, Devoir 2, coefficient 1");
    ecoute.evenements.clear();
    saisir(QStringLiteral("7"));
    EXPECT_EQ(nom(2, 1), "COLIN, Devoir 2, coefficient 1 : 7 sur 20, en dessous de la moyenne");
    const QList<EvenementLu> noms = ecoute.De(QAccessible::NameChanged);
    ASSERT_FALSE(noms.isEmpty());
    EXPECT_EQ(noms.last().ligne, 2);
    EXPECT_EQ(noms.last().colonne, 1);
    // Enter leaves the cursor there: the window has the keyboard again, on the same cell.
    EXPECT_EQ(focus().nom, nom(2, 1));
    // Undone, the old value is told again.
    ecoute.evenements.clear();
    f->Annuler();
    ASSERT_FALSE(ecoute.De(QAccessible::NameChanged).isEmpty());
    EXPECT_EQ(ecoute.De(QAccessible::NameChanged).last().nom, nom(2, 1));
    EXPECT_EQ(nom(2, 1), "COLIN, Devoir 2, coefficient 1 : 13 sur 20");
}

TEST_F(LectureSaisie, UneAutreVueEstUnNouveauContenu) {
    QAccessibleTableInterface* t = QAccessible::queryAccessibleInterface(f.get())->tableInterface();
    EXPECT_EQ(t->columnCount(), 6);
    f->ChangerMatiere(4);
    EXPECT_FALSE(ecoute.De(QAccessible::TableModelChanged).isEmpty());
    EXPECT_EQ(t->columnCount(), f->Classe.NbMatiere + 1);
    EXPECT_EQ(t->rowCount(), 7);
}

} // namespace

} // namespace quillora::test
