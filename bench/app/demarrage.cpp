// The window program's start on a class, offscreen, up to the first paint of its sheet:
//   demarrage FICHIER.cl3 [--config FICHIER.ini]
// It runs the program's own start-up code and leaves as soon as the sheet has painted.
#include <QApplication>
#include <cstdlib>

#include "ApplicationFenetre.h"
#include "Options.h"
#include "TChild.h"
#include "TMDI.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    using namespace quillora;
    InitOptions(OptionsDefaut);
    const Lancement l = AnalyserLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    QApplication app(argc, argv);
    const auto cadre = DemarrerFenetre(l);
    const auto feuilles = cadre->Feuilles();
    if (feuilles.isEmpty()) return 1;
    // Leaves the moment the sheet is painted, before anything the program defers until then.
    QObject::connect(feuilles.first(), &TChild::feuilleDessinee, [] { std::_Exit(0); });
    return app.exec();
}
