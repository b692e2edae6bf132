#include <QAbstractButton>
#include <gtest/gtest.h>
#include <memory>

#include "Options.h"
#include "TStat01.h"
#include "TStat02.h"
#include "TStat03.h"
#include "TStat04.h"

using namespace quillora;

namespace {

// Four students, two assignments in period 1 and one in period 2 of subject 1.
TClasse classe() {
    TClasse c;
    c.Initialiser();
    c.AbrevClasse = "4B";
    c.NbEleve = 4;
    c.NbDevoir[1][1] = 2;
    c.NbDevoir[1][2] = 1;
    for (int e = 1; e <= 4; ++e) {
        c.Eleve[e].Nom = "ELEVE" + std::to_string(e);
        c.Eleve[e].Note[1][1][1] = std::to_string(6 + e);
        c.Eleve[e].Note[1][1][2] = std::to_string(10 + e);
        c.Eleve[e].Note[1][2][1] = std::to_string(4 + 2 * e);
    }
    return c;
}

// What a window shows, to tell whether it computed again.
QString contenu(FenetreStatistique& f) {
    QString t;
    if (auto* g = dynamic_cast<FenetreGraphe*>(&f)) {
        t = g->G->Caption();
        for (int i = 1; i <= 5; ++i) t += g->G->LireLigne(i);
        for (int i = 1; i <= g->G->NbBarre(); ++i) t += QString::number(g->G->Barre(i)->Valeur);
        t += QString::number(g->G->BarreMoy().Valeur);
    } else if (auto* r = dynamic_cast<TStat04*>(&f)) {
        for (int c = 1; c <= 5; ++c)
            for (int l = 1; l <= 5; ++l) t += r->T->Cellule(c, l) + QLatin1Char('|');
    }
    return t;
}

} // namespace

// Each window is told of every change and computes again only when it may show it: here
// the evolution and the report of student 2, assignment 2 and the averages of period 1.
TEST(FenetresStatistiques, ChaqueCodeNeRecalculeQueCeQuIlPeutChanger) {
    struct Cas {
        int code, periode, item, eleve;
        std::array<bool, 4> recalcule; // TStat01..TStat04
    };
    const Cas cas[] = {
        {3, 1, 2, 2, {true, true, true, true}},     {3, 1, 1, 2, {true, false, true, true}},
        {3, 2, 1, 3, {false, false, false, false}}, {4, 1, 2, 0, {true, true, true, true}},
        {4, 2, 1, 0, {false, false, false, true}},  {2, 2, 0, 0, {false, false, false, true}},
        {2, 1, 0, 0, {true, true, true, true}},     {6, 0, 0, 0, {true, true, true, true}},
        {1, 0, 0, 0, {true, true, true, true}},     {7, 1, 1, 0, {true, true, true, true}},
        {5, 1, 0, 0, {false, false, false, false}},
    };
    InitOptions(Options);
    for (const Cas& k : cas) {
        TClasse c = classe();
        TStat01 s1(c);
        TStat02 s2(c);
        TStat03 s3(c);
        TStat04 s4(c);
        s1.findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(2);
        s4.findChild<QComboBox*>(QStringLiteral("CB"))->setCurrentIndex(2);
        ASSERT_EQ(std::make_tuple(s1.EleveChoisi, s2.DevoirChoisi, s4.EleveChoisi),
                  std::make_tuple(2, 2, 2));
        FenetreStatistique* fenetres[] = {&s1, &s2, &s3, &s4};
        QString avant[4];
        for (int i = 0; i < 4; ++i) avant[i] = contenu(*fenetres[i]);
        // Changed behind their backs: only a window that computes again shows it.
        c.Eleve[2].Note[1][1][2] = "20";
        c.Devoir[1][1][2].Coef = 3;
        for (FenetreStatistique* f : fenetres) f->Notifier(k.code, k.periode, k.item, k.eleve);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(contenu(*fenetres[i]) != avant[i], k.recalcule[i])
                << "TStat0" << i + 1 << ", code " << k.code << " period " << k.periode;
    }
}

TEST(FenetresStatistiques, LesBoutonsSuiventLaDivisionEtLesMatieresEtLesBarresLaNoteMoyenne) {
    InitOptions(Options);
    TClasse c = classe();
    c.NbPeriode = 2;
    c.NbMatiere = 2;
    c.PeriodeCourante = 2;
    c.MatiereCourante = 4;
    TStat01 s1(c);
    auto bouton = [&](QWidget& w, const char* nom) {
        return w.findChild<QAbstractButton*>(QLatin1String(nom));
    };
    EXPECT_TRUE(bouton(s1, "SB2")->isChecked());
    EXPECT_TRUE(bouton(s1, "SB3")->isHidden());
    EXPECT_FALSE(bouton(s1, "SB12")->isHidden());
    EXPECT_TRUE(bouton(s1, "SB13")->isHidden());
    EXPECT_EQ(s1.MatiereChoisie, 1) << "the synthesis has no evolution";

    // The averages keep the synthesis.
    TStat03 s3(c);
    EXPECT_EQ(s3.MatiereChoisie, 4);
    EXPECT_TRUE(bouton(s3, "SB14")->isChecked());

    // Another period and its last assignment; bars red below the pass mark, green from it.
    c.Eleve[1].Note[1][1][2] = "9.99";
    TStat02 s2(c);
    EXPECT_EQ(s2.DevoirChoisi, 1);
    bouton(s2, "SB1")->click();
    EXPECT_EQ(s2.DevoirChoisi, 2);
    EXPECT_EQ(s2.G->Barre(10)->CouleurBarre, QColor(Qt::red)) << "mark 9";
    EXPECT_EQ(s2.G->Barre(11)->CouleurBarre, QColor(0, 128, 0)) << "mark 10";
    c.PeriodeCourante = 4;
    TStat02 annee(c);
    EXPECT_EQ(annee.G->Caption(), QStringLiteral("Pas de devoir lors du bilan annuel."));
    EXPECT_EQ(annee.G->NbBarre(), 0);
}
