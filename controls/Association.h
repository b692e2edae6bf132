#pragma once

#include <QString>

namespace quillora {

// Class files open Quillora from the desktop through the freedesktop mechanisms: a MIME
// type for "*.cl3", a desktop file that runs the program on the file, and that desktop
// file made the type's default application, all in the user's own data folders.

// The start-up check: when `ext` (with or without its dot) does not open this very
// program, offers to associate it, and on failure asks whether to try again at the next
// start when `demanderReessai` is set. Returns that answer (true when it was not asked).
// Does nothing when `actif` is false.
bool VerifierAssociation(const QString& ext, const QString& description, bool actif,
                         bool demanderReessai);

// Declares the type of "*." + `ext` (described by `description`), the desktop file that
// runs the program `commande` on a file, makes it the type's default application and
// gives it the program's icon, stopping at the first step that fails; true when all four
// were done.
bool AssocierExtension(const QString& ext, const QString& commande, const QString& description);

// The program that files of type `ext` open with; empty when there is none.
QString ProgrammeAssocie(const QString& ext);

} // namespace quillora
