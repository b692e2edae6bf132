#include "TMaColorDialog.h"

#include <QColorDialog>
#include <QFile>
#include <cstdint>
#include <string>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "FichierAtomique.h"
#include "Ini.h"
#include "Nombres.h"
#include "Programme.h"

namespace quillora {

namespace {

const char* const section = "ColorPerso";

std::string cle(int i) {
    return "nColor" + std::to_string(i);
}

} // namespace

TMaColorDialog::TMaColorDialog(QWidget* parent) : parent_(parent) {
    QFile f(FichierCouleurs());
    if (!f.open(QIODevice::ReadOnly)) return;
    const QByteArray octets = f.readAll();
    const FichierIni ini =
        FichierIni::Analyser(std::string_view(octets.constData(), octets.size()));
    // Each value found takes the next free place, so a gap in the file closes up.
    int place = 0;
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        const std::string* v = ini.Valeur(section, cle(i));
        long long c = 0;
        if (!v || v->empty() || !LireEntier(*v, c)) continue;
        QColorDialog::setCustomColor(place++, couleurQt(static_cast<Couleur>(c)));
    }
}

TMaColorDialog::~TMaColorDialog() {
    FichierIni ini;
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        const Couleur c = couleurModele(QColorDialog::customColor(i));
        ini.Ecrire(section, cle(i), std::to_string(c));
    }
    const std::string texte = ini.Texte();
    std::string raison;
    // Losing the custom colours is not worth a message: the dialog still works without them.
    EcrireFichierAtomique(FichierCouleurs().toStdString(), texte.data(), texte.size(), raison);
}

std::optional<QColor> TMaColorDialog::Executer(const QColor& initiale) {
    return dialogues().couleur(parent_, initiale);
}

} // namespace quillora
