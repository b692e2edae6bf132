// The sheet as a screen reader reads it: a table of the view, each cell a sentence whose
// value is the export text's.
#include <QAccessible>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

#include "CelluleEn.h"
#include "ConversionsQt.h"
#include "Cp1252.h"
#include "LargeurNom.h"
#include "LectureFeuille.h"
#include "Options.h"
#include "TChild.h"

using namespace quillora;

namespace {

// The value a cell's sentence tells, written back as the export text writes it.
QString ValeurExportee(const QString& nom) {
    static const QRegularExpression fin(
        QStringLiteral("( sur \\d+)?(, en dessous de la moyenne|, pas une note)?$"));
    QString v = nom.mid(nom.lastIndexOf(QStringLiteral(" : ")) + 3);
    v.remove(fin);
    if (v == QLatin1String("vide")) return {};
    if (v == QLatin1String("non calculable")) return QStringLiteral("?");
    return v;
}

class LectureFeuille : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        f = std::make_unique<TChild>();
        f->Classe.NomFichier = QUILLORA_SOURCE_DIR "/exemples/3A.cl3";
        ASSERT_TRUE(f->Classe.Charger());
        f->Classe.NormaliserNoms(); // as the window shows them
        vue(1, 1);
        f->LargeurNom = CalculerLargeurNom(f->Classe);
        f->resize(1000, 700);
        f->show();
        table = QAccessible::queryAccessibleInterface(f.get());
        ASSERT_TRUE(table && table->tableInterface());
    }
    void TearDown() override {
        f.reset();
        InitOptions(Options);
    }
    void vue(int s, int p) {
        f->Classe.MatiereCourante = static_cast<std::uint8_t>(s);
        f->Classe.PeriodeCourante = static_cast<std::uint8_t>(p);
    }
    QString nom(int l, int c) const {
        return table->tableInterface()->cellAt(l, c)->text(QAccessible::Name);
    }
    // The export text's lines of the view shown, split into cells.
    QList<QStringList> exportees() const {
        const TClasse& c = f->Classe;
        QList<QStringList> lignes;
        for (const QString& l :
             texteQt(TexteExport(c, c.MatiereCourante, c.PeriodeCourante)).split(QLatin1Char('\r')))
            lignes << l.split(QLatin1Char('\t'));
        return lignes;
    }
    // Every student's row read from the table equals its line of the export text.
    void lignesCommeLExport(int premiereLigne) const {
        const QList<QStringList> lignes = exportees();
        QAccessibleTableInterface* t = table->tableInterface();
        for (int e = 1; e <= f->Classe.NbEleve; ++e) {
            const QStringList& attendu = lignes[premiereLigne + e - 1];
            ASSERT_EQ(attendu.size(), t->columnCount() + 1) << e;
            QStringList lu{t->rowDescription(e - 1)};
            for (int k = 0; k < t->columnCount(); ++k) lu << ValeurExportee(nom(e - 1, k));
            EXPECT_EQ(lu, attendu) << e;
        }
    }

    std::unique_ptr<TChild> f;
    QAccessibleInterface* table = nullptr;
};

TEST_F(LectureFeuille, LaVueDUneMatiereSeLitCommeSonExport) {
    QAccessibleTableInterface* t = table->tableInterface();
    EXPECT_EQ(table->text(QAccessible::Name), "3A, Trimestre 1, Mathématiques");
    // The students, then the class's averages; the assignments, the average and the joker.
    EXPECT_EQ(t->rowCount(), 29);
    EXPECT_EQ(t->columnCount(), 9);
    // Student 3, assignment 2.
    EXPECT_EQ(nom(2, 1), "BERTRAND Louise, Interrogation : calcul mental du 22 sept., "
                         "coefficient 0.5 : 8.75 sur 20, en dessous de la moyenne");
    EXPECT_EQ(nom(28, 0), "Moyenne de la classe, Nombres relatifs du 15 sept., coefficient 1 : "
                          "12.5");
    EXPECT_EQ(t->columnDescription(8), "moyenne Joker");
    lignesCommeLExport(1);
}

TEST_F(LectureFeuille, LaSyntheseEtLAnneeSeLisentCommeLeurExport) {
    vue(4, 1);
    QAccessibleTableInterface* t = table->tableInterface();
    EXPECT_EQ(t->columnCount(), 4);
    EXPECT_EQ(t->columnDescription(0), "Mathématiques, coefficient 3");
    EXPECT_EQ(t->columnDescription(3), "moyenne générale");
    // Below the title, the subjects' names and their coefficients.
    lignesCommeLExport(3);

    vue(1, 4);
    EXPECT_EQ(t->columnCount(), 4);
    EXPECT_EQ(t->columnDescription(2), "Trimestre 3, coefficient 4");
    EXPECT_EQ(table->text(QAccessible::Name), "3A, Année, Mathématiques");
    lignesCommeLExport(3);
}

TEST_F(LectureFeuille, ChaqueCaseEstLaOuLaFeuilleLaDessine) {
    const QPoint origine = f->viewport()->geometry().topLeft();
    for (const Cellule c : {Cellule{1, 1}, Cellule{3, 2}, Cellule{28, 7}, Cellule{0, 4}}) {
        const QRect r = f->RectangleCase(CaseDeCellule(c));
        ASSERT_FALSE(r.isEmpty());
        EXPECT_EQ(CelluleEn(f->Classe, f->Etat(), r.center() - origine), c);
    }
    f->ModeApercu = true;
    EXPECT_TRUE(f->RectangleCase({0, 0}).isEmpty());
}

TEST(LectureDesValeurs, CeQueLaFeuilleColoreEstDitEnMots) {
    InitOptions(Options);
    TClasse c;
    c.Initialiser();
    c.NbEleve = 3;
    for (int e = 1; e <= 3; ++e) c.Eleve[e].Nom = std::array{"ARNAUD", "BLANC", "COLIN"}[e - 1];
    c.NbDevoir[1][1] = 2;
    c.Devoir[1][1][1].Commentaire = cp1252("Contrôle");
    c.Devoir[1][1][1].Date = "05/12/2026";
    c.Devoir[1][1][1].Coef = 2;
    c.Devoir[1][1][2].Date = "lundi";
    c.Eleve[1].Note[1][1][1] = "14";
    c.Eleve[2].Note[1][1][1] = "abs";
    c.Eleve[2].Note[1][1][2] = "7";
    Options.prenom = false;
    const auto nom = [&](int l, int k) { return NomCaseFeuille(c, {l, k}); };
    EXPECT_EQ(nom(0, 0), "ARNAUD, Contrôle du 5 déc., coefficient 2 : 14 sur 20");
    EXPECT_EQ(nom(0, 1), "ARNAUD, Devoir 2 du lundi, coefficient 1 : vide");
    EXPECT_EQ(nom(1, 0), "BLANC, Contrôle du 5 déc., coefficient 2 : abs, pas une note");
    EXPECT_EQ(nom(1, 2), "BLANC, moyenne : 7, en dessous de la moyenne");
    EXPECT_EQ(nom(2, 2), "COLIN, moyenne : non calculable");
    // The class's averages of the assignments: 14, then 7.
    EXPECT_EQ(nom(3, 1), "Moyenne de la classe, Devoir 2 du lundi, coefficient 1 : 7, en "
                         "dessous de la moyenne");
    EXPECT_EQ(NomSaisie(c, {0, 1}), "Coefficient : Contrôle du 5 déc.");
    // The pass mark moves what is said below it.
    Options.notemoy = 15;
    EXPECT_EQ(nom(0, 0), "ARNAUD, Contrôle du 5 déc., coefficient 2 : 14 sur 20, en dessous de "
                         "la moyenne");
    // Said as shown: 9.95 rounded to the nearest point is 10, which the sheet paints at the
    // mark; a grade shown rounded keeps the colour of what was typed.
    Options.notemoy = 10;
    Options.arrondiN = true;
    c.ModeArrondi = 2;
    c.Eleve[3].Note[1][1][1] = "9.95";
    EXPECT_EQ(nom(2, 2), "COLIN, moyenne : 10");
    EXPECT_EQ(nom(2, 0), "COLIN, Contrôle du 5 déc., coefficient 2 : 10 sur 20, en dessous de "
                         "la moyenne");
    // No student, nothing to read.
    c.NbEleve = 0;
    EXPECT_EQ(LignesLues(c), 0);
    EXPECT_EQ(ColonnesLues(c), 0);
    InitOptions(Options);
}

} // namespace
