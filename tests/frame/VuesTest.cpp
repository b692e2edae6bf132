#include <QApplication>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTest>
#include <functional>

#include "Cadre.h"
#include "MiseEnPage.h"
#include "Programme.h"
#include "ZoneClients.h"

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
        EXPECT_EQ(cadre->FeuilleActive(), a);
        EXPECT_EQ(cadre->TexteV2(), QStringLiteral("Trim.1"));
        for (const char* nom : {"SB7", "SB8", "SB9"})
            EXPECT_TRUE(cadre->Bouton(QLatin1String(nom))->isEnabled()) << nom;
        EXPECT_TRUE(cadre->menuBar()->actions().contains(a->MenuAffichage()->menuAction()));
        a->MarquerSauve();
        cadre->FermerTous();
    }
}

// The paper and orientation chosen are what the preview lays out, as printing does.
TEST_F(Vues, LaMiseEnPageChoisieEstCelleDeLApercu) {
    TChild* f = ouvrir();
    dialogues.orientation = QPageLayout::Landscape;
    cadre->Action(QStringLiteral("M19"))->trigger();
    EXPECT_EQ(LargeurPage, 3507);
    EXPECT_EQ(HauteurPage, 2481);
    cadre->Bouton(QStringLiteral("SB7"))->click();
    EXPECT_NEAR(f->ZoomApercu * 2481 * RapportEcranImprimante, f->viewport()->height() - 15, 1e-6);

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

// A new sheet shows all it can of itself, always inside the frame, and so does a cascade.
TEST_F(Vues, LesFenetresRestentDansLeCadreEtMontrentLeurFeuille) {
    cadre->resize(1366, 768);
    QApplication::processEvents();
    const QRect zone = cadre->Zone()->viewport()->rect();
    std::vector<QRect> places;
    for (const char* nom : {"TS2.cl3", "3A.cl3", "TS2.cl3"}) {
        TChild* f = cadre->OuvrirClasse(
            exemple(QString::fromLatin1(nom), QString::number(places.size()) + ".cl3"));
        ASSERT_NE(f, nullptr);
        const QRect place = f->parentWidget()->geometry();
        EXPECT_TRUE(zone.contains(place)) << nom;
        // Each way, the whole sheet, or as much as the frame holds.
        EXPECT_TRUE(f->viewport()->width() >= f->TailleFeuille().width() ||
                    place.width() == zone.width())
            << nom;
        EXPECT_TRUE(f->viewport()->height() >= f->TailleFeuille().height() ||
                    place.height() == zone.height())
            << nom;
        places.push_back(place);
    }
    EXPECT_NE(places[0].topLeft(), places[2].topLeft());
    cadre->Action(QStringLiteral("MCascade"))->trigger();
    for (TChild* f : cadre->Feuilles()) {
        const QRect place = f->parentWidget()->geometry();
        EXPECT_TRUE(zone.contains(place));
        EXPECT_GE(place.width(), zone.width() * 2 / 3);
        EXPECT_GE(place.height(), zone.height() * 2 / 3);
    }
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
    // A menu caption's "&" is no part of the hint, but "&&" stands for "&".
    QStatusTipEvent aide(QStringLiteral("Afficher le &Trimestre 2 && la s&ynthèse"));
    QApplication::sendEvent(cadre.get(), &aide);
    EXPECT_EQ(cadre->TexteV3(), QStringLiteral("  [ Afficher le Trimestre 2 & la synthèse ]"));
    QStatusTipEvent sansAide{QString()};
    QApplication::sendEvent(cadre.get(), &sansAide);
    EXPECT_TRUE(cadre->TexteV3().startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(cadre->TexteV3().contains(QStringLiteral("  /  ")));

    // Without a browser, the web site's command gives its address instead.
    plateforme.navigateur = false;
    cadre->Action(QStringLiteral("Int4"))->trigger();
    ASSERT_EQ(dialogues.nombre(QStringLiteral("information")), 1);
    EXPECT_TRUE(dialogues.affiches[0].texte.endsWith(SiteOfficiel()));
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
