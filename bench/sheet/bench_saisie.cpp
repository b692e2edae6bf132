// A grade typed on the sheet of the largest class: from the key that validates it to the end
// of the repaint it causes, against a full repaint of the same window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

#include "ClasseComplete.h"
#include "LargeurNom.h"
#include "Options.h"
#include "TChild.h"

using namespace quillora;

namespace {

// A maximised sheet window on a 1366 x 768 screen, painted once.
TChild& Feuille() {
    static int argc = 1;
    static char nom[] = "bench_saisie";
    static char* argv[] = {nom, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        InitOptions(Options);
        return new QApplication(argc, argv);
    }();
    (void)app;
    static TChild* f = [] {
        auto* t = new TChild;
        t->Classe = ClasseComplete();
        t->Classe.MatiereCourante = 1;
        t->Classe.PeriodeCourante = 1;
        t->LargeurNom = CalculerLargeurNom(t->Classe);
        t->setWindowTitle(QStringLiteral("classe[*]"));
        t->resize(1366, 640);
        t->show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        return t;
    }();
    return *f;
}

void Entree(QWidget* w) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &appui);
}

void NoteValidee(benchmark::State& state) {
    TChild& f = Feuille();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.Ligne = 1 + i % 12;
        f.Colonne = 1 + i % 10;
        f.OuvrirSaisie(QString::number(i++ % 20));
        QApplication::processEvents();
        state.ResumeTiming();
        Entree(f.EditNote);
        QApplication::processEvents();
    }
}

void DessinComplet(benchmark::State& state) {
    TChild& f = Feuille();
    for (auto _ : state) {
        f.viewport()->update();
        QApplication::processEvents();
    }
}

BENCHMARK(NoteValidee)->Unit(benchmark::kMicrosecond);
BENCHMARK(DessinComplet)->Unit(benchmark::kMicrosecond);

} // namespace
