#pragma once

#include <QSize>

namespace quillora {

// The part of a sheet window's state that a paint reads.
struct EtatFeuille {
    bool ModeApercu = false;
    double ZoomApercu = 0.5;
    int LargeurNom = 5; // width of the name column, in assignment columns
    int DecalageX = 0;  // scroll positions, in pixels
    int DecalageY = 0;
    QSize TailleClient; // the window's drawing area, in pixels
};

} // namespace quillora
