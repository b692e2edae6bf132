// The sheet as a screen reader reads it: a table whose focus is the grade cursor. When no
// assistive technology listens, the announcements return at once and the grade's path from
// key to repaint does no more than before.
#include <QTimer>

#include "CurseurFeuille.h"
#include "LectureFeuille.h"
#include "TChild.h"

namespace quillora {

QString TChild::NomTable() const {
    return NomVue(Classe);
}

int TChild::NbLignesLisibles() const {
    return LignesLues(Classe);
}

int TChild::NbColonnesLisibles() const {
    return ColonnesLues(Classe);
}

QString TChild::NomCase(CaseLisible c) const {
    return NomCaseFeuille(Classe, c);
}

QRect TChild::RectangleCase(CaseLisible c) const {
    if (ModeApercu || c.ligne >= NbLignesLisibles() || c.colonne >= NbColonnesLisibles()) return {};
    const int L = LargeurNom, E = Classe.NbEleve;
    // Logical units, as the sheet is painted: a value's text starts a little right of its
    // cell's left edge; the class's averages lie half a row below the last student.
    // The header's row holds the assignment's number, then its coefficient, which the hit
    // test finds from 5 units down.
    const double y = c.ligne < 0 ? 5 : c.ligne < E ? 10 * (c.ligne + 2) : Arrondi(10 * (E + 2.5));
    const double h = c.ligne < 0 ? 15 : 10;
    double x, w;
    if (c.colonne < 0) {
        x = 10;
        w = (L + 0.7) * 20 - 10;
    } else if (VueMatiere()) {
        x = 20 * (c.colonne + 1 + L) - 6;
        w = 20;
    } else {
        const int m = ColonnesLues(Classe) - 1;
        x = c.colonne < m ? Arrondi((2 * (c.colonne + 1) + L - 1.2) * 20)
                          : 20 * (L + 7) - (60 - 20 * m);
        w = 40;
    }
    const GeometrieFeuille g = GeometrieTableau(Etat());
    const QRect r(g.Point(x, y), g.Point(x + w, y + h) - QPoint(1, 1));
    return r.translated(viewport()->geometry().topLeft());
}

std::optional<CaseLisible> TChild::CaseCourante() const {
    const Cellule cellule{Ligne, Colonne};
    if (ModeApercu || !CelluleValide(Classe, cellule)) return std::nullopt;
    return CaseDeCellule(cellule);
}

QWidget* TChild::ControleSurGrille() const {
    return EditNote;
}

void TChild::annoncerCurseur() {
    if (LecteurActif() && hasFocus()) AnnoncerCase(this, CaseCourante());
}

void TChild::annoncerVue() {
    if (!LecteurActif()) return;
    AnnoncerNouveauContenu(this);
    annoncerCurseur();
}

void TChild::annoncerValeur(Cellule cellule) {
    if (LecteurActif()) AnnoncerNomCase(this, CaseDeCellule(cellule));
}

void TChild::nommerSaisie() {
    if (LecteurActif()) EditNote->setAccessibleName(NomSaisie(Classe, {Ligne, Colonne}));
}

// The focus reaches the window before the screen reader hears of it as the table's: the
// cursor's cell is told after, or the table would take its place.
void TChild::focusInEvent(QFocusEvent*) {
    if (LecteurActif()) QTimer::singleShot(0, this, &TChild::annoncerCurseur);
}

} // namespace quillora
