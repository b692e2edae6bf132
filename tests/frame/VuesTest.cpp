#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <map>

#include "ApercuReleves.h"
#include "ApparenceProgramme.h"
#include "Cadre.h"
#include "MiseEnPage.h"
#include "NavigationClavier.h"
#include "TColorPanel.h"
#include "TStat02.h"
#include "TStat04.h"
#include "ZoneClients.h"

using namespace quillora;
using namespace quillora::test;

class Vues : public Cadre {
protected:
    static QAction* action(QMenu* m, const char* nom) {
        for (QAction* a : m->actions())
            if (a->objectName() == QLatin1String(nom)) return a;
        return nullptr;
    }
    // The views visited by `etape`, until back at view 1.
    static std::vector<int> cycle(TChild* f, void (TChild::*etape)(), bool periodes) {
        std::vector<int> vues;
        do {
            (f->*etape)();
            vues.push_back(periodes ? f->Classe.PeriodeCourante : f->Classe.MatiereCourante);
        } while (vues.back() != 1 && vues.size() < 6);
        return vues;
    }
    void activer(QWidget* w) {
        cadre->Zone()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
    }
};

TEST_F(Vues, LesPeriodesEtLesMatieresSeSuiventEtLesMenusLesOffrent) {
    TChild* t = ouvrir();
    TChild* s = ouvrir(QStringLiteral("TS2.cl3")); // semesters
    QMenu* aff = s->MenuAffichage();
    EXPECT_FALSE(action(aff, "Ntrim3")->isVisible());
    EXPECT_FALSE(action(s->MenuPopup(), "MPopup3")->isVisible());
    EXPECT_TRUE(action(t->MenuAffichage(), "Ntrim3")->isVisible());
    EXPECT_EQ(action(aff, "MenuM1")->text(), QStringLiteral("Philosophie"));
    EXPECT_TRUE(action(aff, "NBilan")->isChecked()); // the view saved in the file
    s->ChangerTrimestre(1);
    EXPECT_EQ(cycle(t, &TChild::PeriodeSuivante, true), (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(cycle(s, &TChild::PeriodeSuivante, true), (std::vector<int>{2, 4, 1}));
    EXPECT_EQ(cycle(s, &TChild::PeriodePrecedente, true), (std::vector<int>{4, 2, 1}));
    s->Classe.PeriodeCourante = 3; // a third period left from before
    s->PeriodeSuivante();
    EXPECT_EQ(s->Classe.PeriodeCourante, 4);
    // "+" and "-" typed on the sheet do the same.
    s->ChangerTrimestre(2);
    QTest::keyClick(s, Qt::Key_Plus);
    EXPECT_EQ(s->Classe.PeriodeCourante, 4);
    QTest::keyClick(s, Qt::Key_Minus);
    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Sem.2"));

    // The pop-up menu offers every view but the one shown.
    t->ChangerTrimestre(2);
    t->ChangerMatiere(4);
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(action(t->MenuPopup(), ("MPopup" + std::to_string(i)).c_str())->isEnabled(),
                  i != 2 && i != 8)
            << i;
    action(t->MenuPopup(), "MPopup5")->trigger();
    EXPECT_EQ(t->Classe.MatiereCourante, 1);
    EXPECT_TRUE(action(t->MenuAffichage(), "MenuM1")->isChecked());
    t->Classe.NbMatiere = 2;
    EXPECT_EQ(cycle(t, &TChild::MatiereSuivante, false), (std::vector<int>{2, 4, 1}));
    t->Classe.NbMatiere = 1;
    t->Classe.MatiereCourante = 3; // beyond the subjects in use
    t->MatiereSuivante();
    EXPECT_EQ(t->Classe.MatiereCourante, 4);
}

// No two entries of one menu share the letter of their shortcut, save those the program has
// always had; a "&" in a subject's or a file's name is shown, not taken for a shortcut.
TEST_F(Vues, DeuxEntreesDUnMenuNePartagentPasLeurLettre) {
    TChild* t = ouvrir(QStringLiteral("3A.cl3"), QStringLiteral("3A & B.cl3"));
    t->Classe.Matiere[2].Nom = "SVT & Co";
    t->TexteMatieres();
    t->MenuTrierEleves();                    // something to undo
    std::map<QString, QStringList> partages; // "menu/letter": the entries that share it
    std::function<void(const QString&, const QList<QAction*>&)> parcourir =
        [&](const QString& menu, const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                if (a->isSeparator() || !a->isVisible()) continue;
                const QString texte = a->text();
                if (const QKeySequence lettre = QKeySequence::mnemonic(texte); !lettre.isEmpty())
                    partages[menu + QLatin1Char('/') + lettre.toString()] << SansMnemonique(texte);
                if (a->menu()) parcourir(SansMnemonique(texte), a->menu()->actions());
            }
        };
    parcourir(QStringLiteral("barre"), cadre->menuBar()->actions());
    std::erase_if(partages, [](const auto& p) { return p.second.size() < 2; });
    EXPECT_EQ(partages, (std::map<QString, QStringList>{
                            {"Affichage/Alt+T", {"Trimestre 1", "Trimestre 2", "Trimestre 3"}},
                            {"Fichier/Alt+A", {"Sauver sous...", "Aperçu avant impression"}},
                            {"Fichier/Alt+O", {"Ouvrir...", "Configurer l'imprimante..."}},
                            {"barre/Alt+N", {"Note", "Fenêtre"}}}));
    EXPECT_EQ(SansMnemonique(action(t->MenuAffichage(), "MenuM2")->text()), "SVT & Co");
    EXPECT_TRUE(SansMnemonique(cadre->Action(QStringLiteral("MenuF1"))->text())
                    .endsWith(QStringLiteral("/3A & B.cl3")));
}

TEST_F(Vues, LesCommandesDeFichierSuiventLaFeuilleActive) {
    auto etat = [&](std::initializer_list<const char*> noms) {
        std::vector<bool> v;
        for (const char* nom : noms) v.push_back(actif(nom));
        return v;
    };
    const auto noms = {"M12", "M13", "M14", "M16", "M19", "SB2", "SB3", "SB6", "SB7", "MCascade"};
    TChild* a = ouvrir();
    EXPECT_EQ(etat(noms), (std::vector<bool>{0, 1, 0, 0, 1, 1, 1, 0, 1, 1}));
    ouvrir(QStringLiteral("TS2.cl3"));
    EXPECT_EQ(etat(noms), (std::vector<bool>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    // Only the active sheet's menus are in the frame's menu bar.
    EXPECT_FALSE(cadre->menuBar()->actions().contains(a->MenuEdition()->menuAction()));
    cadre->Bouton(QStringLiteral("SB6"))->click();
    EXPECT_EQ(cadre->FeuilleActive(), a);
    EXPECT_TRUE(cadre->menuBar()->actions().contains(a->MenuEdition()->menuAction()));

    cadre->FermerTous();
    QApplication::processEvents();
    EXPECT_EQ(etat(noms), (std::vector<bool>{0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_FALSE(actif("SB8") || actif("SB9"));
}

// However the active sheet goes, the one left gets its period, its menus and its buttons.
TEST_F(Vues, LaFeuilleQuiResteApresUneFermetureEstActive) {
    const std::function<void()> fermetures[] = {
        [&] { cadre->Zone()->activeSubWindow()->close(); },
        [&] { cadre->Action(QStringLiteral("M15"))->trigger(); },
        [&] { // the first sheet's prompt cancelled: it stays
            cadre->Feuilles().first()->MarquerModifie();
            dialogues.reponses = {QMessageBox::Cancel};
            cadre->Action(QStringLiteral("M16"))->trigger();
        },
        [&] {
            dialogues.reponses = {QMessageBox::Yes};
            cadre->Action(QStringLiteral("M17"))->trigger();
        }};
    Options.sauvegarde = false;
    for (const auto& fermer : fermetures) {
        TChild* a = ouvrir();
        ouvrir(QStringLiteral("TS2.cl3"));
        fermer();
        QApplication::processEvents();
        ASSERT_EQ(cadre->Feuilles(), QList<TChild*>{a});
        EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Trim.1"));
        EXPECT_TRUE(actif("SB7") && actif("SB8") && actif("SB9"));
        EXPECT_TRUE(cadre->menuBar()->actions().contains(a->MenuAffichage()->menuAction()));
        a->MarquerSauve();
        cadre->FermerTous();
    }
}

// A new sheet opens inside the frame, and so does a cascade; so do eight windows tiled. A
// sheet opened under a maximised one fills the frame, and restored it stays inside.
TEST_F(Vues, LesFenetresRestentDansLeCadre) {
    const QRect zone = cadre->Zone()->viewport()->rect();
    const auto dedans = [&](QWidget* w) { return zone.contains(w->geometry()); };
    for (const char* nom : {"TS2.cl3", "3A.cl3"})
        EXPECT_TRUE(dedans(ouvrir(QString::fromLatin1(nom))->parentWidget()));
    cadre->Action(QStringLiteral("MCascade"))->trigger();
    for (TChild* f : cadre->Feuilles()) EXPECT_TRUE(dedans(f->parentWidget()));

    qobject_cast<QMdiSubWindow*>(cadre->Feuilles().last()->parentWidget())->showMaximized();
    auto* nouvelle = qobject_cast<QMdiSubWindow*>(
        ouvrir(QStringLiteral("3A.cl3"), QStringLiteral("b.cl3"))->parentWidget());
    QApplication::processEvents();
    EXPECT_TRUE(nouvelle->isMaximized() && nouvelle->geometry() == zone);
    nouvelle->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(dedans(nouvelle) && nouvelle->width() < zone.width());
    // The frame made smaller while the window was maximised: restored, it fits the new one.
    nouvelle->setGeometry(zone);
    nouvelle->showMaximized();
    cadre->resize(700, 500);
    QApplication::processEvents();
    nouvelle->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(cadre->Zone()->viewport()->rect().contains(nouvelle->geometry()));
    cadre->resize(1000, 700);
    QApplication::processEvents();

    // Three sheets and five windows: the statistics' three-window command tiles all eight.
    TChild* f = cadre->Feuilles().first();
    for (const char* commande : {"M47", "M41", "M46"}) {
        activer(f);
        action(f->MenuStatistique(), commande)->trigger();
    }
    QApplication::processEvents();
    ASSERT_EQ(cadre->Zone()->subWindowList().size(), 8);
    for (QMdiSubWindow* w : cadre->Zone()->subWindowList()) EXPECT_TRUE(dedans(w));
}

TEST_F(Vues, ApercuEtZoom) {
    TChild* f = ouvrir();
    // The new-assignment button runs the sheet's command, in a subject's period only.
    cadre->Bouton(QStringLiteral("SB4"))->click();
    EXPECT_EQ(dialogues.nombre(QStringLiteral("dialogue")), 1);
    f->ChangerMatiere(4);
    EXPECT_FALSE(cadre->Bouton(QStringLiteral("SB4"))->isEnabled());
    f->ChangerMatiere(1);
    dialogues.affiches.clear();
    // Without a printer the frame's preview command refuses; the button does not.
    cadre->Action(QStringLiteral("M21"))->trigger();
    EXPECT_FALSE(f->ModeApercu);
    EXPECT_EQ(dialogues.textes(), QStringList{QStringLiteral("Aucune imprimante connectée.")});
    // The paper and orientation set up are what the preview lays out, as printing does:
    // one page fits the window's height.
    dialogues.orientation = QPageLayout::Landscape;
    cadre->Action(QStringLiteral("M19"))->trigger();
    EXPECT_EQ(LargeurPage, 3507);
    cadre->Bouton(QStringLiteral("SB7"))->click();
    EXPECT_TRUE(f->ModeApercu);
    EXPECT_NEAR(f->ZoomApercu * 2481 * RapportEcranImprimante, f->viewport()->height() - 15, 1e-6);

    f->ZoomApercu = 0.125; // the test comes before halving or doubling
    for (const char* z : {"SB13", "SB13"}) cadre->Bouton(QLatin1String(z))->click();
    EXPECT_DOUBLE_EQ(f->ZoomApercu, 0.0625);
    f->ZoomApercu = 3;
    for (const char* z : {"SB12", "SB12"}) cadre->Bouton(QLatin1String(z))->click();
    EXPECT_DOUBLE_EQ(f->ZoomApercu, 6);
    EXPECT_EQ(plateforme.bips, 2);
    cadre->Bouton(QStringLiteral("SB7"))->click();
    plateforme.avecImprimante = true;
    cadre->Action(QStringLiteral("M21"))->trigger();
    EXPECT_TRUE(f->ModeApercu);

    // Without a printer, the set-up dialog is the program's own; OK gives its choices.
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    MiseEnPage d(&pdf);
    d.findChild<QComboBox*>(QStringLiteral("Papier"))->setCurrentIndex(1);
    d.findChild<QRadioButton*>(QStringLiteral("Paysage"))->setChecked(true);
    d.Appliquer();
    EXPECT_EQ(pdf.pageLayout().pageSize().id(), QPageSize::A3);
    EXPECT_EQ(pdf.pageLayout().orientation(), QPageLayout::Landscape);
}

// The reports and the ranking from the "Statistique" menu. The third student's report of the
// year is saved from the preview (its content is the print tests' business); ticking a student
// chooses the ticked ones, none ticked is refused, the dialog open.
TEST_F(Vues, LeMenuStatistiqueOuvreLesDialoguesSurLaClasse) {
    TChild* f = ouvrir();
    QMenu* stat = f->MenuStatistique();
    QAction* releves = action(stat, "MReleves");
    ASSERT_TRUE(releves && releves->isEnabled());
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
    EXPECT_TRUE(QFile::exists(pdf));

    // Ranked in the view shown, which has no assignment: the ranking needs one anywhere.
    f->ChangerTrimestre(3);
    f->ChangerMatiere(3);
    QString titre;
    QTimer::singleShot(0, [&] {
        titre = QApplication::activeModalWidget()->windowTitle();
        QApplication::activeModalWidget()->close();
    });
    action(stat, "M43")->trigger();
    EXPECT_EQ(titre, QStringLiteral("3A / SVT / Trim.3 ( 2026 / 2027 )"));
    f->Classe.NbDevoir = {};
    f->Rafraichir();
    EXPECT_FALSE(action(stat, "M43")->isEnabled());
    EXPECT_TRUE(action(stat, "M44")->isEnabled() && action(stat, "M45")->isEnabled());
    // A class without students has nothing to report.
    f->Classe.NbEleve = 0;
    f->MettreAJourMenus();
    EXPECT_FALSE(releves->isEnabled());
    f->Classe.NbEleve = 28;
}

// Cancel changes nothing; OK re-cases the active class alone, as a step of its own undone back
// to the file as read, and repaints every sheet.
TEST_F(Vues, LesOptionsRepeignentChaqueFeuilleEtNeChangentQueLaClasseActive) {
    TChild* autre = ouvrir(QStringLiteral("TS2.cl3"));
    TChild* f = ouvrir();
    QSignalSpy notifications(autre, &TChild::notification);
    // The teacher unticks the capitals, makes the background green and leaves with `fin`.
    const auto modifier = [&](void (QDialog::*fin)()) {
        dialogues.gestes.push_back([fin](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("majuscule"))->click();
            d.findChild<TColorPanel*>(QStringLiteral("couleur3"))->setColor(Qt::green);
            (d.*fin)();
        });
        cadre->Action(QStringLiteral("Options1"))->trigger();
    };
    QFile::remove(ini);
    modifier(&QDialog::reject);
    EXPECT_TRUE(Options.majuscule && !f->Modifie && !QFile::exists(ini));
    EXPECT_TRUE(notifications.isEmpty());
    modifier(&QDialog::accept);
    EXPECT_EQ(f->Classe.Eleve[2].Nom.str(), "Bernard");
    EXPECT_TRUE(f->Modifie && !autre->Modifie);
    QApplication::processEvents();
    QWidget* vue = autre->viewport();
    EXPECT_EQ(vue->grab().toImage().pixelColor(vue->width() - 2, vue->height() - 2),
              QColor(Qt::green));
    EXPECT_EQ(notifications, (QList<QVariantList>{{6, 0, 0, 0}}));
    EXPECT_EQ(action(f->MenuEdition(), "MAnnuler")->text(),
              "A&nnuler la mise en minuscules des noms");
    f->Annuler();
    EXPECT_EQ(f->Classe.Eleve[2].Nom.str(), "BERNARD");
    EXPECT_FALSE(f->Modifie);
}

// The sheet's windows open from its menu and the frame's button, follow the grades typed,
// make the frame's buttons and period panel theirs, and close with the sheet, before its class
// is freed (the next change of settings would have them read freed memory: the CI runs this
// under AddressSanitizer).
TEST_F(Vues, LesFenetresSuiventLaFeuilleEtPartentAvantSaClasse) {
    TChild* f = ouvrir();
    cadre->Bouton(QStringLiteral("SB5"))->click();
    f->MenuStatistique()->findChild<QAction*>(QStringLiteral("M41"))->trigger();
    f->MenuStatistique()->findChild<QAction*>(QStringLiteral("M47"))->trigger();
    ASSERT_EQ(cadre->Zone()->subWindowList().size(), 6);

    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Bilan"));
    EXPECT_FALSE(actif("SB1") || actif("SB5") || actif("SB7") || actif("SB9"));
    EXPECT_TRUE(actif("SB6") && actif("SB2")) << "the window prints itself";
    TStat02* s = cadre->findChild<TStat02*>();
    activer(s);
    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Trim.1"));

    // A grade typed in the assignment a window shows (which windows compute again is the
    // statistics tests' business).
    const QString avant = s->G->LireLigne(5);
    activer(f);
    taper(f, 1, s->DevoirChoisi, QStringLiteral("0"));
    EXPECT_NE(s->G->LireLigne(5), avant);

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

// The frame driven without a mouse: Ctrl+Tab between the windows, F6 between a window and
// the period panel, the keyboard in the window activated.
namespace {

class Clavier : public Cadre {
protected:
    void SetUp() override {
        Cadre::SetUp();
        cadre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
    }
    void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }
    QWidget* active() const { return cadre->Zone()->activeSubWindow()->widget(); }
    static bool dans(const QWidget* w) {
        const QWidget* f = QApplication::focusWidget();
        return f && (f == w || w->isAncestorOf(f));
    }
};

TEST_F(Clavier, CtrlTabPasseDeFenetreEnFenetreEtLeClavierSuit) {
    TChild* feuille = ouvrir();
    EXPECT_TRUE(feuille->hasFocus());
    QWidget* evolution = feuille->OuvrirStatistique(1);
    QWidget* moyennes = feuille->OuvrirStatistique(3);
    ASSERT_EQ(active(), moyennes);
    EXPECT_TRUE(dans(moyennes));
    touche(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(active(), feuille);
    EXPECT_TRUE(feuille->hasFocus());
    touche(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(active(), evolution);
    // A statistics window's chart has the keyboard first.
    EXPECT_EQ(QApplication::focusWidget(), evolution->findChild<QWidget*>(QStringLiteral("G")));
    // Back, as X reports Ctrl+Shift+Tab.
    touche(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(active(), feuille);
    EXPECT_TRUE(feuille->hasFocus());
    touche(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(active(), moyennes);
}

TEST_F(Clavier, F6VaDeLaFeuilleAuPanneauDesPeriodesEtRevient) {
    TChild* feuille = ouvrir();
    auto* panneau = cadre->findChild<QLabel*>(QStringLiteral("V2"));
    touche(Qt::Key_F6);
    EXPECT_TRUE(panneau->hasFocus());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panneau)->text(QAccessible::Name),
              "Période affichée : Trimestre 1");
    // Tab goes on along the panel, F6 comes back from anywhere in it.
    touche(Qt::Key_Tab);
    EXPECT_FALSE(feuille->hasFocus());
    touche(Qt::Key_F6);
    EXPECT_TRUE(feuille->hasFocus());
    // An entry left open is where the keyboard comes back to.
    feuille->Ligne = 1;
    feuille->Colonne = 1;
    feuille->OuvrirSaisie(QStringLiteral("1"));
    touche(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(panneau->hasFocus());
    touche(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(feuille->EditNote->hasFocus());
    touche(Qt::Key_Escape);
    feuille->ChangerTrimestre(4);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(panneau)->text(QAccessible::Name),
              "Période affichée : Bilan");
}

TEST_F(Clavier, LesBoutonsDuPanneauOntUnNom) {
    ouvrir(QStringLiteral("TS2.cl3"));
    const QWidget* panel = cadre->findChild<QWidget*>(QStringLiteral("Panel"));
    for (QAbstractButton* b : panel->findChildren<QAbstractButton*>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name).isEmpty())
            << b->objectName().toStdString();
    // The period button's name is its hint, which follows the class's division.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(cadre->Bouton(QStringLiteral("SB9")))
                    ->text(QAccessible::Name)
                    .endsWith(QStringLiteral("emestre")));
    EXPECT_EQ(NomPanneauPeriode(nullptr, 0), "Période affichée : aucune");
}

// The first screen reads no image that needs one of the system's image plugins: asked to
// guess a PNG's format, the toolkit first loads every plugin to ask each. In a process of its
// own, as the program starts (CTest runs each test so).
TEST(Demarrage, LaPremiereFeuilleSePeintSansModuleDImage) {
    const auto modulesImage = [] {
        QFile cartes(QStringLiteral("/proc/self/maps"));
        return cartes.open(QIODevice::ReadOnly) && cartes.readAll().contains("imageformats/");
    };
    if (modulesImage()) GTEST_SKIP() << "un test précédent du même processus les a chargés";
    PreparerApparence();
    QTemporaryDir dossier;
    const QString classe = dossier.filePath(QStringLiteral("3A.cl3"));
    QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/exemples/3A.cl3"), classe);
    QFile::setPermissions(classe, QFile::ReadOwner | QFile::WriteOwner);
    TMDI cadre(dossier.filePath(QStringLiteral("quillora.ini")), ',');
    cadre.show();
    TChild* f = cadre.OuvrirClasse(classe);
    ASSERT_NE(f, nullptr);
    QSignalSpy peinte(f, &TChild::feuilleDessinee);
    ASSERT_TRUE(peinte.wait(5000));
    EXPECT_FALSE(modulesImage());
    f->MarquerSauve();
}

} // namespace
