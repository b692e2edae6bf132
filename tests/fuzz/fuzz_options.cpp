// Any text given as a settings file must give a complete record, whose file then reads
// back as the very same file: reals are written with 15 significant digits, so the first
// writing may round a value read with more, but never a second time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Options.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    for (char sep : {',', '.'}) {
        const TOptions o = OptionsDepuisTexte(texte, sep, OptionsDefaut);
        if (o.indsep > 9 || o.relief > 2) std::abort();
        const std::string ecrit = TexteOptions(o, sep);
        if (TexteOptions(OptionsDepuisTexte(ecrit, sep, OptionsDefaut), sep) != ecrit) std::abort();
    }
    return 0;
}
