#include <sys/stat.h>

#include "Cadre.h"

using namespace quillora;
using namespace quillora::test;

using Portes = Cadre;

// The window opens files by the same rules as the command line.
TEST_F(Portes, LaFenetreSuitLesReglesDeLecture) {
    // A saved view the class lacks: its second subject, in a one-subject class.
    const QString ts2 = exemple(QStringLiteral("TS2.cl3"));
    QFile f(ts2);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(76462));
    f.write("\x02\x01", 2);
    f.close();
    const TChild* feuille = cadre->OuvrirClasse(ts2);
    ASSERT_NE(feuille, nullptr);
    EXPECT_EQ(feuille->Classe.MatiereCourante, 1);
    EXPECT_EQ(feuille->Classe.PeriodeCourante, 1);

    // A FIFO nobody writes to is refused at once instead of freezing the window.
    const QString tube = dossier.filePath(QStringLiteral("tube.cl3"));
    ASSERT_EQ(::mkfifo(tube.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(cadre->OuvrirClasse(tube), nullptr);
    ASSERT_EQ(dialogues.nombre(QStringLiteral("erreur")), 1);
    EXPECT_TRUE(dialogues.affiches.back().texte.endsWith(
        QStringLiteral("\". Ce n'est pas un fichier ordinaire.")));
}
