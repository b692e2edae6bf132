// Any bytes as a class list: reading, guessing the columns, placing the rows and adding them
// to a class must neither crash nor leave a record a class file cannot hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ListeImport.h"
#include "Options.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    const TexteListe t = DecoderListe(octets);
    const Cellules cellules = LireCellules(t.utf8, DetecterSeparateur(t.utf8));
    auto lignes = LignesImport(cellules, DevinerColonnes(cellules));
    static TClasse c;
    c.Initialiser();
    c.NbEleve = 40;
    for (int e = 1; e <= 40; ++e) c.Eleve[e].Nom = "E" + std::to_string(e);
    for (auto& l : lignes) l.completerDate = l.source % 2 == 0;
    Repartir(lignes, c, taille % 2 == 0);
    AppliquerImport(c, lignes, taille % 2 == 0);
    if (c.NbEleve > MaxEleves) std::abort();
    for (int e = 1; e <= c.NbEleve; ++e) {
        const auto& el = c.Eleve[e];
        if (el.Nom.longueur > 20 || el.Prenom.longueur > 20 || el.DateNaissance.longueur > 8)
            std::abort();
        if (!el.DateNaissance.empty() && el.DateNaissance.longueur != 8) std::abort();
    }
    return 0;
}
