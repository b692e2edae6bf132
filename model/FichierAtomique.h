#pragma once

#include <cstddef>
#include <string>

namespace quillora {

// Writes `taille` bytes to `chemin` so that the old file survives any failure: the bytes
// go to a temporary file in the same folder, are flushed to disk, then renamed over the
// target. On failure `raison` receives the system's reason in French and the target is
// left as it was. A target that exists and is not a regular file (a device, a FIFO) is
// refused: renaming over it would replace the device itself.
bool EcrireFichierAtomique(const std::string& chemin, const void* donnees, std::size_t taille,
                           std::string& raison);

// Reads at most `maximum` bytes of `chemin` into `octets`, never waiting: a FIFO, a device
// or a socket is refused before anything is read from it. Returns 0, or the errno of the
// failure, or `PasUnFichierOrdinaire`.
int LireFichierOrdinaire(const std::string& chemin, std::size_t maximum, std::string& octets);

inline constexpr int PasUnFichierOrdinaire = -1;

// The reason for errno `code` (or `PasUnFichierOrdinaire`) in French, with a French
// fallback for the rare ones: the system's own texts are English.
std::string RaisonSysteme(int code);

} // namespace quillora
