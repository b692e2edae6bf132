#include "PoliceFeuille.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>

#include "ConversionsQt.h"

namespace quillora {

int PixelsPolice(int points, int resolution) {
    return std::max(1, (points * resolution + 36) / 72);
}

namespace {

// The family the system gives for the sheet's font, learned from the first font asked.
struct FamilleConnue {
    QString demandee;
    bool italique = false;
    QString trouvee;
};

// Asked under a name the system lacks, each slant makes Qt sort all the system's fonts
// again to find what stands for it (a few million instructions at start). The family found
// for the first slant serves the other as well, where it has a face in that slant;
// elsewhere the system's own choice for that slant could be another family.
QString familleDe(const QString& demandee, bool italique, const QFont& premiere) {
    static FamilleConnue connue;
    if (connue.demandee != demandee) {
        connue = {demandee, italique, QFontInfo(premiere).family()};
        return demandee;
    }
    // The slant first asked keeps the name asked: the fonts already made stay valid.
    if (italique == connue.italique || connue.trouvee == demandee) return demandee;
    for (const QString& s : QFontDatabase::styles(connue.trouvee))
        if (QFontDatabase::italic(connue.trouvee, s) == italique) return connue.trouvee;
    return demandee;
}

} // namespace

QFont PoliceFeuille(int pixels, StylePolice style) {
    const QString demandee = texteQt(Options.polname);
    QFont f(demandee);
    f.setPixelSize(pixels);
    f.setBold(style.gras);
    f.setItalic(style.italique);
    f.setUnderline(style.souligne);
    f.setKerning(false);
    const QString famille = familleDe(demandee, style.italique, f);
    if (famille != demandee) f.setFamilies({famille});
    return f;
}

} // namespace quillora
