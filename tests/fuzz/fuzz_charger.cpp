// Any bytes given as a class file must be refused or loaded; a loaded class must then be
// safe to compute, export and save.
#include <cstddef>
#include <cstdint>

#include "Classe.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static TClasse c;
    c.Initialiser();
    if (!c.ChargerOctets(donnees, taille, "fuzz.cl3")) return 0;
    c.NormaliserNoms();
    c.TrierEleves();
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p) {
            if ((s != 4 && s > c.NbMatiere) || (p != 4 && p > c.NbPeriode)) continue;
            (void)TexteExport(c, s, p);
            for (int e = 1; e <= c.NbEleve; ++e) (void)c.NbAbsences(s, p, e);
        }
    (void)c.AgeMoyen();
    for (int e = 1; e <= c.NbEleve; ++e) (void)c.DateNaissanceTexte(e);
    return 0;
}
