#include "TStat04.h"

#include <QLabel>
#include <QLayout>

#include "ConversionsQt.h"
#include "Options.h"
#include "Statistiques.h"
#include "TDLGPrint.h"

namespace quillora {

TStat04::TStat04(const TClasse& classe, QWidget* parent)
    : FenetreStatistique(classe, QStringLiteral("stat_04"), parent) {
    findChild<QToolButton*>(QStringLiteral("SB32"))
        ->setToolTip(QStringLiteral("Imprimer ce tableau"));
    findChild<QToolButton*>(QStringLiteral("SB32"))
        ->setStatusTip(QStringLiteral("Imprimer ce tableau"));
    auto* libelle = new QLabel(QStringLiteral("Elève:"), this);
    ajouter(libelle);
    CB = new QComboBox(this);
    libelle->setBuddy(CB);
    CB->setObjectName(QStringLiteral("CB"));
    CB->setMinimumContentsLength(22);
    ajouter(CB);
    connect(CB, &QComboBox::currentIndexChanged, this, [this](int i) {
        EleveChoisi = i;
        Calculer();
    });
    T = new TTableau(this);
    T->setObjectName(QStringLiteral("T"));
    layout()->addWidget(T);
    static_cast<QBoxLayout*>(layout())->setStretchFactor(T, 1);
    remplirListe();
    Calculer();
}

void TStat04::remplirListe() {
    remplirEleves(CB);
    EleveChoisi = 0;
    fixerTitre(QStringLiteral(": Bilan complet classe & élève"), 38);
}

void TStat04::Calculer() {
    T->SetCadre(false);
    T->SetRelief(static_cast<TRelief>(std::min<int>(Options.relief, rBosse)));
    T->SetCouleurFond(couleurQt(Options.couleur[3]));
    T->SetCouleurL(couleurQt(Options.couleur[2]));
    T->SetCouleurPolice(couleurQt(Options.couleur[1]));
    T->SetPolice(PoliceOptions());

    const BilanStat b = CalculerBilan(Classe, EleveChoisi);
    T->SetCaption(texteQt(b.Caption));
    T->SetNbColonne(b.NbColonne);
    T->SetNbLigne(b.NbLigne);
    for (int c = 1; c <= b.NbColonne; ++c)
        for (int l = 1; l <= b.NbLigne; ++l) T->SetCellule(c, l, texteQt(b.Cellules[c - 1][l - 1]));
    T->update();
}

void TStat04::Imprimer() {
    TDLGPrint dialogue(this, T, nullptr, nullptr, FichierPdf(), Classe.NomFichier);
    dialogue.exec();
}

void TStat04::Notifier(int code, int, int, int eleve) {
    const bool classe = EleveChoisi == 0;
    switch (code) {
    case 3:
        if (!classe) {
            if (eleve != EleveChoisi) return;
            break;
        }
        remplirListe();
        break;
    case 4:
        // A coefficient moves every average, the student's as much as the class's.
        if (classe) remplirListe();
        break;
    case 5:
        if (!classe) return;
        remplirListe();
        break;
    default:
        remplirListe();
        break;
    }
    Calculer();
}

} // namespace quillora
