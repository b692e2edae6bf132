#include "TDial10.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Classement.h"
#include "Cp1252.h"
#include "Dialogues.h"
#include "FichierAtomique.h"
#include "ListeEleves.h"
#include "Options.h"
#include "Plateforme.h"
#include "Programme.h"

namespace quillora {

TDial10::TDial10(const TClasse& classe, QWidget* parent) : QDialog(parent), Classe(classe) {
    setWindowTitle(QStringLiteral("Classement des élèves ( d'après la moyenne )"));
    ST = CreerGrille(this, {39, 178, 61, 61},
                     {QStringLiteral("Rang"), QStringLiteral("Elève"), QStringLiteral("Moyenne"),
                      QStringLiteral("Absence")},
                     20);
    ST->setAccessibleName(windowTitle());

    auto groupe = [this](const char* nom, const QString& titre, QButtonGroup*& boutons,
                         std::array<QRadioButton*, 5>& radios, const char* prefixe) {
        auto* g = new QGroupBox(titre, this);
        g->setObjectName(QLatin1String(nom));
        auto* l = new QVBoxLayout(g);
        boutons = new QButtonGroup(g);
        for (int i = 1; i <= 4; ++i) {
            radios[i] = new QRadioButton(g);
            radios[i]->setObjectName(QLatin1String(prefixe) + QString::number(i));
            boutons->addButton(radios[i], i);
            l->addWidget(radios[i]);
        }
        return g;
    };
    QGroupBox* g1 = groupe("GroupBox1", QStringLiteral("Période"), periodes_, rbPeriode_, "RB");
    QGroupBox* g2 = groupe("GroupBox2", QStringLiteral("Matière"), matieres_, rbMatiere_, "RB1");
    const QString mot = QLatin1String(MotPeriode[IndexPeriodes(Classe.NbPeriode)]);
    for (int i = 1; i <= 3; ++i) {
        rbPeriode_[i]->setText(mot + QLatin1Char(' ') + QString::number(i));
        rbMatiere_[i]->setText(texteQt(Classe.Matiere[i].Nom));
    }
    rbPeriode_[4]->setText(QStringLiteral("Année"));
    rbMatiere_[4]->setText(QStringLiteral("Synthèse"));
    rbPeriode_[3]->setVisible(Classe.NbPeriode == 3);
    rbMatiere_[2]->setVisible(Classe.NbMatiere >= 2);
    rbMatiere_[3]->setVisible(Classe.NbMatiere >= 3);

    // One box for the three lines: a click anywhere on the sentence ticks it.
    CB = new QCheckBox(QStringLiteral("Ne pas classer les\nélèves ayant des\nabsences"), this);
    CB->setObjectName(QStringLiteral("CB"));
    auto* presse = new QPushButton(QStringLiteral("--> Presse Papier"), this);
    presse->setObjectName(QStringLiteral("Button1"));
    auto* bloc = new QPushButton(QStringLiteral("--> Bloc Note"), this);
    bloc->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {presse, bloc}) b->setAutoDefault(false);

    auto* droite = new QVBoxLayout;
    droite->addWidget(g1);
    droite->addWidget(g2);
    droite->addWidget(CB);
    droite->addSpacing(8);
    droite->addWidget(presse);
    droite->addWidget(bloc);
    droite->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(ST);
    haut->addLayout(droite);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addLayout(BoutonsOkAide(this, QStringLiteral("ClassementDesEleves")));

    PeriodeChoisie = Classe.PeriodeCourante;
    MatiereChoisie = Classe.MatiereCourante;
    if (QAbstractButton* b = periodes_->button(PeriodeChoisie)) b->setChecked(true);
    if (QAbstractButton* b = matieres_->button(MatiereChoisie)) b->setChecked(true);
    Classer();

    connect(periodes_, &QButtonGroup::idClicked, this, &TDial10::Classer);
    connect(matieres_, &QButtonGroup::idClicked, this, &TDial10::Classer);
    connect(CB, &QCheckBox::toggled, this, &TDial10::Classer);
    connect(presse, &QPushButton::clicked, this, &TDial10::CopierPressePapier);
    connect(bloc, &QPushButton::clicked, this, &TDial10::EcrireBlocNote);
}

bool TDial10::sansAbsents() const {
    return CB->isChecked();
}

void TDial10::Classer() {
    if (periodes_->checkedId() > 0) PeriodeChoisie = periodes_->checkedId();
    if (matieres_->checkedId() > 0) MatiereChoisie = matieres_->checkedId();
    setWindowTitle(
        texteQt(Classe.Titre(MatiereChoisie, PeriodeChoisie, Options.imprimerAnnee, 0, 0)));
    const auto lignes = quillora::Classer(Classe, MatiereChoisie, PeriodeChoisie, sansAbsents());
    RemplirGrille(ST, lignes);
    // "de note ce Trimestre" is wider than its column: it takes the next one too.
    if (lignes.size() == 1 && lignes[0][0].empty() && lignes[0][1] == "Pas")
        ST->setSpan(0, 2, 1, 2);
}

void TDial10::CopierPressePapier() {
    QApplication::clipboard()->setText(
        texteQt(TexteClassement(Classe, MatiereChoisie, PeriodeChoisie, sansAbsents())));
}

QString TDial10::CheminFichier() {
    return FichierDuProgramme(QStringLiteral("Classement.TXT"));
}

void TDial10::EcrireBlocNote() {
    const QString chemin = CheminFichier();
    if (!SortiePermise(this, Classe.NomFichier, chemin)) return;
    // UTF-8, which the desktop's editors read without being told.
    const std::string texte = Utf8DepuisCp1252(
        TexteFichierClassement(Classe, MatiereChoisie, PeriodeChoisie, sansAbsents()));
    std::string raison;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ecrit =
        EcrireFichierAtomique(chemin.toStdString(), texte.data(), texte.size(), raison);
    QApplication::restoreOverrideCursor();
    if (!ecrit) {
        dialogues().erreur(this, titreErreur(),
                           QStringLiteral("Le fichier ") + chemin +
                               QStringLiteral(" ne peut pas être écrit : ") +
                               QString::fromStdString(raison));
        return;
    }
    dialogues().information(this, titreInformation(),
                            QStringLiteral("Le fichier ") + chemin + QStringLiteral(" est créé."));
    if (!plateforme().ouvrirEditeur(chemin))
        dialogues().avertissement(this, titreAvertissement(),
                                  QStringLiteral("Éditeur de texte : impossible d'ouvrir ") +
                                      chemin);
}

} // namespace quillora
