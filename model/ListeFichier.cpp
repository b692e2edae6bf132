// A list file read whole, and the cells' clean-up the readers share.
#include "ListeFichier.h"

#include "FichierAtomique.h"

namespace quillora {

std::string NettoyerCellule(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    bool espace = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        bool blanc = c < 0x20 || c == ' ' || c == 0x7F;
        if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xA0) {
            blanc = true; // no-break space
            ++i;
        }
        if (blanc) {
            espace = !r.empty();
            continue;
        }
        if (espace) r += ' ';
        espace = false;
        r += static_cast<char>(c);
    }
    return r;
}

Resultat LireFichierListe(const std::string& chemin, std::string& octets) {
    // One byte more than a list may hold tells a file too large without reading it all.
    const int code = LireFichierOrdinaire(chemin, TailleMaxListe + 1, octets);
    if (code != 0)
        return {false, "Impossible de lire le fichier \"" + chemin + "\". " + RaisonSysteme(code)};
    if (octets.size() > TailleMaxListe) {
        octets.clear();
        return {false, "Le fichier \"" + chemin +
                           "\" est trop grand pour une liste d'élèves (plus de 1 Mo)."};
    }
    return {};
}

const char* NomEncodage(Encodage e) {
    switch (e) {
    case Encodage::Utf8:
        return "UTF-8";
    case Encodage::Utf16:
        return "UTF-16";
    case Encodage::Cp1252:
        return "Windows-1252";
    case Encodage::Iso885915:
        return "ISO-8859-15";
    }
    return "";
}

} // namespace quillora
