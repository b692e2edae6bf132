#include "Courrier.h"
#include "TChild.h"

namespace quillora {

void TChild::MenuEnvoyerMail() {
    if (!VerifierSaisieFinie()) return;
    // What goes is the file on the disk: a save cancelled or refused sends nothing.
    if (!EnregistrerAvecCopie() || Modifie) return;
    EnvoyerClasseParMail(this, QString::fromStdString(Classe.NomFichier));
}

} // namespace quillora
