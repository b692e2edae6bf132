#include "TDial05.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ConversionsQt.h"
#include "Formulaire.h"
#include "PanneauConsequences.h"

namespace quillora {

namespace {

QLabel* note(const QString& texte, QWidget* parent) {
    auto* l = new QLabel(texte, parent);
    QFont f = l->font();
    f.setItalic(true);
    l->setFont(f);
    return l;
}

} // namespace

TDial05::TDial05(TClasse& classe, QWidget* parent) : QDialog(parent), classe_(classe) {
    setWindowTitle(AvecClasse(QStringLiteral("Modifier les paramètres de la classe"), classe));
    auto* colonne = new QVBoxLayout(this);

    auto* classeBox = new QGroupBox(QStringLiteral("Classe"), this);
    auto* g = new QGridLayout(classeBox);
    auto ligne = [&](int r, const QString& libelle, QWidget* champ, Qt::Alignment a = {}) {
        auto* l = new QLabel(libelle, classeBox);
        l->setBuddy(champ);
        g->addWidget(l, r, 0);
        g->addWidget(champ, r, 1, a);
    };
    abrev_ = Champ(classeBox, "AbrevClasse", 8);
    abrev_->setText(texteQt(classe.AbrevClasse));
    ligne(0, QStringLiteral("Abréviation de la classe"), abrev_, Qt::AlignLeft);
    auto* division = new QWidget(classeBox);
    auto* radios = new QHBoxLayout(division);
    radios->setContentsMargins(0, 0, 0, 0);
    semestres_ = new QRadioButton(QStringLiteral("2 semestres"), division);
    trimestres_ = new QRadioButton(QStringLiteral("3 trimestres"), division);
    semestres_->setObjectName(QStringLiteral("Semestres"));
    trimestres_->setObjectName(QStringLiteral("Trimestres"));
    radios->addWidget(semestres_);
    radios->addWidget(trimestres_);
    radios->addStretch(1);
    (classe.NbPeriode == 2 ? semestres_ : trimestres_)->setChecked(true);
    ligne(1, QStringLiteral("Division de l'année"), division);
    annee_ = Champ(classeBox, "AnneeScolaire", 25);
    annee_->setText(texteQt(classe.AnneeScolaire));
    ligne(2, QStringLiteral("Année scolaire"), annee_);
    professeur_ = Champ(classeBox, "NomProfesseur", 50);
    professeur_->setText(texteQt(classe.NomProfesseur));
    ligne(3, QStringLiteral("Nom du professeur"), professeur_);
    matiere_ = Champ(classeBox, "MatierePrincipale", 50);
    matiere_->setText(texteQt(classe.MatierePrincipale));
    ligne(4, QStringLiteral("Nom de la matière principale"), matiere_);
    g->addWidget(note(QStringLiteral("( Ce nom de retrouve sur le bulletin scolaire )"), classeBox),
                 5, 1);
    colonne->addWidget(classeBox);

    auto* moyenne = new QGroupBox(QStringLiteral("Moyenne"), this);
    auto* gm = new QGridLayout(moyenne);
    arrondi_ = new QComboBox(moyenne);
    arrondi_->setObjectName(QStringLiteral("ModeArrondi"));
    for (int mode = 0; mode <= 6; ++mode) arrondi_->addItem(texteQt(NomArrondi(mode)));
    arrondi_->setCurrentIndex(classe.ModeArrondi <= 6 ? classe.ModeArrondi : 0);
    auto* la = new QLabel(QStringLiteral("Mode d'arrondi"), moyenne);
    la->setBuddy(arrondi_);
    gm->addWidget(la, 0, 0);
    gm->addWidget(arrondi_, 0, 1);
    gm->setColumnStretch(2, 1);
    gm->addWidget(
        note(QStringLiteral("( Tous les calculs sont alors fait avec cette moyenne )"), moyenne), 1,
        0, 1, 3);
    colonne->addWidget(moyenne);

    auto* divers = new QGroupBox(QStringLiteral("Divers"), this);
    auto* gd = new QVBoxLayout(divers);
    joker_ = new QCheckBox(QStringLiteral("Calculer également la moyenne Joker"), divers);
    joker_->setObjectName(QStringLiteral("Joker"));
    joker_->setChecked(classe.Joker != 0);
    gd->addWidget(joker_);
    gd->addWidget(note(QStringLiteral("( La note la plus basse est ignorée )"), divers));
    colonne->addWidget(divers);

    AjouterBoutons(this, colonne, QStringLiteral("Dlg_ParamClasse")).ok->setDefault(true);
    Placer(this);
}

void TDial05::reglerMoyennes(TClasse& c) const {
    c.NbPeriode = semestres_->isChecked() ? 2 : 3;
    c.ModeArrondi = static_cast<std::uint8_t>(arrondi_->currentIndex());
    c.Joker = joker_->isChecked() ? 1 : 0;
}

void TDial05::accept() {
    classe_.AbrevClasse = TexteDuChamp(abrev_);
    classe_.AnneeScolaire = TexteDuChamp(annee_);
    classe_.NomProfesseur = TexteDuChamp(professeur_);
    classe_.MatierePrincipale = TexteDuChamp(matiere_);
    reglerMoyennes(classe_);
    QDialog::accept();
}

void TDial05::MontrerConsequences(int s, int p) {
    panneau_ = new PanneauConsequences(
        classe_, classe_, s, p, [this](TClasse& c, TOptions&) { reglerMoyennes(c); }, this);
    InsererPanneau(static_cast<QBoxLayout*>(layout()), panneau_, 1);
    const auto actualiser = [this] { panneau_->Actualiser(); };
    connect(semestres_, &QRadioButton::toggled, this, actualiser);
    connect(arrondi_, &QComboBox::currentIndexChanged, this, actualiser);
    connect(joker_, &QCheckBox::toggled, this, actualiser);
    Placer(this);
}

} // namespace quillora
