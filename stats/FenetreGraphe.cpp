#include "FenetreGraphe.h"

#include <QLayout>

#include "ConversionsQt.h"
#include "Options.h"
#include "Pictogrammes.h"
#include "Statistiques.h"
#include "TDLGPrint.h"

namespace quillora {

namespace {
const QColor Vert(0, 128, 0);
const QColor Rouge(255, 0, 0);
} // namespace

FenetreGraphe::FenetreGraphe(const TClasse& classe, const QString& sujetAide, QWidget* parent)
    : FenetreStatistique(classe, sujetAide, parent) {
    G = new TNewGraphe(this);
    G->setObjectName(QStringLiteral("G"));
    G->NommerCouleur(Rouge, QStringLiteral("en dessous de la moyenne"));
    layout()->addWidget(G);
    static_cast<QBoxLayout*>(layout())->setStretchFactor(G, 1);
    periodes_ = groupe();
    matieres_ = groupe();
    modes_ = groupe();
    connect(periodes_, &QButtonGroup::idClicked, this, [this](int p) { periodeCliquee(p); });
    connect(matieres_, &QButtonGroup::idClicked, this, [this](int s) { matiereCliquee(s); });
}

void FenetreGraphe::creerPeriodes(const QString& annee, const QString& aideAnnee, bool tout) {
    separer();
    for (int p = 1; p <= 3; ++p) bouton(("SB" + std::to_string(p)).c_str(), {}, {}, periodes_, p);
    if (!annee.isEmpty()) bouton("SB4", annee, aideAnnee, periodes_, 4);
    if (tout)
        bouton("SB0", QStringLiteral("To"), QStringLiteral("Toutes les notes de l'année"),
               periodes_, 5);
}

void FenetreGraphe::creerMatieres(bool synthese) {
    separer();
    for (int s = 1; s <= 3; ++s) bouton(("SB1" + std::to_string(s)).c_str(), {}, {}, matieres_, s);
    if (synthese) bouton("SB14", QStringLiteral("S"), QStringLiteral("Synthèse"), matieres_, 4);
}

void FenetreGraphe::creerModes() {
    separer();
    const struct {
        const char* nom;
        const char* aide;
        PictoStat image;
        TMode mode;
    } modes[] = {{"SB6", "Graphe en ligne", PictoStat::Ligne, mLigne},
                 {"SB5", "Graphe en barre", PictoStat::Barres, mBarre},
                 {"SpeedButton2", "Tendance", PictoStat::Tendance, mBezier}};
    for (const auto& m : modes)
        bouton(m.nom, {}, QString::fromUtf8(m.aide), modes_, m.mode)
            ->setIcon(IconeStatistique(m.image));
    modes_->button(mLigne)->setChecked(true);
    G->SetMode(mLigne);
    connect(modes_, &QButtonGroup::idClicked, this, [this](int mode) {
        G->SetMode(static_cast<TMode>(mode));
        G->update();
    });
}

void FenetreGraphe::creerAnnee() {
    separer();
    annee_ =
        bouton("SB8", QStringLiteral("An"), QStringLiteral("Afficher/Cacher l'année scolaire"));
    annee_->setCheckable(true);
    annee_->setChecked(Options.imprimerAnnee);
    connect(annee_, &QToolButton::toggled, this, [this] { Calculer(); });
}

bool FenetreGraphe::AvecAnnee() const {
    return annee_ && annee_->isChecked();
}

void FenetreGraphe::texteBoutons() {
    const int division = IndexPeriodes(Classe.NbPeriode);
    for (int p = 1; p <= 3; ++p) {
        QAbstractButton* b = periodes_->button(p);
        b->setText(QLatin1String(LettrePeriode[division]) + QString::number(p));
        const QString aide =
            QLatin1String(quillora::MotPeriode[division]) + QLatin1Char(' ') + QString::number(p);
        b->setToolTip(aide);
        b->setStatusTip(aide);
    }
    periodes_->button(3)->setVisible(Classe.NbPeriode == 3);
    if (QAbstractButton* annee = periodes_->button(4); annee && periodes_->button(5)) {
        const QString aide = Classe.NbPeriode == 2 ? QStringLiteral("Moyenne des 2 semestres")
                                                   : QStringLiteral("Moyenne des 3 trimestres");
        annee->setToolTip(aide);
        annee->setStatusTip(aide);
    }
    for (int s = 1; s <= 3; ++s) {
        QAbstractButton* b = matieres_->button(s);
        b->setText(texteQt(Classe.Matiere[s].Abrev.view()));
        b->setToolTip(texteQt(Classe.Matiere[s].Nom.view()));
        b->setStatusTip(b->toolTip());
        b->setVisible(s <= Classe.NbMatiere);
    }
}

void FenetreGraphe::prendrePeriode(int p) {
    PeriodeChoisie = p;
    presser(periodes_, p);
}

void FenetreGraphe::prendreMatiere(int s) {
    MatiereChoisie = s;
    presser(matieres_, s);
}

void FenetreGraphe::prendreMatiereCourante(bool synthese) {
    const int s = Classe.MatiereCourante;
    prendreMatiere(s == 4 && !synthese ? 1 : s);
}

void FenetreGraphe::periodeCliquee(int p) {
    PeriodeChoisie = p;
    Calculer();
    emit periodeAffichee();
}

void FenetreGraphe::matiereCliquee(int s) {
    MatiereChoisie = s;
    Calculer();
}

void FenetreGraphe::Imprimer() {
    TDLGPrint dialogue(this, nullptr, G, nullptr, FichierPdf());
    dialogue.exec();
}

void FenetreGraphe::afficher(const GrapheStat& g) {
    G->SetCouleurFond(couleurQt(Options.couleur[3]));
    G->SetCouleurL(couleurQt(Options.couleur[2]));
    G->SetCouleurPolice(couleurQt(Options.couleur[1]));
    G->SetPolice(PoliceOptions());

    G->SetNbBarre(static_cast<int>(g.Barres.size()));
    for (int i = 1; i <= G->NbBarre(); ++i) {
        const BarreStat& s = g.Barres[i - 1];
        TBarre b;
        b.Valeur = s.Valeur;
        b.CouleurBarre = s.Reussie ? Vert : Rouge;
        b.SetTexte(texteQt(s.Texte));
        b.SetLegende(texteQt(s.Legende));
        *G->Barre(i) = b;
    }
    G->SetCaption(texteQt(g.Caption));
    G->SetVmax(g.Vmax);
    G->SetPasVert(g.PasVert);
    G->SetNbGradV(g.NbGradV);
    G->SetNbLigne(g.NbLigne);
    for (int i = 1; i <= 5; ++i) G->SetLigne(i, texteQt(g.Lignes[i - 1]));
    G->BarreMoy().Valeur = g.Moyenne;
    G->BarreMoy().CouleurBarre = g.MoyenneReussie ? Vert : Rouge;
    G->update();
}

} // namespace quillora
