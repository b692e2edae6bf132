// Any text given as a settings file must give a complete record, which then writes back
// to a file that reads as the same record.
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
        const TOptions relu = OptionsDepuisTexte(TexteOptions(o, sep), sep, OptionsDefaut);
        // NaN never equals itself; everything else must survive the round trip.
        if (!(relu == o) && o.zoomP == o.zoomP && o.zoomD == o.zoomD && o.kp == o.kp &&
            o.kd == o.kd)
            std::abort();
    }
    return 0;
}
