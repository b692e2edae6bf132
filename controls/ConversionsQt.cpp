#include "ConversionsQt.h"

#include <QFileInfo>

#include "Cp1252.h"
#include "Transcription.h"

namespace quillora {

QString texteQt(std::string_view cp1252) {
    QString r;
    r.reserve(static_cast<qsizetype>(cp1252.size()));
    for (unsigned char c : cp1252) r += QChar(static_cast<char16_t>(UnicodeDeCp1252(c)));
    return r;
}

std::string texteModele(const QString& texte) {
    return VersCp1252(texte.toStdString()).cp1252;
}

QString cheminClasse(const QString& chemin) {
    if (chemin.isEmpty()) return chemin;
    const QFileInfo f(chemin);
    const QString canonique = f.canonicalFilePath();
    return canonique.isEmpty() ? f.absoluteFilePath() : canonique;
}

} // namespace quillora
