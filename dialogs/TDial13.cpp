#include "TDial13.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace quillora {

TDial13::TDial13(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(AvecClasse(QStringLiteral("Ajouter un nouvel élève"), classe));
    auto* colonne = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    champs_ = AjouterChampsEleve(this, grille, 0, QStringLiteral("Date de naissance :"),
                                 QStringLiteral("( jjmmaaaa )"));
    colonne->addLayout(grille);
    AjouterBoutons(this, colonne, QStringLiteral("Dlg_NewEleve")).ok->setDefault(true);
    Placer(this);
}

void TDial13::accept() {
    if (!VerifierEleve(this, champs_, conseilDonne_)) return;
    const int e = classe_.NbEleve + 1;
    if (classe_.InsererEleve(e))
        classe_.RenseignerEleve(e, TexteDuChamp(champs_.nom), TexteDuChamp(champs_.prenom),
                                TexteDuChamp(champs_.date));
    QDialog::accept();
}

} // namespace quillora
