#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

// The folders where the help pages may be, in the order they are looked for, each with its
// final "/": "Aide/" in the parent of the program's folder (a program in build/app/ or in an
// unpacked folder), "share/quillora/Aide/" there (an install under a prefix), "Aide/" beside
// the program.
QStringList DossiersAide();

// The first of those folders that exists, otherwise the last one.
QString CheminAide();

// Shows the page `sujet` + ".htm" in the help window, or the start page when `sujet` is
// empty. Without a help folder, a warning says where the pages were looked for.
void AfficherAide(const QString& sujet = {});

} // namespace quillora
