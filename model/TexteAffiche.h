#pragma once

#include <string>
#include <string_view>

namespace quillora {

// A grade or an average as the sheet shows it: its text (Windows-1252), the settings colour
// it takes (1..12 for couleur1..couleur12), and whether its value lies below 10, which
// the sheet shifts right to line digits up.
struct TexteAffiche {
    std::string texte;
    int couleur = 1;
    bool sousDix = false;
    // A value below the pass mark `notemoy`; never a text that is not a grade.
    bool sousMoyenne = false;
    // A grade or an average with a value; false for codes, other texts and " ?".
    bool valeur = false;
};

// A grade text: `couleur6` at or above the pass mark, `couleur7` below it, `couleur12` when
// it is not a grade; with `arrondiN`, grades are shown rounded to whole numbers.
TexteAffiche AfficherNote(std::string_view texte);
// An average by the class's rounding mode: `couleur9` when the value shown is below the pass
// mark, else `couleur8`; " ?" when it cannot be computed.
TexteAffiche AfficherMoyenne(double valeur, int modeArrondi);

} // namespace quillora
