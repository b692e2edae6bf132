#include "TDial04.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "Formulaire.h"

namespace quillora {

TDial04::TDial04(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(AvecClasse(QStringLiteral("Supprimer un élève"), classe));
    auto* colonne = new QVBoxLayout(this);
    auto* libelle = new QLabel(QStringLiteral("Elève à supprimer :"), this);
    liste_ = new QComboBox(this);
    liste_->setObjectName(QStringLiteral("Liste"));
    liste_->setMinimumContentsLength(30);
    RemplirListeEleves(liste_, classe);
    libelle->setBuddy(liste_);
    colonne->addWidget(libelle);
    colonne->addWidget(liste_);
    AjouterBoutons(this, colonne, QStringLiteral("Dlg_SupprimerEleve")).ok->setDefault(true);
    Placer(this);
}

void TDial04::accept() {
    const int e = liste_->currentIndex() + 1;
    if (e < 1) return;
    const QString texte = QStringLiteral("Supprimer définitivement l'élève ") +
                          texteQt(classe_.Eleve[e].Nom) + QLatin1Char(' ') +
                          texteQt(classe_.Eleve[e].Prenom) + QStringLiteral(" ?");
    if (dialogues().question(this, titreConfirmation(), texte,
                             QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) {
        reject();
        return;
    }
    classe_.SupprimerEleve(e);
    QDialog::accept();
}

} // namespace quillora
