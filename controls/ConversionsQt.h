#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "Options.h"

namespace quillora {

// The model's Windows-1252 text to Qt and back. Back, what Windows-1252 lacks is spelt in
// plain Latin letters as everywhere text enters a class ("Trần" -> "Tran").
QString texteQt(std::string_view cp1252);
std::string texteModele(const QString& texte);

// A class file's one name: absolute, links resolved when the file exists. The same file
// reached from another folder or through a link is then the same window and the same
// recent entry, and its name still opens it once the program runs from elsewhere.
QString cheminClasse(const QString& chemin);

// The settings' 0x00BBGGRR colours (low byte red) to Qt and back.
inline QColor couleurQt(Couleur c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
inline Couleur couleurModele(const QColor& c) {
    return static_cast<Couleur>(c.red()) | static_cast<Couleur>(c.green()) << 8 |
           static_cast<Couleur>(c.blue()) << 16;
}

} // namespace quillora
