#include "TDial06.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "BoutonAide.h"
#include "ChampsDevoir.h"
#include "ConversionsQt.h"
#include "ListeDevoirs.h"
#include "PanneauConsequences.h"

namespace quillora {

TDial06::TDial06(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(QStringLiteral("Modifier les renseignements sur un devoir ( ") +
                   texteQt(classe.AbrevClasse) + QStringLiteral(" )"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    liste_ = ListeDevoirs(classe, this);
    auto* etiquette = new QLabel(QStringLiteral("Devoir à modifier:"), this);
    etiquette->setBuddy(liste_);
    champs_ = new ChampsDevoir(false, this);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    annuler->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TDial06::ok);
    connect(annuler, &QPushButton::clicked, this, &TDial06::reject);

    auto* haut = new QHBoxLayout;
    haut->addWidget(etiquette);
    haut->addWidget(liste_, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    boutons->addWidget(BoutonAide(this, QStringLiteral("Dlg_ModifDevoir")));
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(haut);
    colonne->addWidget(champs_);
    colonne->addLayout(boutons);

    if (liste_->count() > 0) {
        liste_->setCurrentIndex(liste_->count() - 1);
        afficher(liste_->count());
    }
    connect(liste_, &QComboBox::currentIndexChanged, this, &TDial06::choisir);
}

void TDial06::afficher(int a) {
    const int s = classe_.MatiereCourante, p = classe_.PeriodeCourante;
    affiche_ = a;
    champs_->setTitle(texteQt(" " + classe_.Titre(s, p, false, 0, a) + " "));
    champs_->Afficher(classe_.Devoir[s][p][a]);
}

bool TDial06::enregistrer() {
    if (affiche_ == 0) return false;
    tente_ = true;
    return champs_->Enregistrer(
        classe_.Devoir[classe_.MatiereCourante][classe_.PeriodeCourante][affiche_]);
}

void TDial06::choisir(int index) {
    if (index + 1 == affiche_) return;
    if (!enregistrer()) {
        const QSignalBlocker bloque(liste_);
        liste_->setCurrentIndex(affiche_ - 1);
        return;
    }
    afficher(index + 1);
}

void TDial06::ok() {
    if (enregistrer()) accept();
}

// What was stored while choosing other lines stays: the sheet must show it.
void TDial06::reject() {
    done(tente_ ? QDialog::Accepted : QDialog::Rejected);
}

void TDial06::MontrerConsequences(int s, int p) {
    const auto lire = [this](TClasse& c, TOptions&) {
        if (affiche_ == 0) return;
        if (const auto coef = champs_->CoefLu())
            c.Devoir[c.MatiereCourante][c.PeriodeCourante][affiche_].Coef = *coef;
    };
    panneau_ = new PanneauConsequences(classe_, classe_, s, p, lire, this);
    InsererPanneau(static_cast<QBoxLayout*>(layout()), panneau_, 0);
    const auto actualiser = [this] { panneau_->Actualiser(); };
    connect(champs_->Coef(), &QLineEdit::textChanged, this, actualiser);
    // After the line's own handler: what it stored is part of the class by then.
    connect(liste_, &QComboBox::currentIndexChanged, this, actualiser);
}

} // namespace quillora
