#include "Imprimante.h"

#include <QPrinter>

namespace quillora {

QPrinter& ImprimanteProgramme() {
    static QPrinter p(QPrinter::HighResolution);
    return p;
}

} // namespace quillora
