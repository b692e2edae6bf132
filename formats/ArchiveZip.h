#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillora {

// A zip archive made in memory from the previous one and the files added to it: no Qt, so
// that it lives with the other formats the window program loads only when they are used.

struct FichierArchive {
    std::string chemin; // in the file system's encoding
    std::string nom;    // the entry's name, UTF-8
};

// Told as the archive is made, and asked whether to go on.
class SuiviArchive {
public:
    virtual ~SuiviArchive() = default;
    // Every file is in place and `total` bytes are about to be read.
    virtual void Debut(std::int64_t total) = 0;
    virtual void Fichier(const std::string& chemin) = 0;
    // `n` more bytes were read; false cancels.
    virtual bool Lus(std::int64_t n) = 0;
    virtual bool Annule() const = 0;
};

struct ResultatArchive {
    enum class Etat { Fait, Annule, FichierIllisible, ArchiveImpossible };
    Etat etat = Etat::Fait;
    std::string fichier; // the file that could not be read (FichierIllisible)
    std::string raison;  // French
};

// An archive with no entry: its end-of-central-directory record alone.
inline std::string ArchiveVide() {
    return std::string("PK\x05\x06", 4) + std::string(18, '\0');
}

// The archive `avant` with `fichiers` added, each under its name, an entry of the same name
// replaced: on success its bytes are in `apres`; otherwise `apres` is empty and nothing was
// written anywhere.
ResultatArchive Archiver(const std::string& avant, const std::vector<FichierArchive>& fichiers,
                         SuiviArchive& suivi, std::string& apres);

} // namespace quillora
