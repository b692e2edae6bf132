#include <QAbstractButton>
#include <QListWidget>
#include <gtest/gtest.h>

#include "DialoguesScriptes.h"
#include "ImpressionQt.h"
#include "Options.h"
#include "TDialReleves.h"

using namespace quillora;
using namespace quillora::test;

TEST(ChoixDesReleves, TousOuLesCochesUnePeriodeOuLAnneeEtLesRangs) {
    InitOptions(Options);
    DialoguesScriptes dialogues;
    TClasse c;
    c.Initialiser();
    c.NomFichier = QUILLORA_SOURCE_DIR "/exemples/TS2.cl3"; // two semesters
    ASSERT_TRUE(c.Charger().ok);
    c.PeriodeCourante = 2;
    TDialReleves d(c);
    auto bouton = [&d](const char* nom) {
        return d.findChild<QAbstractButton*>(QLatin1String(nom));
    };
    auto* liste = d.findChild<QListWidget*>(QStringLiteral("Liste"));
    ASSERT_EQ(liste->count(), c.NbEleve);
    EXPECT_EQ(bouton("RB1")->text(), QStringLiteral("Semestre 1"));
    EXPECT_TRUE(bouton("RB3")->isHidden());
    ChoixReleves choix = d.Choix();
    EXPECT_TRUE(choix.eleves.empty() && choix.periode == 2 && !choix.rangs);

    // Ticking a student chooses the ticked ones; none ticked is refused, the dialog open.
    liste->item(1)->setCheckState(Qt::Checked);
    EXPECT_TRUE(bouton("RBCoches")->isChecked());
    liste->item(1)->setCheckState(Qt::Unchecked);
    d.show();
    bouton("BitBtn1")->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(dialogues.nombre(QStringLiteral("avertissement")), 1);

    liste->item(2)->setCheckState(Qt::Checked);
    liste->item(0)->setCheckState(Qt::Checked);
    bouton("RB4")->click();
    bouton("CBRangs")->click();
    choix = d.Choix();
    EXPECT_EQ(choix.eleves, (std::vector<int>{1, 3}));
    EXPECT_TRUE(choix.periode == 4 && choix.rangs);
    bouton("BitBtn1")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    // Back to every student, whatever stays ticked.
    bouton("RBTous")->click();
    EXPECT_TRUE(d.Choix().eleves.empty());
}
