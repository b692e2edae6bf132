#include "Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <utility>

namespace quillora {

namespace {

// The kinds of file the file dialogs name in their "Type" column, left out of Qt 6's
// French catalogue.
class TypesDeFichiers : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* contexte, const char* texte, const char*, int) const override {
        if (qstrcmp(contexte, "QAbstractFileIconProvider") != 0) return {};
        static const std::pair<const char*, const char*> mots[] = {{"Folder", "Dossier"},
                                                                   {"File", "Fichier"},
                                                                   {"Drive", "Lecteur"},
                                                                   {"Shortcut", "Raccourci"},
                                                                   {"Unknown", "Inconnu"}};
        for (const auto& [anglais, francais] : mots)
            if (qstrcmp(texte, anglais) == 0) return QString::fromUtf8(francais);
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

void InstallerTraductions() {
    auto* app = QCoreApplication::instance();
    auto* qt = new QTranslator(app);
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    QCoreApplication::installTranslator(new TypesDeFichiers(app));
}

} // namespace quillora
