#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <zip.h>

#include "Courrier.h"
#include "DialoguesScriptes.h"
#include "Options.h"
#include "TChild.h"
#include "TProgressForm.h"
#include "TZip.h"

using namespace quillora;
using namespace quillora::test;

namespace {

// The hand-off to the mail program, recorded; runs on the sending thread.
class CourrierFactice : public PlateformeFactice {
public:
    std::atomic<int> statut = 0, appels = 0;
    QStringList arguments;
    int remettreCourrier(const QStringList& a) override {
        arguments = a;
        ++appels;
        return statut;
    }
};

QByteArray contenu(const QString& f) {
    QFile in(f);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void ecrire(const QString& f, const QByteArray& octets) {
    QFile out(f);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(octets);
}

// The name and bytes of an archive's single entry, as libzip reads them back; an empty
// name unless there is exactly one.
std::pair<QString, QByteArray> seuleEntree(const QString& archive) {
    zip_t* za = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, nullptr);
    zip_stat_t st;
    if (!za || zip_get_num_entries(za, 0) != 1 || zip_stat_index(za, 0, 0, &st) != 0) return {};
    QByteArray octets(static_cast<qsizetype>(st.size), '\0');
    zip_file_t* f = zip_fopen_index(za, 0, 0);
    zip_fread(f, octets.data(), st.size);
    zip_fclose(f);
    const QString nom = QString::fromUtf8(st.name); // owned by the archive
    zip_close(za);
    return {nom, octets};
}

class Courrier : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        qputenv("TMPDIR", temporaire.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    // Opens a copy of a sample under `nom`, modified, and runs the mail command on it.
    void envoyer(const QString& nom, bool attendre = true) {
        const QString f = classes.filePath(nom);
        QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/exemples/3A.cl3"), f);
        TChild feuille;
        ASSERT_TRUE(feuille.OuvrirFichier(f.toStdString()));
        feuille.Classe.Eleve[1].Nom = "ENVOYE";
        feuille.MarquerModifie();
        DernierMessageMail.clear();
        feuille.MenuEnvoyerMail();
        EXPECT_FALSE(feuille.Modifie);
        // The result comes back to the window's thread.
        if (attendre) {
            ASSERT_TRUE(QTest::qWaitFor([] { return !DernierMessageMail.isEmpty(); }));
        }
    }

    DialoguesScriptes dialogues;
    CourrierFactice courrier;
    QTemporaryDir classes, temporaire;
};

} // namespace

// A name that a shell or a mail link would take apart.
TEST_F(Courrier, LaClasseEnregistreePartDansUneArchiveASonNom) {
    const QString nom = QStringLiteral("-6 A l'été \"bis\" $HOME.cl3");
    const QString archive = temporaire.filePath(nom.chopped(4) + QStringLiteral(".zip"));
    ecrire(archive, "ancienne archive"); // a leftover of an earlier mail

    envoyer(nom);
    ASSERT_EQ(courrier.appels, 1);
    EXPECT_EQ(courrier.arguments,
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"),
                           QStringLiteral("Fichier:") + nom, QStringLiteral("--attach"), archive}));
    // Exactly the saved class, to the byte, under its own name; the archive stays for the
    // mail program, which reads it when the mail goes.
    const auto [entree, octets] = seuleEntree(archive);
    EXPECT_EQ(entree, nom);
    EXPECT_EQ(octets, contenu(classes.filePath(nom)));
    EXPECT_TRUE(octets.contains("ENVOYE"));
    EXPECT_TRUE(dialogues.affiches.empty());
    EXPECT_EQ(DernierMessageMail, QStringLiteral("Cas 13 - Message envoyé avec succès."));
}

TEST_F(Courrier, SansMessagerieLArchiveResteAJoindreALaMain) {
    courrier.statut = 3; // xdg-email: no mail program configured
    dialogues.reponses = {QMessageBox::Yes};
    envoyer(QStringLiteral("6A.cl3"));
    const QString archive = temporaire.filePath(QStringLiteral("6A.zip"));
    ASSERT_EQ(dialogues.nombre(QStringLiteral("question")), 1);
    EXPECT_EQ(dialogues.affiches[0].texte,
              QStringLiteral("Aucun programme de messagerie n'est configuré sur cet ordinateur : "
                             "le message n'est pas envoyé.\r\rLa classe est prête à être jointe "
                             "à un message, dans l'archive :\r") +
                  archive + QStringLiteral("\r\rOuvrir le dossier qui la contient ?"));
    EXPECT_EQ(courrier.urlsOuvertes,
              QStringList{QUrl::fromLocalFile(temporaire.path()).toString()});

    // A mail program that fails: the warning of its result, and no archive left.
    courrier.statut = 4;
    dialogues.affiches.clear();
    envoyer(QStringLiteral("6A.cl3"));
    EXPECT_EQ(dialogues.textes(), QStringList{QStringLiteral("Erreur 5 - Message non envoyé.")});
    EXPECT_FALSE(QFile::exists(archive));
    dialogues.affiches.clear();

    // A temporary folder where nothing can be written: said, and nothing is handed over.
    qputenv("TMPDIR", "/proc");
    courrier.appels = 0;
    envoyer(QStringLiteral("6A.cl3"), false);
    EXPECT_EQ(courrier.appels, 0);
    ASSERT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1);
    EXPECT_TRUE(dialogues.affiches.back().texte.startsWith(
        QStringLiteral("Impossible de créer le fichier \"/proc/6A.zip\". ")));
    EXPECT_TRUE(contenu(classes.filePath(QStringLiteral("6A.cl3"))).contains("ENVOYE"));
}

TEST_F(Courrier, AnnulerPendantLaCompressionRendLArchivePrecedente) {
    const QString archive = temporaire.filePath(QStringLiteral("a.zip"));
    const QString gros = classes.filePath(QStringLiteral("gros.bin"));
    QByteArray hasard(4 << 20, '\0'); // incompressible
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(hasard.data()), hasard.size() / 4);
    ecrire(gros, hasard);
    TZip zip;
    zip.AfficherProgres = false;
    ASSERT_TRUE(zip.SetZipFileName(archive));
    zip.FichiersAjouter << QStringLiteral(QUILLORA_SOURCE_DIR "/exemples/3A.cl3");
    ASSERT_EQ(zip.Ajouter(), 1);
    const QByteArray avant = contenu(archive);

    zip.AfficherProgres = true;
    zip.FichiersAjouter << gros;
    qint64 vu = 0; // the teacher's click, at the first progress
    QObject::connect(&zip, &TZip::progression, [&] {
        if (vu++ == 0) zip.Progres()->BoutonAnnuler()->click();
    });
    EXPECT_EQ(zip.Ajouter(), 0);
    EXPECT_EQ(contenu(archive), avant);

    // A write that fails half-way (a size limit stands in for a full disk): said, and the
    // previous archive is back.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit sansLimite{};
    ::getrlimit(RLIMIT_FSIZE, &sansLimite);
    const rlimit limite{1 << 20, sansLimite.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    zip.FichiersAjouter << gros;
    zip.AfficherProgres = false;
    QObject::disconnect(&zip, &TZip::progression, nullptr, nullptr);
    EXPECT_EQ(zip.Ajouter(), 0);
    ::setrlimit(RLIMIT_FSIZE, &sansLimite);
    EXPECT_EQ(dialogues.affiches.back().texte, QStringLiteral("Impossible de créer le fichier \"") +
                                                   archive +
                                                   QStringLiteral("\". Le fichier dépasse la "
                                                                  "taille permise."));
    EXPECT_EQ(contenu(archive), avant);
    EXPECT_EQ(QDir(temporaire.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.zip")});
}

// The real xdg-email, with a stand-in mail program that records what it was given.
TEST(CourrierReel, XdgEmailRemetLaPieceJointeAuProgrammeDeMessagerie) {
    QTemporaryDir dossier;
    const QString trace = dossier.filePath(QStringLiteral("trace"));
    const QString script = dossier.filePath(QStringLiteral("faux-courrier"));
    ecrire(script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + trace.toLocal8Bit() + "\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    const QString piece = dossier.filePath(QStringLiteral("6e l'été.zip"));
    ecrire(piece, "PK");

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dossier.path().toLocal8Bit() + ':' + path);
    qputenv("MAILER", "faux-courrier");
    const bool envoye = EnvoyerMail({}, QStringLiteral("Fichier:6e l'été.cl3"), {}, true, piece);
    qputenv("PATH", path);
    qunsetenv("MAILER");
    EXPECT_TRUE(envoye);
    EXPECT_EQ(DernierMessageMail, QStringLiteral("Cas 13 - Message envoyé avec succès."));
    // One mailto: argument, decoded as the mail program will.
    EXPECT_EQ(QUrl::fromPercentEncoding(contenu(trace).trimmed()),
              QStringLiteral("mailto:?subject=Fichier:6e l'été.cl3&attach=") + piece);
}
