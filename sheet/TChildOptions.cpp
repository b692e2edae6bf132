// The options seen from a sheet: the dialog opened on it, and the sheet brought up to date
// once the options have changed.
#include "Dialogues.h"
#include "LargeurNom.h"
#include "Options.h"
#include "TChild.h"
#include "TDialOption.h"

namespace quillora {

bool TChild::OuvrirOptions(const QString& fichierOptions, char separateur) {
    if (!VerifierSaisieFinie()) return false;
    const bool majuscule = Options.majuscule;
    TDialOption dialogue(window(), fichierOptions, separateur);
    dialogue.MontrerConsequences(Classe, Classe.MatiereCourante, Classe.PeriodeCourante);
    if (dialogues().executer(dialogue) != QDialog::Accepted) return false;
    if (Options.majuscule != majuscule) {
        // The names are stored as they are shown: the file changes with them.
        const auto etape =
            Etape(Options.majuscule ? QStringLiteral("la mise en capitales des noms")
                                    : QStringLiteral("la mise en minuscules des noms"),
                  6);
        Classe.NormaliserNoms();
        MarquerModifie();
    }
    return true;
}

void TChild::OptionsChangees() {
    LargeurNom = CalculerLargeurNom(Classe);
    Rafraichir();
    emit notification(6, 0, 0, 0);
}

} // namespace quillora
