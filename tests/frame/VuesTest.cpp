#include <QApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>

#include "Cadre.h"

using namespace quillora;
using namespace quillora::test;

class Vues : public Cadre {
protected:
    TChild* ouvrir(const QString& nom = QStringLiteral("3A.cl3")) {
        TChild* f = cadre->OuvrirClasse(exemple(nom));
        EXPECT_NE(f, nullptr);
        return f;
    }
    static QAction* action(QMenu* m, const char* nom) {
        for (QAction* a : m->actions())
            if (a->objectName() == QLatin1String(nom)) return a;
        return nullptr;
    }
    // The periods visited from period 1 by `etape`, until back at the start.
    static std::vector<int> cycle(TChild* f, void (TChild::*etape)(), bool periodes) {
        std::vector<int> vues;
        auto courante = [&] {
            return periodes ? f->Classe.PeriodeCourante : f->Classe.MatiereCourante;
        };
        for (int i = 0; i < 6; ++i) {
            (f->*etape)();
            vues.push_back(courante());
            if (courante() == 1) break;
        }
        return vues;
    }
};

TEST_F(Vues, LesPeriodesSeSuiventSelonLaDivisionDeLAnnee) {
    TChild* f = ouvrir();
    EXPECT_EQ(cycle(f, &TChild::PeriodeSuivante, true), (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(cycle(f, &TChild::PeriodePrecedente, true), (std::vector<int>{4, 3, 2, 1}));

    TChild* s = ouvrir(QStringLiteral("TS2.cl3"));
    s->ChangerTrimestre(1);
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
    EXPECT_EQ(s->Classe.PeriodeCourante, 2);
    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Sem.2"));
}

TEST_F(Vues, LesMatieresSeSuiventSelonLeurNombre) {
    TChild* f = ouvrir();
    for (int nb = 1; nb <= 3; ++nb) {
        f->Classe.NbMatiere = static_cast<std::uint8_t>(nb);
        f->ChangerMatiere(1);
        std::vector<int> attendu;
        for (int s = 2; s <= nb; ++s) attendu.push_back(s);
        attendu.push_back(4);
        attendu.push_back(1);
        EXPECT_EQ(cycle(f, &TChild::MatiereSuivante, false), attendu) << nb;
    }
    f->Classe.NbMatiere = 1;
    f->Classe.MatiereCourante = 3;
    f->MatiereSuivante();
    EXPECT_EQ(f->Classe.MatiereCourante, 4);
}

TEST_F(Vues, LesMenusSuiventLaDivisionEtLesMatieres) {
    TChild* s = ouvrir(QStringLiteral("TS2.cl3"));
    QMenu* aff = s->MenuAffichage();
    EXPECT_EQ(action(aff, "Ntrim1")->text(), QStringLiteral("&Semestre 1"));
    EXPECT_EQ(action(aff, "Ntrim2")->statusTip(), QStringLiteral("Afficher le &Semestre 2"));
    EXPECT_FALSE(action(aff, "Ntrim3")->isVisible());
    EXPECT_FALSE(action(s->MenuPopup(), "MPopup3")->isVisible());
    EXPECT_EQ(action(s->MenuPopup(), "MPopup1")->text(), QStringLiteral("&Semestre 1"));
    EXPECT_EQ(aff->menuAction()->statusTip(), QStringLiteral("Choisir le Semestre et la matière"));
    EXPECT_EQ(action(aff, "MenuM1")->text(), QStringLiteral("Philosophie"));
    EXPECT_FALSE(action(aff, "MenuM2")->isVisible());
    EXPECT_FALSE(action(s->MenuPopup(), "MPopup6")->isVisible());
    EXPECT_TRUE(action(aff, "NBilan")->isChecked()); // the view saved in the file
    EXPECT_EQ(cadre->Bouton(QStringLiteral("SB9"))->toolTip(),
              QStringLiteral("Changer de Semestre"));

    TChild* t = ouvrir();
    EXPECT_EQ(action(t->MenuAffichage(), "Ntrim3")->text(), QStringLiteral("&Trimestre 3"));
    EXPECT_TRUE(action(t->MenuAffichage(), "Ntrim3")->isVisible());
    EXPECT_EQ(cadre->Bouton(QStringLiteral("SB9"))->toolTip(),
              QStringLiteral("Changer de Trimestre"));

    // The pop-up menu offers every view but the one shown.
    t->ChangerTrimestre(2);
    t->ChangerMatiere(4);
    for (int i = 1; i <= 8; ++i) {
        const bool courant = i == 2 || i == 8;
        EXPECT_EQ(action(t->MenuPopup(), ("MPopup" + std::to_string(i)).c_str())->isEnabled(),
                  !courant)
            << i;
    }
    EXPECT_TRUE(action(t->MenuAffichage(), "MenuM4")->isChecked());
    action(t->MenuPopup(), "MPopup5")->trigger();
    EXPECT_EQ(t->Classe.MatiereCourante, 1);
    EXPECT_TRUE(action(t->MenuAffichage(), "MenuM1")->isChecked());
}

TEST_F(Vues, LesCommandesDeFichierSuiventLaFeuilleActive) {
    for (const char* nom : {"M12", "M13", "M14", "M15", "M16", "M17", "M18", "M19", "M21"})
        EXPECT_FALSE(cadre->Action(QLatin1String(nom))->isEnabled()) << nom;
    EXPECT_FALSE(cadre->Bouton(QStringLiteral("SB2"))->isEnabled());
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB3"))->isEnabled());
    EXPECT_FALSE(cadre->Action(QStringLiteral("MCascade"))->isEnabled());

    TChild* a = ouvrir();
    for (const char* nom : {"M13", "M15", "M17", "M18", "M19", "M21"})
        EXPECT_TRUE(cadre->Action(QLatin1String(nom))->isEnabled()) << nom;
    EXPECT_FALSE(cadre->Action(QStringLiteral("M14"))->isEnabled());
    EXPECT_FALSE(cadre->Action(QStringLiteral("M16"))->isEnabled());
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB2"))->isEnabled());
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB7"))->isEnabled());
    EXPECT_FALSE(cadre->Bouton(QStringLiteral("SB6"))->isEnabled());
    EXPECT_TRUE(cadre->Action(QStringLiteral("MCascade"))->isEnabled());
    // The sheet's menus join the frame's menu bar.
    EXPECT_TRUE(cadre->menuBar()->actions().contains(a->MenuEdition()->menuAction()));

    ouvrir(QStringLiteral("TS2.cl3"));
    EXPECT_TRUE(cadre->Action(QStringLiteral("M14"))->isEnabled());
    EXPECT_TRUE(cadre->Action(QStringLiteral("M16"))->isEnabled());
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB6"))->isEnabled());
    EXPECT_FALSE(cadre->menuBar()->actions().contains(a->MenuEdition()->menuAction()));
    cadre->Bouton(QStringLiteral("SB6"))->click();
    EXPECT_EQ(cadre->FeuilleActive(), a);

    cadre->FermerTous();
    QApplication::processEvents();
    EXPECT_TRUE(cadre->Feuilles().isEmpty());
    EXPECT_EQ(cadre->TexteV2(), QString());
    for (const char* nom : {"SB1", "SB2", "SB6", "SB7", "SB8", "SB9"})
        EXPECT_FALSE(cadre->Bouton(QLatin1String(nom))->isEnabled()) << nom;
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB3"))->isEnabled());
    EXPECT_FALSE(cadre->Action(QStringLiteral("MCascade"))->isEnabled());
}

TEST_F(Vues, ApercuEtZoom) {
    TChild* f = ouvrir();
    EXPECT_EQ(cadre->LargeurV1(), 209);
    EXPECT_FALSE(cadre->Bouton(QStringLiteral("SB12"))->isVisibleTo(cadre.get()));

    // Without a printer the frame's preview command refuses; the button does not.
    cadre->Action(QStringLiteral("M21"))->trigger();
    EXPECT_FALSE(f->ModeApercu);
    ASSERT_EQ(dialogues.nombre(QStringLiteral("avertissement")), 1);
    EXPECT_EQ(dialogues.affiches[0].texte, QStringLiteral("Aucune imprimante connectée."));

    cadre->Bouton(QStringLiteral("SB7"))->click();
    EXPECT_TRUE(f->ModeApercu);
    EXPECT_EQ(cadre->LargeurV1(), 301);
    EXPECT_TRUE(cadre->Bouton(QStringLiteral("SB12"))->isVisibleTo(cadre.get()));
    // One page fits the window's height.
    EXPECT_NEAR(f->ZoomApercu * HauteurPage * RapportEcranImprimante, f->viewport()->height() - 15,
                1e-6);

    f->ZoomApercu = 0.125;
    cadre->Bouton(QStringLiteral("SB13"))->click();
    EXPECT_DOUBLE_EQ(f->ZoomApercu, 0.0625);
    cadre->Bouton(QStringLiteral("SB13"))->click();
    EXPECT_DOUBLE_EQ(f->ZoomApercu, 0.0625);
    EXPECT_EQ(plateforme.bips, 1);
    f->ZoomApercu = 3;
    cadre->Bouton(QStringLiteral("SB12"))->click();
    EXPECT_DOUBLE_EQ(f->ZoomApercu, 6); // the test comes before doubling
    cadre->Bouton(QStringLiteral("SB12"))->click();
    EXPECT_DOUBLE_EQ(f->ZoomApercu, 6);
    EXPECT_EQ(plateforme.bips, 2);

    cadre->Bouton(QStringLiteral("SB7"))->click();
    EXPECT_FALSE(f->ModeApercu);
    EXPECT_EQ(cadre->LargeurV1(), 209);

    plateforme.avecImprimante = true;
    cadre->Action(QStringLiteral("M21"))->trigger();
    EXPECT_TRUE(f->ModeApercu);
}

TEST_F(Vues, DefilementRapideVersLaFinPuisLeDebut) {
    TChild* f = ouvrir();
    f->resize(300, 200);
    f->viewport()->repaint();
    f->viewport()->repaint(); // the first paint only sets the colour
    ASSERT_GT(f->verticalScrollBar()->maximum(), 0);
    f->DefilementRapide(false);
    EXPECT_EQ(f->verticalScrollBar()->value(), f->verticalScrollBar()->maximum());
    f->DefilementRapide(false);
    EXPECT_EQ(f->verticalScrollBar()->value(), 0);
}

TEST_F(Vues, LaLigneDEtatMontreLaPeriodeEtLesAides) {
    TChild* f = ouvrir();
    f->ChangerTrimestre(4);
    EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Bilan"));
    QStatusTipEvent aide(QStringLiteral("Exporter vers un tableur"));
    QApplication::sendEvent(cadre.get(), &aide);
    EXPECT_EQ(cadre->TexteV3(), QStringLiteral("  [ Exporter vers un tableur ]"));
    QStatusTipEvent sansAide{QString()};
    QApplication::sendEvent(cadre.get(), &sansAide);
    EXPECT_TRUE(cadre->TexteV3().startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(cadre->TexteV3().contains(QStringLiteral("  /  ")));
}

TEST_F(Vues, ImprimerSansImprimantePasseParLeDialogueEtUnPdf) {
    TChild* f = ouvrir();
    dialogues.impressionAcceptee = false;
    cadre->Action(QStringLiteral("M18"))->trigger(); // no printer: the dialog all the same
    EXPECT_EQ(dialogues.nombre(QStringLiteral("imprimer")), 1);
    dialogues.impressionAcceptee = true;
    cadre->Bouton(QStringLiteral("SB2"))->click();
    EXPECT_EQ(dialogues.nombre(QStringLiteral("imprimer")), 2);
    const QString pdf = dossier.filePath(QStringLiteral("3A.pdf"));
    QFile sortie(pdf);
    ASSERT_TRUE(sortie.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sortie.read(5).startsWith("%PDF"));
    EXPECT_EQ(dialogues.nombre(QStringLiteral("erreur")), 0);
    (void)f;
}

TEST_F(Vues, LeMenuStatistiqueOuvreLesDialoguesSurLaClasse) {
    TChild* f = ouvrir();
    QMenu* stat = f->MenuStatistique();
    const QList<QAction*> barre = cadre->menuBar()->actions();
    EXPECT_EQ(barre.indexOf(stat->menuAction()),
              barre.indexOf(f->MenuAffichage()->menuAction()) + 1);
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
}
