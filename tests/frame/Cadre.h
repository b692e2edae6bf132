#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#include "DialoguesScriptes.h"
#include "ImpressionQt.h"
#include "Options.h"
#include "TChild.h"
#include "TMDI.h"

namespace quillora::test {

// A frame on the offscreen platform, its settings and class files in a folder of its own,
// every dialog scripted and the desktop replaced.
class Cadre : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        ASSERT_TRUE(dossier.isValid());
        ini = dossier.filePath(QStringLiteral("quillora.ini"));
        demarrer();
    }
    // The program starts again: the frame before goes without closing anything, as when the
    // program is killed.
    void demarrer() {
        cadre.reset();
        cadre = std::make_unique<TMDI>(ini, ',');
        cadre->Terminer = [this] { ++terminaisons; };
        cadre->resize(1000, 700);
        cadre->show();
    }
    void TearDown() override {
        // Whatever is still open goes without prompts.
        for (TChild* f : cadre->Feuilles()) f->MarquerSauve();
        Options.sauvegarde = false;
        cadre.reset();
        // The program's one printer outlives the test.
        ImprimanteProgramme().setPageSize(QPageSize(QPageSize::A4));
        ImprimanteProgramme().setPageOrientation(QPageLayout::Portrait);
        InitOptions(Options);
    }

    // A copy of a sample class in the test's folder.
    QString exemple(const QString& nom = QStringLiteral("3A.cl3"), const QString& copie = {}) {
        const QString cible = dossier.filePath(copie.isEmpty() ? nom : copie);
        QFile::remove(cible);
        QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/exemples/") + nom, cible);
        QFile::setPermissions(cible, QFile::ReadOwner | QFile::WriteOwner);
        return cible;
    }

    // A sample class open in the frame; without it the test goes no further.
    TChild* ouvrir(const QString& nom = QStringLiteral("3A.cl3"), const QString& copie = {}) {
        TChild* f = cadre->OuvrirClasse(exemple(nom, copie));
        if (!f) throw std::runtime_error("classe non ouverte");
        return f;
    }
    // A grade or coefficient typed in the cell, and Enter.
    static void taper(TChild* f, int ligne, int colonne, const QString& texte) {
        f->Ligne = ligne;
        f->Colonne = colonne;
        f->OuvrirSaisie(texte);
        QTest::keyClick(f->EditNote, Qt::Key_Return);
    }
    bool actif(const char* nom) const {
        if (QAction* a = cadre->Action(QLatin1String(nom))) return a->isEnabled();
        return cadre->Bouton(QLatin1String(nom))->isEnabled();
    }

    static QByteArray octets(const QString& f) {
        QFile in(f);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir dossier;
    QString ini;
    DialoguesScriptes dialogues;
    PlateformeFactice plateforme;
    std::unique_ptr<TMDI> cadre;
    int terminaisons = 0;
};

} // namespace quillora::test
