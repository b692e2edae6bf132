#pragma once

#include "LigneCommande.h"

namespace quillora {

// The window program: the frame, the class named on the command line, the event loop.
int ExecuterFenetre(int argc, char** argv, const Lancement& l);

// Writes the sheet of a class into a PDF file as the print command does, without a display.
// Same exit statuses as the export.
int ExecuterPdf(int argc, char** argv, const Lancement& l);

// The decimal separator of the user's locale, as Qt reads it.
char SeparateurDecimal();

} // namespace quillora
