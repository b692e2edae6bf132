#pragma once

#include <memory>

#include "LigneCommande.h"

namespace quillora {

class TMDI;

// The window program: the frame shown, the class named on the command line opened in it.
// The desktop association is checked once the frame is on the screen, so that the
// teacher sees the class at once.
std::unique_ptr<TMDI> DemarrerFenetre(const Lancement& l);

// The whole window program, up to the end of its event loop.
int ExecuterFenetre(int argc, char** argv, const Lancement& l);

// Writes the sheet of a class into a PDF file as the print command does, without a display.
// Same exit statuses as the export.
int ExecuterPdf(int argc, char** argv, const Lancement& l);

// Writes the grade reports of a class into one PDF file, one student after the other, without
// a display. Same exit statuses as --pdf; 2 also for a period or a student the class lacks.
int ExecuterReleves(int argc, char** argv, const Lancement& l);

// The decimal separator of the user's locale, as Qt reads it.
char SeparateurDecimal();

} // namespace quillora
