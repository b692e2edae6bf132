// The table as a screen reader reads it, and the keys that move through its cells.
#include <QKeyEvent>
#include <QTimer>

#include "Tableau.h"

namespace quillora {

namespace {

QString Lue(const QString& texte) {
    const QString t = texte.trimmed();
    return t.isEmpty() ? QStringLiteral("vide") : t;
}

} // namespace

QString TTableau::NomTable() const {
    return caption_.isEmpty() ? QStringLiteral("Tableau") : caption_;
}

// The table's first row and column are the headers: case (l, c) is cell (c + 2, l + 2).
QString TTableau::NomCase(CaseLisible c) const {
    const QString colonne = Cellule(c.colonne + 2, 1).trimmed();
    const QString ligne = Cellule(1, c.ligne + 2).trimmed();
    if (c.ligne < 0) return colonne;
    if (c.colonne < 0) return ligne;
    return ligne + QStringLiteral(", ") + colonne + QStringLiteral(" : ") +
           Lue(Cellule(c.colonne + 2, c.ligne + 2));
}

QRect TTableau::RectangleCase(CaseLisible c) const {
    const int largeur = width() / (nbColonne_ + 1);
    const int hauteur = height() / (nbLigne_ + 1);
    const int colonne = c.colonne + 2, ligne = c.ligne + 2;
    if (colonne == 1) return {0, ligne * hauteur, 2 * largeur, hauteur};
    return {colonne * largeur, ligne * hauteur, largeur, hauteur};
}

void TTableau::keyPressEvent(QKeyEvent* event) {
    if (!DeplacerCase(event, courante_, NbLignesLisibles(), NbColonnesLisibles(), true)) {
        QWidget::keyPressEvent(event);
        return;
    }
    update();
    AnnoncerCase(this, courante_);
}

void TTableau::focusInEvent(QFocusEvent*) {
    update();
    // After the screen reader has heard of the table itself.
    if (LecteurActif()) QTimer::singleShot(0, this, [this] { AnnoncerCase(this, courante_); });
}

void TTableau::focusOutEvent(QFocusEvent*) {
    update();
}

} // namespace quillora
