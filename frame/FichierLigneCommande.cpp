#include "FichierLigneCommande.h"

#include <QFileInfo>

#include "ConversionsQt.h"

namespace quillora {

QString FichierLigneCommande(const QStringList& arguments) {
    for (const QString& a : arguments) {
        if (!a.contains(QLatin1String(".cl3"))) continue;
        // Only the first mention of a class file counts, as with the quoted path the
        // desktop passes.
        const QFileInfo f(a);
        return f.isFile() && f.suffix().toLower() == QLatin1String("cl3") ? cheminClasse(a)
                                                                          : QString();
    }
    return {};
}

} // namespace quillora
