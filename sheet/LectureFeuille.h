#pragma once

#include <QString>

#include "Classe.h"
#include "EtatFeuille.h"
#include "TableLisible.h"

namespace quillora {

// What a screen reader hears of the view a class shows, as a table. Its rows are the
// students, named as the sheet shows them, then the class's averages. Its columns are what
// the view shows: in a subject's period the assignments (their comment, date and
// coefficient) then the average and the joker average; in the synthesis the subjects, in
// the year view the periods, then the whole.
//
// A cell's name is a sentence: its row, its column, " : " and its value, e.g. "DUPONT Léa,
// Contrôle du 5 déc., coefficient 2 : 14 sur 20". A value is written as the export text
// writes it: a grade as it was typed, an average by the class's rounding with its decimal
// point, the point the teacher types (a grade typed with a comma is no grade). What the
// export leaves empty is read "vide", what it writes "?" is read "non calculable", and
// what the sheet colours as below the pass mark is told by ", en dessous de la moyenne";
// a number grade adds " sur " and the highest grade, a text that is no grade ", pas une
// note".

int LignesLues(const TClasse& c);
int ColonnesLues(const TClasse& c);
// "3A, Trimestre 1, Mathématiques".
QString NomVue(const TClasse& c);
// A header's own text, or a cell's whole sentence.
QString NomCaseFeuille(const TClasse& c, CaseLisible k);
// The label of the edit control over `cellule` of the subject view: the cell's sentence
// without its value, or the assignment's for the coefficients' row.
QString NomSaisie(const TClasse& c, Cellule cellule);

// The table's case a cell of the subject view is read as: the coefficients' row 0 is the
// assignments' header row.
inline CaseLisible CaseDeCellule(Cellule c) {
    return {c.Ligne == 0 ? -1 : c.Ligne - 1, c.Colonne - 1};
}

} // namespace quillora
