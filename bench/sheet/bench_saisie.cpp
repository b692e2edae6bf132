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

// Undoing and redoing a grade, each with the repaint it causes.
void AnnulerRetablir(benchmark::State& state) {
    TChild& f = Feuille();
    f.Ligne = 3;
    f.Colonne = 4;
    f.OuvrirSaisie(QStringLiteral("17"));
    Entree(f.EditNote);
    QApplication::processEvents();
    for (auto _ : state) {
        f.Annuler();
        QApplication::processEvents();
        f.Retablir();
        QApplication::processEvents();
    }
}

// The memory of a full history of grades typed on the largest class.
void Historique500(benchmark::State& state) {
    TChild& f = Feuille();
    for (auto _ : state) {
        for (int i = 0; i < 500; ++i) {
            f.DebutEtape(QStringLiteral("la saisie de la note"), 3, 1, 1 + i % 24, 1 + i % 45);
            f.Classe.Eleve[1 + i % 45].Note[1][1][1 + i % 24] = std::to_string(i % 20);
            f.MarquerModifie();
        }
    }
    state.counters["octets"] = static_cast<double>(f.HistoriqueClasse().Octets());
    state.counters["etapes"] = static_cast<double>(f.HistoriqueClasse().NbEtapes());
}

BENCHMARK(NoteValidee)->Unit(benchmark::kMicrosecond);
BENCHMARK(AnnulerRetablir)->Unit(benchmark::kMicrosecond);
BENCHMARK(Historique500)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(DessinComplet)->Unit(benchmark::kMicrosecond);

} // namespace
