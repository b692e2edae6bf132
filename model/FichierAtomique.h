#pragma once

#include <cstddef>
#include <string>

namespace quillora {

// Writes `taille` bytes to `chemin` so that the old file survives any failure: the bytes
// go to a temporary file in the same folder, are flushed to disk, then renamed over the
// target. On failure `raison` receives the system's reason in French and the target is
// left as it was.
bool EcrireFichierAtomique(const std::string& chemin, const void* donnees, std::size_t taille,
                           std::string& raison);

// The system's reason for errno `code`, in French for the failures a teacher can meet.
std::string RaisonSysteme(int code);

} // namespace quillora
