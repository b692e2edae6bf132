#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace quillora {

// "Quillora 4.0": the program's name and version, shown in titles and in the about box.
QString TitreProgramme();
// The folder of the running program, with its final "/".
QString DossierProgramme();
// Where a file that the program writes for itself lives: beside the program when its folder
// is writable (a portable install), otherwise in the user's configuration folder, which is
// created then.
QString FichierDuProgramme(const QString& nom);
// The colour dialog's custom colours.
QString FichierCouleurs();
// The project's web site, with its final "/".
QString SiteOfficiel();
// The program's icon, 128 pixels square, for its windows and its about box.
QImage ImageProgramme();
QIcon IconeProgramme();

} // namespace quillora
