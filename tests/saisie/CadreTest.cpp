#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ConversionsQt.h"
#include "DialoguesScriptes.h"
#include "Options.h"
#include "TChild.h"
#include "TMDI.h"

using namespace quillora;
using namespace quillora::test;

// The frame's status line follows the grade cursor, and its clock comes back off the cells.
TEST(CadreSaisie, LaBarreDEtatSuitLeCurseur) {
    InitOptions(Options);
    DialoguesScriptes dialogues;
    PlateformeFactice plateforme;
    QTemporaryDir dossier;
    TMDI cadre(dossier.filePath(QStringLiteral("quillora.ini")), ',');
    cadre.resize(1000, 700);
    cadre.show();
    const QString fichier = dossier.filePath(QStringLiteral("3A.cl3"));
    QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/exemples/3A.cl3"), fichier);
    TChild* f = cadre.OuvrirClasse(fichier);
    ASSERT_NE(f, nullptr);
    f->ChangerMatiere(1);
    f->ChangerTrimestre(1);
    ASSERT_GT(f->Classe.NbDevoir[1][1], 0);
    QTest::qWait(20);
    const GeometrieFeuille g = GeometrieTableau(f->Etat());
    QTest::mouseMove(f->viewport(), g.Point(20 * (1 + f->LargeurNom), 25));
    EXPECT_EQ(cadre.TexteV3(), f->TexteAide());
    EXPECT_FALSE(cadre.MajHeure);
    QTest::mouseMove(f->viewport(), g.Point(5, 5));
    EXPECT_EQ(cadre.TexteV3(), texteQt(DateHeureTexte()));
    EXPECT_TRUE(cadre.MajHeure);
    f->MarquerSauve();
    InitOptions(Options);
}
