#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include "ConversionsQt.h"
#include "EcouteAccessible.h"
#include "FeuilleSaisie.h"

using namespace quillora;
using namespace quillora::test;

using Saisie = FeuilleSaisie;

TEST_F(Saisie, UnClicChoisitLaNoteLaPlusProcheDeSonOrigine) {
    // 8 units left is still the grade, 12 units left the previous one; exactly half-way,
    // the even column wins.
    for (auto [a, dx, attendu] :
         {std::tuple{3, -8., 3}, {3, -12., 2}, {3, -10., 2}, {2, -10., 2}, {4, 9.5, 4}}) {
        clic(note(2, a, dx));
        ASSERT_TRUE(f->SaisieEnCours()) << a << " " << dx;
        EXPECT_EQ(enSaisie(), (Cellule{2, attendu})) << a << " " << dx;
        EXPECT_EQ(f->EditNote->text(), QString::fromStdString(texte(2, attendu)));
        // The control lies over the cell, at the sheet's scale.
        EXPECT_EQ(f->EditNote->geometry(),
                  QRect(point(20 * (attendu + f->LargeurNom), 30),
                        QSize(qRound(20 * Options.zoomD), qRound(15 * Options.zoomD))));
        QTest::keyClick(f->EditNote, Qt::Key_Escape);
    }
    clic(point(40, 30)); // beside the cells, the pop-up menu
    EXPECT_FALSE(f->SaisieEnCours());
    EXPECT_TRUE(f->MenuPopup()->isVisible());
    f->MenuPopup()->close();
}

TEST_F(Saisie, LaLigneDesCoefficientsSeSaisitAuClavier) {
    QSignalSpy notifications(f.get(), &TChild::notification);
    survoler(note(1, 2));
    touche(Qt::Key_Up);
    touche(Qt::Key_Up);
    EXPECT_EQ(f->Ligne, 0);
    // Enter opens on the formatted coefficient; a text that is no value is refused silently.
    touche(Qt::Key_Return);
    EXPECT_EQ(f->EditNote->text(), QStringLiteral("1"));
    saisir(QStringLiteral("abs"));
    EXPECT_TRUE(f->SaisieEnCours());
    EXPECT_TRUE(dialogues.affiches.empty());
    saisir(QStringLiteral("2,5")); // the comma typed is the decimal point
    EXPECT_FALSE(f->SaisieEnCours());
    EXPECT_EQ(f->Classe.Devoir[1][1][2].Coef, 2.5);
    EXPECT_TRUE(f->Modifie);
    EXPECT_EQ(notifications, (QList<QVariantList>{{4, 1, 2, 0}}));
    // Beyond the highest coefficient, 10, not a grade's 20: refused.
    touche(Qt::Key_3);
    saisir(QStringLiteral("11"));
    EXPECT_EQ(f->Classe.Devoir[1][1][2].Coef, 2.5);
}

TEST_F(Saisie, CeQuiEstStockeEtCeQuiEstRefuse) {
    QSignalSpy notifications(f.get(), &TChild::notification);
    // Out of range, the warning keeps the entry open; Escape leaves the class as it was.
    clic(note(2, 2));
    saisir(QStringLiteral("25"));
    EXPECT_TRUE(f->SaisieEnCours());
    EXPECT_EQ(dialogues.textes(),
              QStringList{QStringLiteral("Le nombre 25.00 est en dehors du domaine de validité.\r"
                                         "( De 0 à 20 )")});
    QTest::keyClick(f->EditNote, Qt::Key_Escape);
    EXPECT_EQ(texte(2, 2), "12");
    EXPECT_FALSE(f->Modifie);
    EXPECT_TRUE(notifications.isEmpty());
    // Letters and five characters are the grades dialog's cases too: the fifth is dropped
    // unless the text would read as another grade without it.
    using Cas = std::tuple<bool, bool, const char*, const char*>;
    for (auto [lettres, verification, tape, stocke] :
         {Cas{false, true, "b+", "b+"}, Cas{true, true, "abs", "abs"},
          Cas{true, true, "12.50", "12.5"}, Cas{true, false, "25", "25"},
          Cas{true, true, "absent", "abse"}, Cas{true, true, "12.75", "12.75"}}) {
        Options.utiliserL = lettres;
        Options.verification = verification;
        clic(note(3, 1));
        saisir(QLatin1String(tape));
        EXPECT_FALSE(f->SaisieEnCours()) << tape;
        EXPECT_EQ(texte(3, 1), stocke) << tape;
    }
    EXPECT_EQ(dialogues.affiches.size(), 1u);
    EXPECT_EQ(notifications.last(), (QList<QVariant>{3, 1, 1, 3}));
    // Pasted from another script, a text is kept as a student's dialog spells it; digits of
    // another script make a grade.
    for (const auto& [colle, stocke] :
         {std::pair{"Дмит", "Dmit"}, {"Ne\u0301", "N\xE9"}, {"\u0661\u0662", "12"}}) {
        clic(note(3, 1));
        f->EditNote->insert(QString::fromUtf8(colle));
        QTest::keyClick(f->EditNote, Qt::Key_Return);
        EXPECT_EQ(texte(3, 1), stocke) << colle;
    }
}

// Clicked, a cell's grade is replaced by what is typed, as in any spreadsheet; the editing
// keys work from its end. A comma typed in a number is its decimal point, as typed.
TEST_F(Saisie, UnClicPuisLaFrappeRemplaceLaNote) {
    TClasse& c = f->Classe;
    c.Eleve[2].Note[1][1][1] = "abs";
    c.Eleve[2].Note[1][1][2] = "12.75";
    c.Eleve[3].Note[1][1][1] = "12,5"; // as an older file may hold it
    using Cas = std::tuple<int, int, std::vector<Qt::Key>, const char*, const char*>;
    for (auto [e, a, touches, tape, stocke] :
         {Cas{2, 1, {}, "20", "20"}, Cas{2, 2, {}, "19", "19"},
          Cas{2, 3, {Qt::Key_Backspace}, "5", "15"}, Cas{2, 4, {Qt::Key_Left}, ",5", "1.54"},
          Cas{4, 2, {Qt::Key_End}, ",5", "14.5"}, Cas{5, 1, {}, "0,25", "0.25"},
          Cas{5, 2, {}, "b,", "b,"}, Cas{3, 1, {}, "", "12,5"}}) {
        clic(note(e, a));
        for (Qt::Key t : touches) QTest::keyClick(f->EditNote, t);
        QTest::keyClicks(f->EditNote, QLatin1String(tape));
        QTest::keyClick(f->EditNote, Qt::Key_Return);
        EXPECT_FALSE(f->SaisieEnCours()) << e << " " << a;
        EXPECT_EQ(texte(e, a), stocke) << e << " " << a;
    }
    EXPECT_TRUE(dialogues.affiches.empty());
}

// F1 to F4 and typed characters open an entry only over a cell; without the cursor
// option, every key only beeps, and a click still opens an entry.
TEST_F(Saisie, LesTouchesQuiOuvrentLaSaisie) {
    clic(point(40, 30)); // no cell under the pointer yet: nothing opens
    f->MenuPopup()->close();
    touche(Qt::Key_F2);
    touche(Qt::Key_A);
    EXPECT_EQ(plateforme.bips, 2);
    survoler(note(5, 4));
    touche(Qt::Key_F3);
    EXPECT_EQ(f->EditNote->text(), QStringLiteral("excu"));
    QTest::keyClick(f->EditNote, Qt::Key_Return);
    EXPECT_EQ(texte(5, 4), "excu");
    touche(Qt::Key_Left);
    touche(Qt::Key_A);
    EXPECT_EQ(enSaisie(), (Cellule{5, 3}));
    EXPECT_EQ(f->EditNote->text(), QStringLiteral("a"));
    QTest::keyClick(f->EditNote, Qt::Key_Escape);

    survoler(point(40, 30));
    Options.trait = false;
    survoler(note(2, 2));
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Return, Qt::Key_F1, Qt::Key_7}) touche(k);
    EXPECT_EQ(plateforme.bips, 6);
    EXPECT_EQ((Cellule{f->Ligne, f->Colonne}), (Cellule{2, 2}));
    EXPECT_FALSE(f->Etat().Curseur); // and no mark
    clic(note(2, 2));
    saisir(QStringLiteral("9"));
    EXPECT_EQ(texte(2, 2), "9");
}

TEST_F(Saisie, UneSaisieOuverteArreteLesCommandes) {
    clic(note(1, 1));
    f->ChangerTrimestre(2);
    f->MatiereSuivante();
    f->BasculerApercu();
    f->ZoomPlus();
    EXPECT_FALSE(f->EnregistrerSous());
    f->EffacerFichier();
    EXPECT_FALSE(f->close());
    EXPECT_FALSE(f->FermetureOK());
    for (auto commande :
         {&TChild::AjouterDevoir, &TChild::InsererDevoir, &TChild::ModifierDevoir,
          &TChild::SupprimerDevoir, &TChild::ViderPeriode, &TChild::ViderAnnee,
          &TChild::CouperDevoir, &TChild::InsererDevoirCopie, &TChild::MenuCoefficients,
          &TChild::MenuMatieres, &TChild::Annuler, &TChild::MenuReleves})
        (f.get()->*commande)();
    f->OuvrirOptions(QString(), ',');
    // The ranking would lack the grade being typed; a dialog opened by mistake is closed.
    QTimer::singleShot(0, [] {
        if (QWidget* d = QApplication::activeModalWidget()) d->close();
    });
    f->MenuStatistique()->findChild<QAction*>(QStringLiteral("M43"))->trigger();
    EXPECT_EQ(dialogues.textes(),
              QStringList(21, QStringLiteral("Terminer d'abord la saisie de la note !")));
    EXPECT_EQ(f->Classe.PeriodeCourante + f->Classe.MatiereCourante, 2);
    EXPECT_FALSE(f->ModeApercu);
    EXPECT_TRUE(f->isVisible());
    // A click during the entry only beeps, and the typing goes on where it was.
    clic(note(3, 3));
    EXPECT_EQ(plateforme.bips, 1);
    EXPECT_EQ(enSaisie(), (Cellule{1, 1}));
    QTest::keyClick(f->EditNote, Qt::Key_Escape);
    f->ChangerTrimestre(2);
    EXPECT_EQ(f->Classe.PeriodeCourante, 2);
}

TEST_F(Saisie, LesTouchesQuiValidentDeplacentLeCurseur) {
    survoler(note(3, 2));
    touche(Qt::Key_Return);
    saisir(QStringLiteral("15"), Qt::Key_Down);
    EXPECT_EQ(texte(3, 2), "15");
    EXPECT_EQ((Cellule{f->Ligne, f->Colonne}), (Cellule{4, 2}));
    EXPECT_EQ(f->Etat().Curseur, (Cellule{4, 2}));
    touche(Qt::Key_Return);
    saisir(QStringLiteral("16"), Qt::Key_Up);
    EXPECT_EQ(texte(4, 2), "16");
    EXPECT_EQ(f->Etat().Curseur, (Cellule{3, 2}));
    // Enter stays; the pointer passing over other cells during an entry changes nothing.
    touche(Qt::Key_Return);
    survoler(note(6, 4));
    saisir(QStringLiteral("17"));
    EXPECT_EQ(texte(3, 2), "17");
    EXPECT_EQ(f->Etat().Curseur, (Cellule{3, 2}));
    // Tab and Shift+Tab go along the row; a refused grade keeps the typing where it is.
    touche(Qt::Key_Return);
    saisir(QStringLiteral("18"), Qt::Key_Tab);
    EXPECT_EQ(texte(3, 2), "18");
    EXPECT_EQ(f->Etat().Curseur, (Cellule{3, 3}));
    touche(Qt::Key_Return);
    f->EditNote->setText(QStringLiteral("25"));
    QTest::keyClick(f->EditNote, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(f->SaisieEnCours());
    EXPECT_EQ(f->focusWidget(), f->EditNote);
    saisir(QStringLiteral("19"), Qt::Key_Backtab);
    EXPECT_EQ(texte(3, 3), "19");
    EXPECT_EQ(f->Etat().Curseur, (Cellule{3, 2}));
}

TEST_F(Saisie, AnnulerEtRetablirAvecLeursMenusLaVueEtLaMarqueDeModification) {
    const auto taper = [this](int ligne, int colonne, const char* texte) {
        f->Ligne = ligne;
        f->Colonne = colonne;
        f->OuvrirSaisie(QString());
        saisir(QString::fromUtf8(texte));
    };
    QAction* annuler = action("MAnnuler");
    QAction* retablir = action("MRetablir");
    EXPECT_FALSE(annuler->isEnabled());
    const QImage initial = ecran();
    taper(2, 3, "3");
    taper(0, 2, "2");
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
    EXPECT_EQ(notes, (QList<QVariantList>{{4, 1, 2, 0}, {3, 1, 3, 2}}));
    retablir->trigger();
    f->MarquerSauve(); // as a save does
    taper(0, 2, "2");
    // Undone from another view: shown where the step was made, back to the saved file.
    f->ChangerTrimestre(2);
    notes.clear();
    f->Annuler();
    EXPECT_EQ(f->Classe.PeriodeCourante, 1);
    EXPECT_EQ(notes, (QList<QVariantList>{{5, 1, 0, 0}, {4, 1, 2, 0}}));
    EXPECT_EQ(f->Classe.Devoir[1][1][2].Coef, 1);
    EXPECT_FALSE(f->Modifie || f->isWindowModified());
    retablir->trigger();
    EXPECT_TRUE(f->Modifie);
    EXPECT_FALSE(retablir->isEnabled());
    EXPECT_EQ(retablir->text(), "Rétablir");
}

namespace {

// Records the region of every paint of the sheet.
class Espion : public QObject {
public:
    QRegion dernier;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) dernier = static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

class Repeint : public FeuilleSaisie {
protected:
    // Types `tape` into `cellule` and checks that what the window then shows is what a full
    // paint shows, and that less than the whole window was painted.
    void comparer(Cellule cellule, const QString& tape) {
        Espion espion;
        vue()->installEventFilter(&espion);
        f->Ligne = cellule.Ligne;
        f->Colonne = cellule.Colonne;
        f->OuvrirSaisie(tape);
        QCoreApplication::processEvents();
        const QImage avant = ecran();
        QTest::keyClick(f->EditNote, Qt::Key_Return);
        ASSERT_FALSE(f->SaisieEnCours());
        const QImage apres = ecran();
        EXPECT_NE(apres, avant);
        EXPECT_FALSE(espion.dernier.contains(note(6, 4))); // a grade that did not change
        vue()->repaint();
        EXPECT_EQ(ecran(), apres);
        vue()->removeEventFilter(&espion);
    }
};

TEST_F(Repeint, CeQuiChangeApresUneNoteOuUnCoefficientEstCeQuUnDessinCompletMontre) {
    comparer({2, 3}, QStringLiteral("3"));
    comparer({5, 1}, QStringLiteral("abs"));
    // A coefficient repaints every average, even the joker column beyond 19 x (n + L + 1)
    // + 54 units.
    TClasse& c = f->Classe;
    c.NbDevoir[1][1] = 24;
    for (int e = 1; e <= c.NbEleve; ++e)
        for (int a = 5; a <= 24; ++a) c.Eleve[e].Note[1][1][a] = std::to_string(e + a % 7);
    f->resize(1800, 400);
    QTest::qWait(20);
    comparer({0, 2}, QStringLiteral("5"));
}

TEST_F(Repeint, LeCurseurFaitDefilerEtLaSaisieSuitLaFeuille) {
    f->Classe.NbEleve = 45;
    for (int e = 7; e <= 45; ++e) f->Classe.Eleve[e].Nom = "ZOLA";
    f->resize(900, 300);
    QTest::qWait(20);
    QScrollBar* v = f->verticalScrollBar();
    survoler(note(2, 1));
    for (int lignes = 0; v->value() == 0 && lignes < 45; ++lignes) touche(Qt::Key_Down);
    EXPECT_GT(v->value(), 0);
    EXPECT_EQ(f->Etat().Curseur, (Cellule{f->Ligne, 1}));
    // The cursor's cell stays clear of the bottom edge.
    EXPECT_LT(point(0, (f->Ligne + 2) * 10).y(), vue()->height());
    touche(Qt::Key_Home);
    EXPECT_EQ(v->value(), 0);
    touche(Qt::Key_End);
    EXPECT_EQ(v->value(), v->maximum());
    f->OuvrirSaisie(QStringLiteral("7"));
    const QPoint avant = f->EditNote->pos();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(f->EditNote->pos(), avant + QPoint(0, v->singleStep()));
}

// What a screen reader hears while grades are typed: the cursor as the focus, the edit
// control's label, the value that changed, the view that changed.

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
    // Another view is a new content.
    QAccessibleTableInterface* t = QAccessible::queryAccessibleInterface(f.get())->tableInterface();
    EXPECT_EQ(t->columnCount(), 6);
    f->ChangerMatiere(4);
    EXPECT_FALSE(ecoute.De(QAccessible::TableModelChanged).isEmpty());
    EXPECT_EQ(t->columnCount(), f->Classe.NbMatiere + 1);
    EXPECT_EQ(t->rowCount(), 7);
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

} // namespace
