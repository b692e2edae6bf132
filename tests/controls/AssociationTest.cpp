#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "Association.h"
#include "DialoguesScriptes.h"
#include "ImpressionQt.h"

using namespace quillora;
using quillora::test::DialoguesScriptes;
using quillora::test::PlateformeFactice;

namespace {

class Association : public ::testing::Test {
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

    PlateformeFactice plateforme;
    DialoguesScriptes dialogues;
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
    struct Cas {
        QString programme, exec;
        int questions;
    };
    for (const Cas& c : {Cas{"/opt/Quillora/bin/quillora", "/opt/quillora/bin/quillora %f", 1},
                         Cas{vrai, plateforme.bac.path() + "/lien %f", 1}}) {
        plateforme.programme = c.programme;
        associer(QStringLiteral("quillora.desktop"), c.exec);
        verifier();
        // Counted from the start: only the first program is offered the association.
        EXPECT_EQ(dialogues.nombre(QStringLiteral("question")), c.questions) << c.exec;
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

} // namespace
