#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

// The class file named on the command line: the first argument that contains ".cl3",
// when it names an existing file whose extension, in small letters, is ".cl3", made
// absolute. Empty otherwise.
QString FichierLigneCommande(const QStringList& arguments);

} // namespace quillora
