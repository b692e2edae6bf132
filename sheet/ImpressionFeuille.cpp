#include "ImpressionFeuille.h"

#include <QPainter>
#include <QPrinter>

#include "DessinFeuille.h"

namespace quillora {

bool ImprimerFeuille(QPrinter& imprimante, const TClasse& c, int LargeurNom) {
    imprimante.setDocName(QString::fromStdString(c.NomFichier));
    QPainter painter;
    if (!painter.begin(&imprimante)) return false;
    EtatFeuille etat;
    etat.LargeurNom = LargeurNom;
    DessinerFeuille(painter, c, etat, true);
    return painter.end();
}

} // namespace quillora
