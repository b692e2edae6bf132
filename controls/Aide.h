#pragma once

#include <QString>

namespace quillora {

// The folder of the help pages, with its final "/": "Aide/" in the parent of the program's
// folder when it is there (a program in build/app/ or in an unpacked folder), then
// "share/quillora/Aide/" there (an install under a prefix), otherwise "Aide/" beside the
// program, whether it exists or not.
QString CheminAide();

// Shows the page `sujet` + ".htm" in the help window, or the start page when `sujet` is
// empty. Without a help folder nothing happens.
void AfficherAide(const QString& sujet = {});

} // namespace quillora
