// The new classes an interruption left unsaved, offered again at the next start.
#include "JournalReprise.h"
#include "Plateforme.h"
#include "TChild.h"
#include "TMDI.h"

namespace quillora {

void TMDI::ReprendreNouvellesClasses() {
    for (const std::string& journal : JournauxEnAttente(plateforme().dossierEtat().toStdString())) {
        auto* feuille = new TChild;
        if (feuille->RecupererNouvelleClasse(journal, this))
            installerFeuille(feuille);
        else
            delete feuille;
    }
}

} // namespace quillora
