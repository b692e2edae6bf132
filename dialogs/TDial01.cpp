#include "TDial01.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "ConversionsQt.h"
#include "Cp1252.h"
#include "Dialogues.h"

namespace quillora {

namespace {

// The first letter in capitals when the file's code page has it: "élodie" gives "Élodie".
QString capitale(QString t) {
    if (t.isEmpty()) return t;
    const std::string lettre = texteModele(t.left(1));
    if (const char m = MajusculeCp1252(lettre[0]); lettre.size() == 1 && m != lettre[0])
        t.replace(0, 1, texteQt(std::string(1, m)));
    return t;
}

} // namespace

TDial01::TDial01(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(QStringLiteral("Nouvelle classe"));
    auto* colonne = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    cadre_ = new QGroupBox(this);
    cadre_->setObjectName(QStringLiteral("Cadre"));
    auto* grille = new QGridLayout(cadre_);
    champs_ = AjouterChampsEleve(cadre_, grille, 0, QStringLiteral("Date de naissance :"),
                                 QStringLiteral(" ( jjmmaaaa)"));
    haut->addWidget(cadre_, 1);

    auto* fleches = new QVBoxLayout;
    auto* suivant = new QPushButton(QStringLiteral("Suivant"), this);
    auto* precedent = new QPushButton(QStringLiteral("Précédent"), this);
    suivant->setObjectName(QStringLiteral("Suivant"));
    precedent->setObjectName(QStringLiteral("Precedent"));
    fleches->addStretch(1);
    fleches->addWidget(suivant);
    fleches->addWidget(precedent);
    fleches->addStretch(1);
    haut->addLayout(fleches);
    colonne->addLayout(haut);
    AjouterBoutons(this, colonne, QStringLiteral("Dlg_NewClasse"));
    // Enter in a field moves on to the next student; on a button, it presses that button.
    suivant->setDefault(true);
    connect(suivant, &QPushButton::clicked, this, &TDial01::Suivant);
    connect(precedent, &QPushButton::clicked, this, &TDial01::Precedent);
    afficher();
    Placer(this);
}

void TDial01::stocker() {
    Entree& e = entrees_[n_];
    e.nom = capitale(champs_.nom->text().left(20));
    e.prenom = capitale(champs_.prenom->text().left(20));
    e.date = champs_.date->text().left(20);
}

void TDial01::afficher() {
    cadre_->setTitle(QStringLiteral(" Elève n° ") + QString::number(n_) + QLatin1Char(' '));
    champs_.nom->setText(entrees_[n_].nom);
    champs_.prenom->setText(entrees_[n_].prenom);
    champs_.date->setText(entrees_[n_].date);
    champs_.nom->setFocus();
}

void TDial01::Suivant() {
    stocker();
    if (!VerifierEleve(this, champs_, conseilDonne_)) return;
    if (n_ < MaxEleves) ++n_;
    afficher();
}

void TDial01::Precedent() {
    stocker();
    if (n_ > 1) --n_;
    afficher();
}

void TDial01::accept() {
    stocker();
    // Entry 1 emptied after moving on would otherwise make a class without students.
    if (entrees_[1].nom.isEmpty()) {
        dialogues().avertissement(
            this, titreAvertissement(),
            QStringLiteral("Il faut au minimum UN élève pour former une classe."));
        champs_.nom->setFocus();
        return;
    }
    int e = 1;
    for (; e <= MaxEleves && !entrees_[e].nom.isEmpty(); ++e) {
        classe_.Eleve[e].Nom = texteModele(entrees_[e].nom);
        classe_.Eleve[e].Prenom = texteModele(entrees_[e].prenom);
        classe_.Eleve[e].DateNaissance = texteModele(entrees_[e].date);
    }
    classe_.NbEleve = static_cast<std::uint8_t>(e - 1);
    QDialog::accept();
}

} // namespace quillora
