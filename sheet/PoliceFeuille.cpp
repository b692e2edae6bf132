#include "PoliceFeuille.h"

#include <algorithm>

#include "ConversionsQt.h"

namespace quillora {

int PixelsPolice(int points, int resolution) {
    return std::max(1, (points * resolution + 36) / 72);
}

QFont PoliceFeuille(int pixels, StylePolice style) {
    QFont f(texteQt(Options.polname));
    f.setPixelSize(pixels);
    f.setBold(style.gras);
    f.setItalic(style.italique);
    f.setUnderline(style.souligne);
    f.setKerning(false);
    return f;
}

} // namespace quillora
