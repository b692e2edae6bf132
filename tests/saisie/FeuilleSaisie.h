#pragma once

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "DialoguesScriptes.h"
#include "GeometrieFeuille.h"
#include "LargeurNom.h"
#include "Options.h"
#include "TChild.h"

namespace quillora::test {

// A sheet window shown on the offscreen platform, on subject 1 and period 1 of six students
// with four assignments, every dialog scripted and the beeps counted.
class FeuilleSaisie : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        Options.relief = 0;
        f = std::make_unique<TChild>();
        TClasse& c = f->Classe;
        c.NbEleve = 6;
        c.MatiereCourante = 1;
        c.PeriodeCourante = 1;
        c.Joker = 1;
        c.NbDevoir[1][1] = 4;
        const char* noms[] = {"ARNAUD", "BLANC", "COLIN", "DUVAL", "EVRARD", "FAURE"};
        for (int e = 1; e <= 6; ++e) {
            c.Eleve[e].Nom = noms[e - 1];
            for (int a = 1; a <= 4; ++a) c.Eleve[e].Note[1][1][a] = std::to_string(8 + e + a);
        }
        for (int a = 1; a <= 4; ++a) c.Devoir[1][1][a].Commentaire = "Devoir " + std::to_string(a);
        f->LargeurNom = CalculerLargeurNom(c);
        f->setWindowTitle(QStringLiteral("classe[*]"));
        f->resize(900, 400);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        QTest::qWait(20); // the first paint only sets the background and paints again
    }
    void TearDown() override {
        f.reset();
        InitOptions(Options);
    }

    QWidget* vue() const { return f->viewport(); }
    // A logical point of the sheet, in the window's pixels.
    QPoint point(double x, double y) const { return GeometrieTableau(f->Etat()).Point(x, y); }
    // Half-way down student e's row, `dx` units right of the origin of assignment a's grade.
    QPoint note(int e, int a, double dx = 0) const {
        return point(20 * (a + f->LargeurNom) + dx, 10 * (e + 1) + 5);
    }
    void clic(QPoint p) { QTest::mouseClick(vue(), Qt::LeftButton, {}, p); }
    void survoler(QPoint p) { QTest::mouseMove(vue(), p); }
    void touche(Qt::Key k) { QTest::keyClick(f.get(), k); }
    // Types into the open entry and ends it with `fin`.
    void saisir(const QString& texte, Qt::Key fin = Qt::Key_Return) {
        f->EditNote->selectAll();
        QTest::keyClicks(f->EditNote, texte);
        QTest::keyClick(f->EditNote, fin);
    }
    QAction* action(const char* nom) const { return f->findChild<QAction*>(QLatin1String(nom)); }
    static void clic(QWidget& d, const char* bouton) {
        d.findChild<QPushButton*>(QLatin1String(bouton))->click();
    }
    std::string texte(int e, int a) const { return f->Classe.Eleve[e].Note[1][1][a].str(); }
    Cellule enSaisie() const { return {f->EditNote->Ligne, f->EditNote->Colonne}; }
    // What the window shows now, without painting it again.
    QImage ecran() const {
        QCoreApplication::processEvents();
        const QPixmap p = QGuiApplication::primaryScreen()->grabWindow(f->winId());
        return p.toImage()
            .copy(QRect(vue()->mapTo(f.get(), QPoint(0, 0)), vue()->size()))
            .convertToFormat(QImage::Format_RGB32);
    }

    DialoguesScriptes dialogues;
    PlateformeFactice plateforme;
    std::unique_ptr<TChild> f;
};

} // namespace quillora::test
