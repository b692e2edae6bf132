#pragma once

#include <QIcon>

namespace quillora {

// The speed buttons' pictures: the desktop theme's icon when it has one, otherwise a small
// drawing of the program's own (drawn, not loaded, so that start-up reads no file for it).
enum class Pictogramme {
    Disquette,
    Imprimante,
    Fermer,
    NouveauDevoir,
    Suivante,
    Matiere,
    Periode,
    Apercu,
    FinLigne,
    FinPage
};

QIcon IconeBouton(const char* nomTheme, Pictogramme repli);

} // namespace quillora
