#pragma once

#include <cstddef>
#include <string>

namespace quillora {

// Writes `taille` bytes to `chemin` so that the old file survives any failure and nothing is
// left behind by an interrupted write. The bytes go to a file of the same folder that has no
// name until it is complete and flushed to disk; it then takes the target's name, or replaces
// the target by a rename. Where the folder's file system cannot make nameless files, and for
// the instant between naming and renaming, the file bears a name of the program's own that
// the next write in that folder removes if its writer is gone. On failure `raison` receives
// the system's reason in French and the target is left as it was. A target that exists and
// is not a regular file (a device, a FIFO) is refused: renaming over it would replace the
// device itself.
bool EcrireFichierAtomique(const std::string& chemin, const void* donnees, std::size_t taille,
                           std::string& raison);

// Whether `nom` (a name without folder) is one the writes above give their unfinished files.
bool EstNomProvisoire(const std::string& nom);

// Reads at most `maximum` bytes of `chemin` into `octets`, never waiting: a FIFO, a device
// or a socket is refused before anything is read from it. Returns 0, or the errno of the
// failure, or `PasUnFichierOrdinaire`.
int LireFichierOrdinaire(const std::string& chemin, std::size_t maximum, std::string& octets);

inline constexpr int PasUnFichierOrdinaire = -1;

// The reason for errno `code` (or `PasUnFichierOrdinaire`) in French, with a French
// fallback for the rare ones: the system's own texts are English.
std::string RaisonSysteme(int code);

// The .bak twin that saving a class writes beside `classe`: its name with the last
// extension replaced by ".bak".
std::string NomBak(const std::string& classe);

// Every writer of the program asks this before writing `sortie` for the class `classe`:
// when `sortie` is the class file, its .bak twin, or the same file under another name (a
// link), the French sentence that refuses it; empty otherwise.
std::string RaisonSortieInterdite(const std::string& classe, const std::string& sortie);

} // namespace quillora
