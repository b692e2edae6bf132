#include "TDial02.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "BoutonAide.h"
#include "ChampsDevoir.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "PanneauConsequences.h"
#include "TDial03.h"

namespace quillora {

TDial02::TDial02(TClasse& classe, const QString& verbe, int a, QWidget* parent)
    : QDialog(parent), classe_(classe), a_(a) {
    setWindowTitle(verbe + QStringLiteral(" un nouveau devoir ( ") + texteQt(classe.AbrevClasse) +
                   QStringLiteral(" )"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const int s = classe.MatiereCourante, p = classe.PeriodeCourante;
    champs_ = new ChampsDevoir(true, this);
    champs_->setTitle(texteQt(" " + classe.Titre(s, p, false, 0, a) + " "));

    auto* boutons = new QHBoxLayout;
    auto bouton = [&](const QString& texte, const char* nom) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QLatin1String(nom));
        b->setAutoDefault(false);
        boutons->addWidget(b);
        return b;
    };
    auto* plusTard =
        bouton(QStringLiteral("Valider et saisir les notes ultèrieurement"), "PlusTard");
    auto* saisir =
        bouton(QStringLiteral("Valider et saisir les notes par ordre alphabétique..."), "Saisir");
    auto* annuler = bouton(QStringLiteral("Annuler"), "Annuler");
    boutons->addWidget(BoutonAide(this, QStringLiteral("Dlg_NewDevoir")));
    plusTard->setDefault(true);
    connect(plusTard, &QPushButton::clicked, this, &TDial02::validerPlusTard);
    connect(saisir, &QPushButton::clicked, this, &TDial02::validerEtSaisir);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(champs_);
    colonne->addLayout(boutons);
    champs_->Date()->setFocus();
}

// Never past the last column, whoever opened the dialog.
bool TDial02::place() const {
    return a_ >= 1 && a_ <= MaxDevoirs &&
           classe_.NbDevoir[classe_.MatiereCourante][classe_.PeriodeCourante] < MaxDevoirs;
}

void TDial02::validerPlusTard() {
    const int s = classe_.MatiereCourante, p = classe_.PeriodeCourante;
    if (!place() || !champs_->Enregistrer(classe_.Devoir[s][p][a_])) return;
    ++classe_.NbDevoir[s][p];
    accept();
}

void TDial02::validerEtSaisir() {
    const int s = classe_.MatiereCourante, p = classe_.PeriodeCourante;
    if (!place() || !champs_->Enregistrer(classe_.Devoir[s][p][a_])) return;
    TDial03 notes(classe_, a_, this);
    if (dialogues().executer(notes) == QDialog::Accepted) {
        ++classe_.NbDevoir[s][p];
        accept();
        return;
    }
    champs_->Date()->setFocus();
}

void TDial02::MontrerConsequences(const ImageClasse& avant, int s, int p) {
    // The assignment as a validating button would store and count it.
    const auto lire = [this](TClasse& c, TOptions&) {
        if (!place()) return;
        const int m = c.MatiereCourante, q = c.PeriodeCourante;
        if (const auto coef = champs_->CoefLu()) c.Devoir[m][q][a_].Coef = *coef;
        ++c.NbDevoir[m][q];
    };
    panneau_ = new PanneauConsequences(avant, classe_, s, p, lire, this);
    InsererPanneau(static_cast<QBoxLayout*>(layout()), panneau_, 0);
    connect(champs_->Coef(), &QLineEdit::textChanged, this, [this] { panneau_->Actualiser(); });
}

} // namespace quillora
