#include "TDial15.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "Formulaire.h"

namespace quillora {

TDial15::TDial15(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(AvecClasse(QStringLiteral("Changer le nombre et le nom des matières"), classe));
    auto* colonne = new QVBoxLayout(this);
    for (int s = 1; s <= MaxMatieres; ++s) {
        auto* ligne = new QGroupBox(QStringLiteral("Matière %1").arg(s), this);
        auto* rangee = new QHBoxLayout(ligne);
        noms_[s - 1] = Champ(ligne, "Nom", 20);
        abrevs_[s - 1] = Champ(ligne, "Abrev", 2);
        noms_[s - 1]->setText(TexteChamp(classe.Matiere[s].Nom));
        abrevs_[s - 1]->setText(TexteChamp(classe.Matiere[s].Abrev));
        auto* ln = new QLabel(QStringLiteral("Nom complet:"), ligne);
        auto* la = new QLabel(QStringLiteral("Abréviation:"), ligne);
        ln->setBuddy(noms_[s - 1]);
        la->setBuddy(abrevs_[s - 1]);
        rangee->addWidget(ln);
        rangee->addWidget(noms_[s - 1], 1);
        rangee->addSpacing(12);
        rangee->addWidget(la);
        rangee->addWidget(abrevs_[s - 1]);
        lignes_[s - 1] = ligne;
        colonne->addWidget(ligne);
    }
    auto* nombre = new QGroupBox(QStringLiteral("Nombre de matières utilisées:"), this);
    auto* radios = new QHBoxLayout(nombre);
    for (int n = 1; n <= MaxMatieres; ++n) {
        nombres_[n - 1] = new QRadioButton(QString::number(n), nombre);
        nombres_[n - 1]->setObjectName(QStringLiteral("Nombre%1").arg(n));
        radios->addWidget(nombres_[n - 1]);
        connect(nombres_[n - 1], &QRadioButton::toggled, this, &TDial15::montrerLignes);
    }
    radios->addStretch(1);
    const int n = classe.NbMatiere >= 1 && classe.NbMatiere <= 3 ? classe.NbMatiere : 3;
    nombres_[n - 1]->setChecked(true);
    colonne->addWidget(nombre);
    AjouterBoutons(this, colonne, QStringLiteral("Dlg_ModifMatiere")).ok->setDefault(true);
    Placer(this);
}

void TDial15::montrerLignes() {
    for (int s = 2; s <= MaxMatieres; ++s)
        lignes_[s - 1]->setVisible(!nombres_[s - 2]->isChecked() &&
                                   (s < 3 || nombres_[2]->isChecked()));
}

void TDial15::accept() {
    // Hidden rows are written too: a subject taken out of use keeps its name for later.
    for (int s = 1; s <= MaxMatieres; ++s) {
        classe_.Matiere[s].Nom = TexteDuChamp(noms_[s - 1]);
        classe_.Matiere[s].Abrev = TexteDuChamp(abrevs_[s - 1]);
    }
    for (int n = 1; n <= MaxMatieres; ++n)
        if (nombres_[n - 1]->isChecked()) classe_.NbMatiere = static_cast<std::uint8_t>(n);
    QDialog::accept();
}

} // namespace quillora
