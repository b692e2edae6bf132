#pragma once

class QPrinter;

namespace quillora {

// The one printer of the program, so that the choices of the set-up dialog and the
// orientation chosen in the print layout last from one print to the next.
QPrinter& ImprimanteProgramme();

} // namespace quillora
