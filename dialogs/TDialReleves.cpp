#include "TDialReleves.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "BoutonAide.h"
#include "ConversionsQt.h"
#include "Dialogues.h"

namespace quillora {

TDialReleves::TDialReleves(const TClasse& classe, QWidget* parent)
    : QDialog(parent), Classe(classe) {
    setWindowTitle(QStringLiteral("Relevés de notes"));

    auto* eleves = new QGroupBox(QStringLiteral("Élèves"), this);
    eleves->setObjectName(QStringLiteral("GroupBoxEleves"));
    tous_ = new QRadioButton(QStringLiteral("&Tous les élèves"), eleves);
    tous_->setObjectName(QStringLiteral("RBTous"));
    coches_ = new QRadioButton(QStringLiteral("Les élèves &cochés :"), eleves);
    coches_->setObjectName(QStringLiteral("RBCoches"));
    tous_->setChecked(true);
    liste_ = new QListWidget(eleves);
    liste_->setObjectName(QStringLiteral("Liste"));
    liste_->setAccessibleName(QStringLiteral("Élèves dont le relevé est imprimé"));
    for (int e = 1; e <= Classe.NbEleve; ++e) {
        auto* item = new QListWidgetItem(
            QString::number(e) + QStringLiteral(". ") + texteQt(Classe.NomEleve(e, true)), liste_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    liste_->setMinimumSize(260, 260);
    auto* colonneEleves = new QVBoxLayout(eleves);
    colonneEleves->addWidget(tous_);
    colonneEleves->addWidget(coches_);
    colonneEleves->addWidget(liste_);
    // Ticking a student means choosing the ticked ones.
    connect(liste_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (item->checkState() == Qt::Checked) coches_->setChecked(true);
    });

    auto* periode = new QGroupBox(QStringLiteral("Période"), this);
    periode->setObjectName(QStringLiteral("GroupBoxPeriode"));
    auto* colonnePeriode = new QVBoxLayout(periode);
    periodes_ = new QButtonGroup(periode);
    const QString mot = QLatin1String(MotPeriode[IndexPeriodes(Classe.NbPeriode)]);
    for (int p = 1; p <= 4; ++p) {
        rbPeriode_[p] = new QRadioButton(p == 4 ? QStringLiteral("L'&année entière")
                                                : mot + QLatin1Char(' ') + QString::number(p),
                                         periode);
        rbPeriode_[p]->setObjectName(QStringLiteral("RB") + QString::number(p));
        periodes_->addButton(rbPeriode_[p], p);
        colonnePeriode->addWidget(rbPeriode_[p]);
    }
    rbPeriode_[3]->setVisible(Classe.NbPeriode == 3);
    const int courante = Classe.PeriodeCourante;
    rbPeriode_[courante >= 1 && courante <= 4 && (courante == 4 || courante <= Classe.NbPeriode)
                   ? courante
                   : 1]
        ->setChecked(true);

    rangs_ = new QCheckBox(QStringLiteral("Indiquer le &rang de l'élève"), this);
    rangs_->setObjectName(QStringLiteral("CBRangs"));
    auto* droite = new QVBoxLayout;
    droite->addWidget(periode);
    droite->addWidget(rangs_);
    droite->addStretch();

    auto* boutons = new QDialogButtonBox(this);
    QPushButton* apercu =
        boutons->addButton(QStringLiteral("&Aperçu..."), QDialogButtonBox::AcceptRole);
    apercu->setObjectName(QStringLiteral("BitBtn1"));
    apercu->setDefault(true);
    QPushButton* annuler =
        boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    annuler->setObjectName(QStringLiteral("BitBtn2"));
    boutons->addButton(BoutonAide(this, QStringLiteral("RelevesDeNotes")),
                       QDialogButtonBox::HelpRole);
    connect(boutons, &QDialogButtonBox::accepted, this, &TDialReleves::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* haut = new QHBoxLayout;
    haut->addWidget(eleves, 1);
    haut->addLayout(droite);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(boutons);
}

ChoixReleves TDialReleves::Choix() const {
    ChoixReleves c;
    c.periode = periodes_->checkedId();
    c.rangs = rangs_->isChecked();
    if (coches_->isChecked())
        for (int i = 0; i < liste_->count(); ++i)
            if (liste_->item(i)->checkState() == Qt::Checked) c.eleves.push_back(i + 1);
    return c;
}

void TDialReleves::accept() {
    if (coches_->isChecked() && Choix().eleves.empty()) {
        dialogues().avertissement(this, titreAvertissement(),
                                  QStringLiteral("Cochez au moins un élève, ou choisissez tous "
                                                 "les élèves."));
        liste_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace quillora
