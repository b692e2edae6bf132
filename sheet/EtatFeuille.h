#pragma once

#include <QSize>
#include <optional>

namespace quillora {

// A cell of the subject view: `Ligne` is the student, or 0 for the assignments'
// coefficients; `Colonne` the assignment.
struct Cellule {
    int Ligne = 0;
    int Colonne = 0;
    friend bool operator==(const Cellule&, const Cellule&) = default;
};

// The part of a sheet window's state that a paint reads.
struct EtatFeuille {
    bool ModeApercu = false;
    double ZoomApercu = 0.5;
    int LargeurNom = 5; // width of the name column, in assignment columns
    int DecalageX = 0;  // scroll positions, in pixels
    int DecalageY = 0;
    QSize TailleClient; // the window's drawing area, in pixels
    // Where the grade cursor's mark stands on the window, if anywhere.
    std::optional<Cellule> Curseur;
};

} // namespace quillora
