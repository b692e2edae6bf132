#include "TDial16.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "BoutonAide.h"
#include "ConversionsQt.h"
#include "ListeDevoirs.h"

namespace quillora {

QString TDial16::SujetAide(But but) {
    switch (but) {
    case Supprimer:
        return QStringLiteral("Dlg_SupDevoir");
    case InsererNouveau:
        return QStringLiteral("Dlg_InsererDevoir");
    default:
        return QStringLiteral("PressePapInterne");
    }
}

TDial16::TDial16(const TClasse& classe, But but, QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QString titre, texte;
    switch (but) {
    case Supprimer:
        titre = QStringLiteral("Supprimer un devoir ( ") +
                texteQt(classe.Matiere[classe.MatiereCourante].Nom) + QStringLiteral(" )");
        texte = QStringLiteral("Devoir à supprimer:");
        break;
    case Copier:
        titre = QStringLiteral("Copier un devoir");
        texte = QStringLiteral("Devoir à copier:");
        break;
    case Couper:
        titre = QStringLiteral("Couper un devoir");
        texte = QStringLiteral("Devoir à couper:");
        break;
    case InsererCopie:
        titre = QStringLiteral("Insérer le devoir copié");
        texte = QStringLiteral("Insérer le devoir copié avant le devoir:");
        break;
    case InsererNouveau:
        titre = QStringLiteral("Insérer un devoir");
        texte = QStringLiteral("Insérer le nouveau devoir avant le devoir:");
        break;
    }
    setWindowTitle(titre);
    auto* etiquette = new QLabel(texte, this);
    liste_ = ListeDevoirs(classe, this);
    liste_->setMinimumWidth(260);
    etiquette->setBuddy(liste_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    annuler->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TDial16::ok);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    boutons->addWidget(BoutonAide(this, SujetAide(but)));
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(etiquette);
    colonne->addWidget(liste_);
    colonne->addLayout(boutons);
}

void TDial16::ok() {
    if (liste_->currentIndex() < 0) return;
    choix_ = liste_->currentIndex() + 1;
    accept();
}

} // namespace quillora
