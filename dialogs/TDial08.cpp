#include "TDial08.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quillora {

TDial08::TDial08(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(AvecClasse(QStringLiteral("Modifier les renseignement sur un élève"), classe));
    auto* colonne = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    liste_ = new QComboBox(this);
    liste_->setObjectName(QStringLiteral("Liste"));
    RemplirListeEleves(liste_, classe);
    auto* eleve = new QLabel(QStringLiteral("Elève :"), this);
    eleve->setBuddy(liste_);
    grille->addWidget(eleve, 0, 0);
    grille->addWidget(liste_, 0, 1, 1, 2);
    grille->setRowMinimumHeight(1, 8);
    champs_ =
        AjouterChampsEleve(this, grille, 2, QStringLiteral("Date de naissance ( jjmmaaaa ) :"), {});
    colonne->addLayout(grille);
    AjouterBoutons(this, colonne, QStringLiteral("Dlg_ModifEleve")).ok->setDefault(true);
    choisir(liste_->currentIndex());
    connect(liste_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (stocker()) {
            choisir(index);
            return;
        }
        // The student shown stays, to be given back a name.
        const QSignalBlocker bloque(liste_);
        liste_->setCurrentIndex(affiche_ - 1);
    });
    Placer(this);
}

void TDial08::choisir(int index) {
    affiche_ = index + 1;
    if (affiche_ >= 1)
        champs_.Afficher(classe_, affiche_);
    else
        champs_.Vider();
}

bool TDial08::stocker() {
    if (affiche_ < 1) return true;
    if (!VerifierNom(this, champs_)) return false;
    classe_.RenseignerEleve(affiche_, TexteDuChamp(champs_.nom), TexteDuChamp(champs_.prenom),
                            TexteDuChamp(champs_.date));
    stocke_ = true;
    // The list shows the corrected name from now on.
    liste_->setItemText(affiche_ - 1, LigneEleve(classe_, affiche_));
    return true;
}

void TDial08::accept() {
    if (stocker()) QDialog::accept();
}

void TDial08::reject() {
    if (stocke_)
        QDialog::accept();
    else
        QDialog::reject();
}

} // namespace quillora
