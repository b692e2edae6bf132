#pragma once

#include <QString>
#include <string_view>

#include "CouleursFeuille.h"

namespace quillora {

class PeintreFeuille;

// A value as the sheet shows it.
struct TexteColore {
    QString texte;
    Couleur couleur = 0;
    bool sousDix = false; // a value below 10, shifted right when grades are aligned
};

// A grade text: in `couleur6` at or above the pass mark, `couleur7` below it, `couleur12`
// when it is not a grade; grades rounded to whole numbers with `arrondiN`.
TexteColore TexteNote(std::string_view texte, const CouleursFeuille& couleurs);
// An average by the class's rounding mode: `couleur9` when the value shown is below the pass
// mark, else `couleur8`; " ?" when it cannot be computed.
TexteColore TexteMoyenne(double valeur, int modeArrondi, const CouleursFeuille& couleurs);

// How far right one-digit values go so that they line up with two-digit ones: the width of
// a "2" in the current font, in logical units; 0 unless `alignernb` is set.
int DecalageChiffre(const PeintreFeuille& f);

// Writes a value at (x, y) in its colour, shifted by `decalage` when it is below 10.
void EcrireValeur(PeintreFeuille& f, double x, double y, const TexteColore& v, int decalage);

} // namespace quillora
