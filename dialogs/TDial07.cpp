#include "TDial07.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quillora {

TDial07::TDial07(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(AvecClasse(QStringLiteral("Insérer un nouvel élève"), classe));
    auto* colonne = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    liste_ = new QComboBox(this);
    liste_->setObjectName(QStringLiteral("Liste"));
    RemplirListeEleves(liste_, classe);
    auto* avant = new QLabel(QStringLiteral("Insérer avant :"), this);
    avant->setBuddy(liste_);
    grille->addWidget(avant, 0, 0);
    grille->addWidget(liste_, 0, 1, 1, 2);
    grille->setRowMinimumHeight(1, 8);
    champs_ = AjouterChampsEleve(this, grille, 2, QStringLiteral("Date de naissance :"),
                                 QStringLiteral("( jjmmaaaa )"));
    colonne->addLayout(grille);
    AjouterBoutons(this, colonne, QStringLiteral("Dlg_InsererEleve")).ok->setDefault(true);
    Placer(this);
}

void TDial07::accept() {
    if (!VerifierEleve(this, champs_, conseilDonne_)) return;
    const int p = liste_->currentIndex() + 1;
    if (p >= 1 && classe_.InsererEleve(p))
        classe_.RenseignerEleve(p, TexteDuChamp(champs_.nom), TexteDuChamp(champs_.prenom),
                                TexteDuChamp(champs_.date));
    QDialog::accept();
}

} // namespace quillora
