#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <optional>

class QKeyEvent;
class QWidget;

namespace quillora {

// A row and a column of a table that a screen reader reads; -1 as the row is the column's
// header, -1 as the column is the row's header.
struct CaseLisible {
    int ligne = 0;
    int colonne = 0;
    friend bool operator==(const CaseLisible&, const CaseLisible&) = default;
};

// What a control that paints its own grid of texts tells a screen reader: its rows and
// columns with their headers, each cell named by a sentence, where the cells lie and which
// one the keyboard is on. A widget that also derives from this class is read as a table,
// its cells as the table's cells.
class GrilleLisible {
public:
    GrilleLisible();
    virtual ~GrilleLisible() = default;
    GrilleLisible(const GrilleLisible&) = delete;
    GrilleLisible& operator=(const GrilleLisible&) = delete;

    virtual QString NomTable() const = 0;
    // Read after the name, for what the cells do not tell; none by default.
    virtual QString DescriptionTable() const { return {}; }
    virtual int NbLignesLisibles() const = 0;
    virtual int NbColonnesLisibles() const = 0;
    // What `c` is called: the header's own text for a header, a whole sentence for a cell.
    virtual QString NomCase(CaseLisible c) const = 0;
    // Where `c` lies in the widget; empty when it is not drawn.
    virtual QRect RectangleCase(CaseLisible) const { return {}; }
    // The case the keyboard is on, if any.
    virtual std::optional<CaseLisible> CaseCourante() const { return std::nullopt; }
    // A widget laid over the grid that belongs to it while it shows (an edit control).
    virtual QWidget* ControleSurGrille() const { return nullptr; }
};

// Whether a screen reader or another assistive technology listens: when none does, the
// announcements below return at once and nothing else need be worked out for them.
inline bool LecteurActif() {
    return QAccessible::isActive();
}

// The focus is on `c` of `grille`'s table, or on the table itself without `c`.
void AnnoncerCase(QWidget* grille, std::optional<CaseLisible> c);
// Everything the table holds may have changed: rows, columns, names.
void AnnoncerNouveauContenu(QWidget* grille);
// The name of `c` changed.
void AnnoncerNomCase(QWidget* grille, CaseLisible c);

// Arrow keys, Home and End move `c` within `lignes` x `colonnes` cells; the header row and
// column (-1) are reached only when `avecEnTetes`. True when the key was one of them, even
// if `c` could not move.
bool DeplacerCase(const QKeyEvent* touche, CaseLisible& c, int lignes, int colonnes,
                  bool avecEnTetes = false);

} // namespace quillora
