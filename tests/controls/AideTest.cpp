#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include "Aide.h"
#include "DialoguesScriptes.h"
#include "FenetreAide.h"
#include "ImpressionQt.h"

using namespace quillora;
using quillora::test::PlateformeFactice;

namespace {

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

class Aide : public ::testing::Test {
protected:
    // A program at <bac>/apps/prog/quillora.
    Aide() {
        QDir(plateforme.bac.path()).mkpath(QStringLiteral("apps/prog"));
        plateforme.programme = racine + QStringLiteral("/prog/quillora");
    }
    ~Aide() override { delete fenetreOuverte(); }

    PlateformeFactice plateforme;
    const QString racine = plateforme.bac.path() + QStringLiteral("/apps");
};

TEST_F(Aide, TheFolderIsLookedForInOrderAndTheWindowBrowsesFromTheTopic) {
    // Without any folder, nothing opens, and a warning says where the pages were looked
    // for. Beside the parent comes first, then the installed one, then beside the program.
    quillora::test::DialoguesScriptes boites;
    AfficherAide(QStringLiteral("LesOptions"));
    EXPECT_EQ(fenetreOuverte(), nullptr);
    EXPECT_EQ(boites.textes(), QStringList{"Les pages de l'aide sont introuvables. Elles ont "
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

TEST_F(Aide, HelpAskedFromAModalDialogBelongsToIt) {
    plateforme.programme = QStringLiteral(QUILLORA_SOURCE_DIR "/bin/quillora");
    QDialog dialogue;
    QWidget* parent = reinterpret_cast<QWidget*>(1);
    QTimer::singleShot(0, &dialogue, [&] {
        AfficherAide(QStringLiteral("LesOptions"));
        if (FenetreAide* f = fenetreOuverte()) parent = f->parentWidget();
        dialogue.reject();
    });
    dialogue.exec();
    EXPECT_EQ(parent, &dialogue);
    EXPECT_TRUE(fenetreOuverte()->isWindow());
}

} // namespace
