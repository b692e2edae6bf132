// A grade typed on the sheet of the largest class: from the key that validates it to the end
// of the repaint it causes, against a full repaint of the same window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

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

// The same with the class journal on: the step is recorded and handed to its writer thread.
void NoteValideeJournal(benchmark::State& state) {
    TChild& f = Feuille();
    QTemporaryDir dossier;
    f.Classe.NomFichier = dossier.filePath(QStringLiteral("classe.cl3")).toStdString();
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
    f.FichierJournal();
    f.Classe.NomFichier.clear();
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

// Undoing and redoing the sort of the whole class: every row moves, the names' column is
// measured again and the whole sheet repainted.
void AnnulerRetablirTri(benchmark::State& state) {
    TChild& f = Feuille();
    const int n = f.Classe.NbEleve;
    for (int e = 1; e <= n / 2; ++e) std::swap(f.Classe.Eleve[e], f.Classe.Eleve[n + 1 - e]);
    const std::size_t avant = f.HistoriqueClasse().Octets();
    f.MenuTrierEleves();
    QApplication::processEvents();
    for (auto _ : state) {
        f.Annuler();
        QApplication::processEvents();
        f.Retablir();
        QApplication::processEvents();
    }
    state.counters["octets"] = static_cast<double>(f.HistoriqueClasse().Octets() - avant);
}

// The memory of a full history of grades typed on the largest class.
void Historique500(benchmark::State& state) {
    Feuille(); // the application
    // A window of its own, so that no step of the other measures is counted.
    TChild f;
    f.Classe = ClasseComplete();
    for (auto _ : state) {
        for (int i = 0; i < 500; ++i) {
            f.DebutEtape(QStringLiteral("la saisie de la note"), 3, 1, 1 + i % 24, 1 + i % 45);
            // Never the value the cell already holds, which would be no step.
            f.Classe.Eleve[1 + i % 45].Note[1][1][1 + i % 24] = std::to_string(100 + i);
            f.MarquerModifie();
        }
    }
    state.counters["octets"] = static_cast<double>(f.HistoriqueClasse().Octets());
    state.counters["etapes"] = static_cast<double>(f.HistoriqueClasse().NbEtapes());
}

BENCHMARK(NoteValidee)->Unit(benchmark::kMicrosecond);
BENCHMARK(NoteValideeJournal)->Unit(benchmark::kMicrosecond);
BENCHMARK(AnnulerRetablir)->Unit(benchmark::kMicrosecond);
BENCHMARK(AnnulerRetablirTri)->Unit(benchmark::kMicrosecond);
BENCHMARK(Historique500)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(DessinComplet)->Unit(benchmark::kMicrosecond);

} // namespace
