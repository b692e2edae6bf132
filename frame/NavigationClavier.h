#pragma once

#include <QString>

#include "Classe.h"

namespace quillora {

class TMDI;

// The keys that move between the frame's parts without a mouse: Ctrl+Tab and Ctrl+Shift+Tab
// activate the next and the previous window, F6 (or Shift+F6) goes from the active window to
// the period panel and back, and an activated window takes the keyboard focus. The panel's
// buttons that show only an icon or a short code are named for screen readers.
void InstallerNavigationClavier(TMDI& cadre);

// What a screen reader says of the period panel: "Période affichée : Trimestre 2".
QString NomPanneauPeriode(const TClasse* classe, int periode);

} // namespace quillora
