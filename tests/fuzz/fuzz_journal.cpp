// Any bytes as a class journal: reading it, making its change log and re-applying its
// pending steps to a class must neither crash nor leave a record a class file cannot hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "JournalReprise.h"
#include "JournalTexte.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const LectureJournal l = LireJournalOctets(donnees, taille);
    if (l.valides > l.taille) std::abort();
    for (const EntreeJournal& e : EntreesJournal(l)) (void)LigneTabulee(e);
    const EtatReprise r = AnalyserReprise(l);
    auto c = std::make_unique<TClasse>();
    c->Initialiser();
    c->NbEleve = 3;
    c->NbDevoir[1][1] = 2;
    if (r.nouvelle) {
        const auto& image = l.enregistrements[r.marque].image;
        if (!c->ChargerOctets(image.data(), image.size(), {})) return 0;
    }
    for (std::size_t i : r.etapes) {
        if (!AppliquerEtape(c->Image(), l.enregistrements[i])) break;
        LignesEtape(c->Image(), l.enregistrements[i].morceaux);
        // What a recovered step leaves must open as a file would.
        TClasse verifie;
        if (!verifie.ChargerOctets(reinterpret_cast<const unsigned char*>(&c->Image()),
                                   TailleFichierClasse, {}))
            std::abort();
    }
    return 0;
}
