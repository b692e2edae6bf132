#pragma once

#include <QFont>

#include "Options.h"

namespace quillora {

// Pixel height of a font of `points` points on a surface of `resolution` dots per inch,
// rounded to the nearest pixel, halves up; never below one pixel, so that the smallest
// preview zoom still gets a font.
int PixelsPolice(int points, int resolution);

// The sheet's font `polname` at `pixels` high (the height of the characters, without the
// line's internal leading). Kerning is off: grades line up character for character.
QFont PoliceFeuille(int pixels, StylePolice style);

} // namespace quillora
