#include "TDial03.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "BoutonAide.h"
#include "ChampDecimal.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "Saisie.h"

namespace quillora {

TDial03::TDial03(TClasse& classe, int a, QWidget* parent)
    : QDialog(parent), classe_(classe), a_(a), notes_(classe.NbEleve + 1) {
    setWindowTitle(QStringLiteral("Saisie des notes"));
    cadre_ = new QGroupBox(this);
    note_ = new QLineEdit(cadre_);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setMaxLength(5);
    VirguleEnPoint(note_);
    note_->setFixedWidth(note_->fontMetrics().horizontalAdvance(QStringLiteral("MMMMM")) + 16);
    auto* formulaire = new QFormLayout(cadre_);
    formulaire->addRow(QStringLiteral("Note :"), note_);
    // The frame is as wide as the longest name, so that no name is cut.
    int large = 0;
    for (int e = 1; e <= classe.NbEleve; ++e)
        large = std::max(
            large, fontMetrics().horizontalAdvance(texteQt(" " + classe.NomEleve(e, true) + " ")));
    cadre_->setMinimumWidth(large + 40);

    auto* boutons = new QVBoxLayout;
    auto bouton = [&](const QString& texte, const char* nom) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QLatin1String(nom));
        b->setAutoDefault(false);
        boutons->addWidget(b);
        return b;
    };
    auto* precedent = bouton(QStringLiteral("Précédent"), "Precedent");
    auto* suivant = bouton(QStringLiteral("Suivant"), "Suivant");
    auto* valider = bouton(QStringLiteral("Valider les notes saisies"), "Valider");
    auto* annuler = bouton(QStringLiteral("Annuler"), "Annuler");
    boutons->addWidget(BoutonAide(this, QStringLiteral("Dlg_NewDevoir")));
    boutons->addStretch();
    suivant->setDefault(true);
    connect(precedent, &QPushButton::clicked, this, &TDial03::precedent);
    connect(suivant, &QPushButton::clicked, this, &TDial03::suivant);
    connect(valider, &QPushButton::clicked, this, &TDial03::valider);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* ligne = new QHBoxLayout(this);
    ligne->addWidget(cadre_, 1, Qt::AlignTop);
    ligne->addLayout(boutons);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    afficher();
}

bool TDial03::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) note_->setFocus();
    return QDialog::event(event);
}

void TDial03::afficher() {
    cadre_->setTitle(texteQt(" " + classe_.NomEleve(courant_, true) + " "));
    note_->setText(courant_ < static_cast<int>(notes_.size()) ? texteQt(notes_[courant_])
                                                              : QString());
    note_->selectAll();
    note_->setFocus();
}

bool TDial03::garder() {
    std::string note, avertissement;
    if (!AccepterNote(texteModele(note_->text()), note, avertissement)) {
        dialogues().avertissement(this, titreAvertissement(), texteQt(avertissement));
        note_->setFocus();
        return false;
    }
    if (courant_ < static_cast<int>(notes_.size())) notes_[courant_] = note;
    return true;
}

void TDial03::precedent() {
    if (!garder()) return;
    if (courant_ > 1) --courant_;
    afficher();
}

void TDial03::suivant() {
    if (!garder()) return;
    if (courant_ < classe_.NbEleve) ++courant_;
    afficher();
}

void TDial03::valider() {
    if (!garder()) return;
    const int s = classe_.MatiereCourante, p = classe_.PeriodeCourante;
    for (int e = 1; e <= classe_.NbEleve; ++e) classe_.Eleve[e].Note[s][p][a_] = notes_[e];
    accept();
}

} // namespace quillora
