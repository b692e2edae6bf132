#pragma once

#include "Classe.h"

namespace quillora {

// What "copy an assignment" keeps: its grades by student position and its record. One of
// them serves every class window, so that an assignment travels between classes.
struct TPressePapier {
    bool Rempli = false;
    std::uint8_t NbEleve = 0; // the students of the class it was copied from
    Tab1<ChaineNote, MaxEleves> Notes;
    TDevoir Devoir;
};

// The moves below act on the assignments of subject s in period p. Each refuses, changing
// nothing and returning false, what would leave 1..NbDevoir or pass the 24 columns.

// Assignment a leaves; the later ones move one column left with their grades.
bool SupprimerDevoir(TClasse& c, int s, int p, int a);
// Opens an empty grade column at a, moving a..n one column right. The count is left to the
// caller, which fills the gap and counts it.
bool InsererDevoirVide(TClasse& c, int s, int p, int a);
void CopierDevoir(const TClasse& c, int s, int p, int a, TPressePapier& pp);
// Pastes at a, which is counted; false when a is no place for a new assignment. Grades go
// by position, whatever the two classes' student counts.
bool CollerDevoir(TClasse& c, int s, int p, int a, const TPressePapier& pp);
// Every assignment of the period, then of the three periods, emptied and uncounted.
void ViderPeriode(TClasse& c, int s, int p);
void ViderAnnee(TClasse& c, int s);

} // namespace quillora
