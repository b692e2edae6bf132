// The controls: where the program finds and puts things beside itself and on the desktop
// (its help pages, the association of its files, its custom colours), the number field and
// the tab control.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "Aide.h"
#include "Association.h"
#include "DialoguesScriptes.h"
#include "FenetreAide.h"
#include "ImpressionQt.h"
#include "Programme.h"
#include "TColorPanel.h"
#include "TEditSaisieNombre.h"
#include "TJppPageControl.h"
#include "TMaColorDialog.h"
#include "TSaisieNombre.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// The desktop's stand-ins, and files written and read in its folders.
class Bureau : public ::testing::Test {
protected:
    static void ecrire(const QString& chemin, const QByteArray& contenu) {
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    static QString lire(const QString& chemin) {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    PlateformeFactice plateforme;
    DialoguesScriptes dialogues;
};

const QString sources = QStringLiteral(QUILLORA_SOURCE_DIR "/Aide/");

// Every topic that a dialog or window asks for.
const QStringList sujets =
    QStringLiteral("Dlg_NewClasse Dlg_NewDevoir Dlg_SupprimerEleve Dlg_ParamClasse Dlg_ModifDevoir "
                   "Dlg_InsererEleve Dlg_ModifEleve ClassementDesEleves AgeDesEleves "
                   "LesAnniversairesDuMois Dlg_NewEleve Dlg_ModifMatiere Dlg_SupDevoir "
                   "PressePapInterne Dlg_InsererDevoir stat_01 stat_02 stat_03 stat_04 LesOptions "
                   "Dlg_Print ImporterListe Journal RelevesDeNotes")
        .split(u' ');

FenetreAide* fenetreOuverte() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* f = qobject_cast<FenetreAide*>(w)) return f;
    return nullptr;
}

TEST(PagesAide, EveryTopicHasATitledPageAndEveryLinkLeadsSomewhere) {
    QStringList pages{FenetreAide::PageAccueil()};
    for (const QString& s : sujets) pages << s + QStringLiteral(".htm");
    // The topics' pages, and the pages their links lead to.
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString page = pages[i];
        QFile f(sources + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "missing help page " << page;
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains(QRegularExpression(QStringLiteral("<title>[^<]+</title>"))))
            << page;
        static const QRegularExpression lien(QStringLiteral("href=\"([^\"#]*)(#([^\"]*))?\""));
        for (auto m = lien.globalMatch(html); m.hasNext();) {
            const auto l = m.next();
            QFile cible(sources + l.captured(1));
            ASSERT_TRUE(cible.open(QIODevice::ReadOnly)) << page << " -> " << l.captured(1);
            if (l.captured(1).endsWith(QLatin1String(".htm")) && !pages.contains(l.captured(1)))
                pages << l.captured(1);
        }
    }
}

class Aide : public Bureau {
protected:
    // A program at <bac>/apps/prog/quillora.
    Aide() {
        QDir(plateforme.bac.path()).mkpath(QStringLiteral("apps/prog"));
        plateforme.programme = racine + QStringLiteral("/prog/quillora");
    }
    ~Aide() override { delete fenetreOuverte(); }

    const QString racine = plateforme.bac.path() + QStringLiteral("/apps");
};

TEST_F(Aide, TheFolderIsLookedForInOrderAndTheWindowBrowsesFromTheTopic) {
    // Without any folder, nothing opens, and a warning says where the pages were looked
    // for. Beside the parent comes first, then the installed one, then beside the program.
    AfficherAide(QStringLiteral("LesOptions"));
    EXPECT_EQ(fenetreOuverte(), nullptr);
    EXPECT_EQ(dialogues.textes(), QStringList{"Les pages de l'aide sont introuvables. Elles ont "
                                              "été cherchées dans :\r" +
                                              racine + "/Aide/\r" + racine +
                                              "/share/quillora/Aide/\r" + racine + "/prog/Aide/"});
    EXPECT_EQ(CheminAide(), racine + "/prog/Aide/");
    QDir(racine).mkpath(QStringLiteral("share/quillora/Aide"));
    EXPECT_EQ(CheminAide(), racine + "/share/quillora/Aide/");
    QDir(racine).mkpath(QStringLiteral("Aide"));
    EXPECT_EQ(CheminAide(), racine + "/Aide/");
    plateforme.programme = QStringLiteral("/quillora");
    EXPECT_EQ(CheminAide(), "/Aide/");

    plateforme.programme = QStringLiteral(QUILLORA_SOURCE_DIR "/bin/quillora");
    AfficherAide(QStringLiteral("Dlg_NewDevoir"));
    FenetreAide* f = fenetreOuverte();
    ASSERT_TRUE(f && f->isVisible());
    QTextBrowser* n = f->Navigateur();
    EXPECT_EQ(n->source().fileName(), "Dlg_NewDevoir.htm");

    const auto action = [&](const char* texte) {
        for (QAction* a : f->findChildren<QAction*>())
            if (a->text() == QString::fromUtf8(texte)) return a;
        return static_cast<QAction*>(nullptr);
    };
    ASSERT_TRUE(action("Précédent") && action("Sommaire"));
    EXPECT_FALSE(action("Précédent")->isEnabled());

    // A link to another page, with an anchor, opens in the window.
    emit n->anchorClicked(QUrl(QStringLiteral("Sommaire.htm#lettres")));
    EXPECT_EQ(n->source().fileName(), "Sommaire.htm");
    EXPECT_EQ(n->source().fragment(), "lettres");
    EXPECT_TRUE(action("Précédent")->isEnabled());
    action("Précédent")->trigger();
    EXPECT_EQ(n->source().fileName(), "Dlg_NewDevoir.htm");

    // A web link goes to the desktop's browser.
    emit n->anchorClicked(QUrl(QStringLiteral("https://www.quillora.org/")));
    EXPECT_EQ(plateforme.urlsOuvertes, QStringList{"https://www.quillora.org/"});
    EXPECT_EQ(n->source().fileName(), "Dlg_NewDevoir.htm");

    // The same window serves the next request.
    AfficherAide(QStringLiteral("stat_02"));
    EXPECT_EQ(fenetreOuverte(), f);
    EXPECT_EQ(n->source().fileName(), "stat_02.htm");
    action("Sommaire")->trigger();
    EXPECT_EQ(n->source().fileName(), "Sommaire.htm");
}

class Association : public Bureau {
protected:
    Association() { plateforme.programme = QStringLiteral("/opt/Quillora/bin/quillora"); }

    static bool verifier(bool actif = true, bool reessayer = true) {
        return VerifierAssociation(QStringLiteral(".cl3"), QStringLiteral("QUILLORA"), actif,
                                   reessayer);
    }
    // The desktop's answer: `id` is the default application, declared in the system folder.
    void associer(const QString& id, const QString& exec) {
        plateforme.reponses[QStringLiteral("xdg-mime")] = {true, 0, id + QStringLiteral("\n")};
        ecrire(plateforme.donnees[1] + QStringLiteral("/applications/") + id,
               "[Desktop Entry]\nType=Application\nName=Autre\nExec=" + exec.toUtf8() + "\n");
    }
    QString bureauUtilisateur() const {
        return plateforme.donnees[0] + QStringLiteral("/applications/quillora.desktop");
    }
    QStringList programmesLances() const {
        QStringList l;
        for (const auto& c : plateforme.commandes) l << c.programme + ' ' + c.arguments.join(' ');
        return l;
    }
    void commandesReussissent() {
        plateforme.reponses[QStringLiteral("update-mime-database")] = {true, 0, {}};
        plateforme.reponses[QStringLiteral("xdg-mime")] = {true, 0, {}};
    }
};

TEST_F(Association, OnlyThisExactProgramIsRecognisedAndThenNothingIsShown) {
    associer(QStringLiteral("quillora.desktop"), QStringLiteral("/opt/Quillora/bin/quillora %f"));
    EXPECT_TRUE(verifier());
    EXPECT_EQ(programmesLances(),
              QStringList{"xdg-mime query default application/x-quillora-classe"});
    // Inactive, the check asks nothing at all.
    plateforme.commandes.clear();
    plateforme.programme = QStringLiteral("/ailleurs/quillora");
    EXPECT_TRUE(verifier(false));
    EXPECT_TRUE(plateforme.commandes.empty());
    EXPECT_TRUE(dialogues.affiches.empty());

    // Linux names differ by their case: a program of the same name elsewhere is another one.
    // The same file reached through a link is the same program.
    const QString vrai = plateforme.bac.path() + QStringLiteral("/prog/quillora");
    ecrire(vrai, "#!/bin/sh\n");
    ASSERT_TRUE(QFile::link(vrai, plateforme.bac.path() + QStringLiteral("/lien")));
    // Counted from the start: only the first program is offered the association.
    for (const auto& [programme, exec] :
         {std::pair<QString, QString>{"/opt/Quillora/bin/quillora",
                                      "/opt/quillora/bin/quillora %f"},
          {vrai, plateforme.bac.path() + "/lien %f"}}) {
        plateforme.programme = programme;
        associer(QStringLiteral("quillora.desktop"), exec);
        verifier();
        EXPECT_EQ(dialogues.nombre(QStringLiteral("question")), 1) << exec;
    }
}

TEST_F(Association, TheOfferNamesTheProgramAssociatedOrNone) {
    associer(QStringLiteral("vieux.desktop"),
             QStringLiteral("\"/usr/local/Vieux Carnet/carnet\" --ouvrir %f"));
    dialogues.reponses = {QMessageBox::No};
    EXPECT_TRUE(verifier());
    ASSERT_EQ(dialogues.affiches.size(), 1u);
    EXPECT_EQ(dialogues.affiches[0].texte,
              "Extension de fichier: CL3\rCette extension n'est pas associée à ce programme.\r\r"
              "Pour information: \r\rProgramme en cours de lancement: \r - Nom: quillora\r"
              " - Chemin complet: /opt/quillora/bin/quillora\r\r"
              "Programme actuellement associé par le système: \r"
              " - /usr/local/vieux carnet/carnet\r\r"
              "Voulez vous associer cette extension à ce programme ?");
    // No: nothing is written.
    EXPECT_FALSE(QFile::exists(bureauUtilisateur()));

    // No registration, no xdg-mime, or a default whose desktop file is gone: none.
    dialogues.affiches.clear();
    for (const std::optional<QString>& reponse :
         {std::optional<QString>(QString()), std::optional<QString>(),
          std::optional<QString>(QStringLiteral("parti.desktop\n"))}) {
        plateforme.reponses.clear();
        if (reponse) plateforme.reponses[QStringLiteral("xdg-mime")] = {true, 0, *reponse};
        verifier();
    }
    ASSERT_EQ(dialogues.affiches.size(), 3u);
    for (const auto& a : dialogues.affiches)
        EXPECT_TRUE(a.texte.contains("associé par le système: \r - ( Aucun )\r\r")) << a.texte;
}

TEST_F(Association, YesWritesTheTypeTheDesktopFileTheDefaultAndTheIconForAnyPath) {
    commandesReussissent();
    dialogues.reponses = {QMessageBox::Yes};
    EXPECT_TRUE(verifier());

    const QString donnees = plateforme.donnees[0];
    EXPECT_EQ(programmesLances(),
              (QStringList{"xdg-mime query default application/x-quillora-classe",
                           "update-mime-database " + donnees + "/mime",
                           "xdg-mime default quillora.desktop application/x-quillora-classe"}));
    const QString type = lire(donnees + "/mime/packages/quillora-cl3.xml");
    EXPECT_TRUE(type.contains("<mime-type type=\"application/x-quillora-classe\">") &&
                type.contains("<comment>QUILLORA</comment>") &&
                type.contains("<glob pattern=\"*.cl3\"/>"))
        << type;
    const QString bureau = lire(bureauUtilisateur());
    EXPECT_TRUE(bureau.contains("\nExec=\"/opt/Quillora/bin/quillora\" %f\n") &&
                bureau.contains("\nMimeType=application/x-quillora-classe;\n") &&
                bureau.contains("\nIcon=quillora\n"))
        << bureau;
    EXPECT_EQ(QImage(donnees + "/icons/hicolor/128x128/apps/quillora.png").size(), QSize(128, 128));

    // Any program path survives the desktop file's escapes.
    const QString chemin = QStringLiteral("/home/prof/Mes \"notes\" $HOME `x` 100% \\ é/quillora");
    ASSERT_TRUE(AssocierExtension(QStringLiteral("cl3"), chemin, QStringLiteral("QUILLORA")));
    plateforme.reponses[QStringLiteral("xdg-mime")] = {true, 0, "quillora.desktop\n"};
    EXPECT_EQ(ProgrammeAssocie(QStringLiteral("cl3")), chemin);
}

TEST_F(Association, AFailureStopsAtItsStepAndAsksAboutTheNextStart) {
    plateforme.reponses[QStringLiteral("update-mime-database")] = {true, 1, {}};
    dialogues.reponses = {QMessageBox::Yes, QMessageBox::No};
    EXPECT_FALSE(verifier());
    ASSERT_EQ(dialogues.affiches.size(), 2u);
    EXPECT_EQ(dialogues.affiches[1].texte,
              "Impossible de réaliser l'association suivante: \r\rExtension: CL3\r"
              "Programme à associer: /opt/Quillora/bin/quillora\r\r"
              "Voulez vous toujours essayer au prochain lancement ?");
    EXPECT_FALSE(QFile::exists(bureauUtilisateur()));
    EXPECT_EQ(plateforme.commandes.size(), 2u);

    dialogues.reponses = {QMessageBox::Yes, QMessageBox::Yes};
    EXPECT_TRUE(verifier());
    // Without the retry question, a failure is silent.
    dialogues.affiches.clear();
    dialogues.reponses = {QMessageBox::Yes};
    EXPECT_TRUE(verifier(true, false));
    EXPECT_EQ(dialogues.affiches.size(), 1u);

    // A file where the applications folder should be: the type is declared, the default not set.
    commandesReussissent();
    plateforme.commandes.clear();
    ecrire(plateforme.donnees[0] + QStringLiteral("/applications"), "");
    EXPECT_FALSE(
        AssocierExtension(QStringLiteral("cl3"), plateforme.programme, QStringLiteral("QUILLORA")));
    EXPECT_EQ(plateforme.commandes.size(), 1u);
}

class Couleurs : public Bureau {
protected:
    Couleurs() {
        QDir(plateforme.bac.path()).mkpath(QStringLiteral("bin"));
        plateforme.programme = plateforme.bac.path() + QStringLiteral("/bin/quillora");
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::white);
    }
};

TEST_F(Couleurs, CustomColoursOutliveTheDialogBesideTheProgramOrInTheUsersFolder) {
    const auto allerRetour = [] {
        {
            TMaColorDialog d;
            QColorDialog::setCustomColor(3, QColor(10, 20, 30));
            QColorDialog::setCustomColor(15, QColor(200, 100, 0));
        }
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::black);
        { TMaColorDialog d; }
        EXPECT_EQ(QColorDialog::customColor(3), QColor(10, 20, 30));
        EXPECT_EQ(QColorDialog::customColor(15), QColor(200, 100, 0));
        EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::white));
    };
    EXPECT_EQ(FichierCouleurs(), plateforme.bac.path() + "/bin/CouleurPerso.ini");
    allerRetour();
    QFile f(FichierCouleurs());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    EXPECT_TRUE(texte.startsWith("[ColorPerso]"));
    // 0x00BBGGRR, as the settings file writes colours.
    EXPECT_TRUE(texte.contains("nColor3=1971210")) << texte.constData();
    EXPECT_TRUE(texte.contains("nColor15=25800"));

    plateforme.programme = QStringLiteral("/nonexistent/quillora/bin/quillora");
    EXPECT_EQ(FichierCouleurs(), plateforme.configuration + "/CouleurPerso.ini");
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    allerRetour();

    // Values found in the file close up their gaps; what is not a colour is skipped.
    ecrire(FichierCouleurs(),
           "[ColorPerso]\nnColor0=255\nnColor1=\nnColor2=65280\nnColor5=rouge\n");
    { TMaColorDialog d; }
    EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0));
    EXPECT_EQ(QColorDialog::customColor(1), QColor(0, 255, 0));
    EXPECT_EQ(QColorDialog::customColor(2), QColor(Qt::white));
}

class SaisieNombre : public Bureau {
protected:
    SaisieNombre() {
        s.setTexte1(QStringLiteral("Note maximale"));
        s.setMin(0);
        s.setMax(24);
    }
    void taper(const QString& t) {
        for (QChar c : t) QTest::keyClick(s.Edit(), c.toLatin1());
    }
    QString texte() const { return s.Edit()->text(); }
    void ecrire(const QString& t) { s.Edit()->setText(t); }
    // Writes `avant`, clicks `bouton` and expects `apres`.
    void pas(const char* avant, QPushButton* bouton, const char* apres) {
        ecrire(QString::fromLatin1(avant));
        bouton->click();
        EXPECT_EQ(texte(), apres) << avant;
    }

    TSaisieNombre s;
};

TEST_F(SaisieNombre, RefusesWithABeepWhatCannotBelongToANumberOfItsKind) {
    // An integer field lets only the digits, Backspace and Enter through.
    taper(QStringLiteral(",.-a +12"));
    QTest::keyClick(s.Edit(), Qt::Key_Backspace);
    EXPECT_EQ(texte(), "51");
    EXPECT_EQ(plateforme.bips, 6);
    s.setMode(TModeSN::mReal);
    s.setNegatif(true);
    ecrire({});
    taper(QStringLiteral("-1,5.2"));
    EXPECT_EQ(texte(), "-1,5.2");
    EXPECT_EQ(plateforme.bips, 6);
}

TEST_F(SaisieNombre, StepsStayInsideTheRangeAndAnInvalidFieldJumpsToAnEnd) {
    QPushButton* plus = s.BoutonPlus();
    QPushButton* moins = s.BoutonMoins();
    pas("24", plus, "24");
    pas("", plus, "24");
    pas("abc", moins, "0");
    s.setVInc(2.4); // an integer field's step is rounded, and then reaches the ends
    pas("22", plus, "24");
    pas("2", moins, "0");

    // Real steps reach the ends despite binary fractions.
    s.setMode(TModeSN::mReal);
    s.setMin(0.1);
    s.setMax(0.3);
    s.setVInc(0.1);
    pas("0.2", plus, "0.3");
    pas("0.2", moins, "0.1");
}

TEST_F(SaisieNombre, ValuesAreWrittenWithTheirDecimalsAndAnInvalidFieldReadsAsTheMinimum) {
    s.setMode(TModeSN::mReal);
    // Values outside the range are ignored: the field keeps the one before.
    for (const auto& [decimales, garder, valeur, attendu] :
         {std::tuple{2, true, 12.0, "12.00"}, {1, false, 0.26, "0.3"}, {1, false, 24.5, "0.3"}}) {
        s.setNbDecimale(decimales);
        s.setGarderZero(garder);
        s.setValeurR(valeur);
        EXPECT_EQ(texte(), attendu) << valeur;
    }
    ecrire(QStringLiteral("12,75"));
    EXPECT_DOUBLE_EQ(s.ValeurR(), 12.75);

    s.setMode(TModeSN::mLongint);
    ecrire({});
    EXPECT_EQ(s.ValeurI(), 0);
    s.setMin(3.5);
    ecrire(QStringLiteral("30"));
    EXPECT_EQ(s.ValeurI(), 4);
    EXPECT_DOUBLE_EQ(s.ValeurR(), 3.5);
}

TEST_F(SaisieNombre, EachInvalidFieldHasItsOwnMessageShownWhenTheCallerAsks) {
    const QString n = QStringLiteral("Valeur non valide: \"Note maximale\"");
    const QString horsLimite = n + QStringLiteral("\n( Nombre hors limite: De 0 à 24 )");
    const auto verifier = [&](const char* champ, const QString& message) {
        ecrire(QString::fromUtf8(champ));
        EXPECT_EQ(s.MessageInvalide(), message) << champ;
    };
    verifier("", QStringLiteral("Valeur non définie: \"Note maximale\""));
    verifier("-3", n + QStringLiteral("\n( Nombre négatif interdit )"));
    verifier("1,5", n + QStringLiteral("\n( Nombre réel interdit )"));
    verifier("24", QString());

    // Silent unless the caller asks; then after its context, with the field selected.
    s.show();
    verifier("99", horsLimite);
    EXPECT_FALSE(s.Valide());
    EXPECT_TRUE(dialogues.affiches.empty());
    EXPECT_FALSE(s.Valide(true, QStringLiteral("Domaine de validité")));
    ASSERT_EQ(dialogues.affiches.size(), 1u);
    EXPECT_EQ(dialogues.affiches[0].genre, "avertissement");
    EXPECT_EQ(dialogues.affiches[0].texte, QStringLiteral("Domaine de validité: ") + horsLimite);
    EXPECT_EQ(s.Edit()->selectedText(), "99");

    // Once negatives are allowed, one outside the range is refused for its range.
    s.setNegatif(true);
    verifier("-3", horsLimite);
    s.setMin(-5);
    EXPECT_EQ(s.ValeurI(), -3);

    // A control disabled on its own is always valid, and reads like an invalid one.
    verifier("1x", n);
    s.setEnabled(false);
    EXPECT_TRUE(s.Valide(true));
    EXPECT_EQ(s.ValeurI(), -5);
    EXPECT_EQ(dialogues.affiches.size(), 1u);
    // Disabled with the page it sits on, it is still checked.
    QWidget page;
    auto* surPage = new TSaisieNombre(&page);
    surPage->Edit()->clear();
    page.setEnabled(false);
    EXPECT_FALSE(surPage->Valide());
}

const char* const onglets[] = {"&Divers",           "&Couleur",         "&Police",
                               "&Impression",       "&Sauvegarde",      "&Titre imprimé",
                               "&Lettre + Chiffre", "Saisie des &notes"};

class PageControl : public ::testing::Test {
protected:
    PageControl() {
        for (const char* o : onglets)
            c.addTab(new QLabel(QString::fromUtf8(o)), QString::fromUtf8(o));
        c.resize(623, 300);
    }
    int ligne(int onglet) const { return c.tabRect(onglet).top(); }

    TJppPageControl c;
};

// By click or accelerator, and without a mouse: the arrows go round the tabs; a screen
// reader reads the tabs as such, the selected one marked, and can choose one.
TEST_F(PageControl, ATabIsChosenByClickAcceleratorArrowsOrScreenReader) {
    c.show();
    c.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
    QSignalSpy changes(&c, &TJppPageControl::currentChanged);
    QTest::keyClick(&c, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(c.currentIndex(), 7);
    QTest::mouseClick(&c, Qt::LeftButton, {}, c.tabRect(2).center());
    EXPECT_EQ(c.currentIndex(), 2);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(c.widget(2)->isVisible());

    c.setCurrentIndex(0);
    c.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&c, Qt::Key_Left);
    EXPECT_EQ(c.currentIndex(), 7);
    QTest::keyClick(&c, Qt::Key_Right);
    QTest::keyClick(&c, Qt::Key_Right);
    EXPECT_EQ(c.currentIndex(), 1);
    QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(&c);
    ASSERT_EQ(liste->role(), QAccessible::PageTabList);
    QAccessibleInterface* titre = liste->child(5);
    EXPECT_EQ(titre->role(), QAccessible::PageTab);
    EXPECT_EQ(titre->text(QAccessible::Name), "Titre imprimé");
    EXPECT_TRUE(liste->child(1)->state().selected);
    EXPECT_FALSE(titre->state().selected);
    titre->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(c.currentIndex(), 5);
    EXPECT_TRUE(titre->state().focused);
    // After the tabs, the pages.
    EXPECT_EQ(liste->indexOfChild(liste->child(c.count())), c.count());
}

} // namespace
