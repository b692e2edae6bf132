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
    c.AnneeScolaire = "( 2026 / 2027 )";
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

// What a window shows: the chart's title, lines, bars, average and scale, or the table by
// rows.
std::string contenu(FenetreStatistique& f) {
    QStringList t;
    if (auto* g = dynamic_cast<FenetreGraphe*>(&f)) {
        t << g->G->Caption();
        for (int i = 1; i <= 5; ++i) t << g->G->LireLigne(i);
        QStringList barres;
        for (int i = 1; i <= g->G->NbBarre(); ++i)
            barres << QString::number(g->G->Barre(i)->Valeur);
        t << barres.join(' ')
          << QStringLiteral("moy. %1, 0 à %2 par %3 (%4 traits %5 sur %6)")
                 .arg(g->G->BarreMoy().Valeur)
                 .arg(g->G->Vmax())
                 .arg(g->G->PasVert())
                 .arg(g->G->NbGradV())
                 .arg(g->G->CouleurL().name(), g->G->CouleurFond().name());
    } else if (auto* r = dynamic_cast<TStat04*>(&f)) {
        for (int l = 1; l <= 5; ++l) {
            QStringList ligne;
            for (int c = 1; c <= 5; ++c) ligne << r->T->Cellule(c, l);
            t << ligne.join(';');
        }
    }
    t.removeAll(QString());
    return t.join(QStringLiteral(" | ")).toStdString();
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
        std::string avant[4];
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
    EXPECT_TRUE(bouton(s1, "SB3")->isHidden() && !bouton(s1, "SB12")->isHidden() &&
                bouton(s1, "SB13")->isHidden());
    EXPECT_EQ(s1.MatiereChoisie, 1) << "the synthesis has no evolution";

    // The averages keep the synthesis.
    TStat03 s3(c);
    EXPECT_TRUE(s3.MatiereChoisie == 4 && bouton(s3, "SB14")->isChecked());

    // Another period and its last assignment; bars red below the pass mark, green from it.
    c.Eleve[1].Note[1][1][2] = "9.99";
    TStat02 s2(c);
    EXPECT_EQ(s2.DevoirChoisi, 1);
    bouton(s2, "SB1")->click();
    EXPECT_EQ(s2.DevoirChoisi, 2);
    EXPECT_EQ(s2.G->Barre(10)->CouleurBarre, QColor(Qt::red)) << "mark 9";
    EXPECT_EQ(s2.G->Barre(11)->CouleurBarre, QColor(0, 128, 0)) << "mark 10";
}

// What each window shows of the class above, worked out by hand.
TEST(FenetresStatistiques, LesChiffresEtLEchelleDeChaqueFenetre) {
    InitOptions(Options);
    const TClasse c = classe();
    TStat01 s1(c);
    TStat02 s2(c);
    TStat03 s3(c);
    TStat04 s4(c);
    // The class's evolution: assignment averages (7 + 8 + 9 + 10) / 4 = 8.5 and 12.5; its
    // year line: the students' periods (9, 6), (10, 8), (11, 10), (12, 12) give 7.5, 9, 10.5
    // and 12, whose mean is 9.75. Marks from 0 to 20, a line every 5, black on the silver
    // of the settings.
    EXPECT_EQ(contenu(s1), "4B / Matière 1 / Trim.1 ( 2026 / 2027 ) | 8.5 12.5 | moy. 9.75, 0 à 20 "
                           "par 5 (4 traits #000000 sur #c0c0c0)");
    // The last assignment: 11 to 14, one each, mean 12.5, deviations 1.5 and 0.5 twice:
    // sqrt(5 / 4) = 1.1. A single student per mark: the scale goes to 1, by 1.
    EXPECT_EQ(contenu(s2),
              "4B / Matière 1 / Trim.1 / Devoir 2 ( 2026 / 2027 ) | Dev. 2 -  - Coef. 1 -  -  | "
              "Note max : 14 ( ELEVE4  ) | Note min : 11 ( ELEVE1  ) | "
              "0 note en dessous de la moyenne | "
              "Moyenne du devoir 12.5 - 0 absent - Ecart type : 1.1 | "
              "0 0 0 0 0 0 0 0 0 0 0 1 1 1 1 0 0 0 0 0 0 | moy. -1789, 0 à 1 par 1 (4 traits "
              "#000000 sur #c0c0c0)");
    // The averages of the first trimester: 9 to 12, mean 10.5, the same deviation.
    EXPECT_EQ(contenu(s3),
              "4B / Matière 1 / Trim.1 ( 2026 / 2027 ) | Moyenne max : 12 ( ELEVE4  ) | "
              "Moyenne min : 9 ( ELEVE1  ) | 1 élève en dessous de la moyenne | "
              "Moyenne du Trimestre: 10.5 - 0 absent - Ecart type : 1.1 | "
              "0 0 0 0 0 0 0 0 0 1 1 1 1 0 0 0 0 0 0 0 0 | moy. -1789, 0 à 1 par 1 (4 traits "
              "#000000 sur #c0c0c0)");
    // The class's report: the trimesters' means (9 + 10 + 11 + 12) / 4 and (6 + 8 + 10 + 12) / 4,
    // the year's 9.75 shown to one decimal.
    EXPECT_EQ(contenu(s4), ";Trim.1;Trim.2;Trim.3;Année | Matière 1;10.5;9;;9.8 | Matière 2;;;; | "
                           "Matière 3;;;; | Synthèse;10.5;9;;9.8");
}
