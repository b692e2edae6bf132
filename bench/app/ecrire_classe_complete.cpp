// Writes the fullest class a teacher can have, for the benchmarks of whole processes:
//   ecrire_classe_complete FICHIER.cl3
#include <cstdio>

#include "ClasseComplete.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage : ecrire_classe_complete FICHIER.cl3\n");
        return 2;
    }
    const quillora::Resultat r = ClasseComplete().SauverSous(argv[1]);
    if (!r) std::fprintf(stderr, "%s\n", r.erreur.c_str());
    return r.ok ? 0 : 1;
}
