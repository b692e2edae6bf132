// The bar of speed buttons under the sheets, beside the period and the status line, and
// the commands the buttons give: each turns itself off when there is nothing to act on.
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>

#include "FenetreStatistique.h"
#include "IconesBoutons.h"
#include "Pictogrammes.h"
#include "TChild.h"
#include "TMDI.h"
#include "ZoneClients.h"

namespace quillora {

namespace {

constexpr int LargeurBoutons = 24;
// The buttons side by side, with the panel's margins and frame: 13 in preview mode, 9 in
// table mode. The 301 and 209 pixels of the original bar would cut the last ones.
constexpr int LargeurV1Apercu = 13 * 24 + 2 * 2 + 2;
constexpr int LargeurV1Tableau = 9 * 24 + 2 * 2 + 2;

QFrame* panneau(QWidget* parent, const char* nom) {
    auto* f = new QLabel(parent);
    f->setObjectName(QLatin1String(nom));
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return f;
}

} // namespace

QToolButton* TMDI::bouton(const char* nom, const QString& aide, const QIcon& icone,
                          const QString& texte, void (TMDI::*action)()) {
    auto* b = new QToolButton(v1_);
    b->setObjectName(QLatin1String(nom));
    b->setAutoRaise(true);
    b->setFixedSize(LargeurBoutons, 23);
    b->setToolTip(aide);
    b->setStatusTip(aide);
    if (texte.isEmpty()) {
        b->setIcon(icone);
    } else {
        b->setText(texte);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    connect(b, &QToolButton::clicked, this, action);
    v1_->layout()->addWidget(b);
    boutons_[QLatin1String(nom)] = b;
    return b;
}

void TMDI::creerPanneau() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setFixedHeight(25);
    auto* ligne = new QHBoxLayout(panel);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->setSpacing(0);
    v1_ = panneau(panel, "V1");
    auto* rangee = new QHBoxLayout(v1_);
    rangee->setContentsMargins(2, 0, 2, 0);
    rangee->setSpacing(0);
    rangee->setAlignment(Qt::AlignLeft);
    v2_ = static_cast<QLabel*>(panneau(panel, "V2"));
    v2_->setFixedWidth(56);
    v2_->setAlignment(Qt::AlignCenter);
    v3_ = static_cast<QLabel*>(panneau(panel, "V3"));
    ligne->addWidget(v1_);
    ligne->addWidget(v2_);
    ligne->addWidget(v3_, 1);

    using P = Pictogramme;
    bouton("SB1", QStringLiteral("Sauver le fichier"), IconeBouton("document-save", P::Disquette),
           {}, &TMDI::sauver);
    bouton("SB2", QStringLiteral("Imprimer"), IconeBouton("document-print", P::Imprimante), {},
           &TMDI::imprimerAvecDialogue);
    bouton("SB3", QStringLiteral("Fermer la fenètre active"),
           IconeBouton("window-close", P::Fermer), {}, &TMDI::fermerActive);
    bouton("SB4", QStringLiteral("Ajouter un nouveau devoir"),
           IconeBouton("document-new", P::NouveauDevoir), {}, &TMDI::nouveauDevoir);
    bouton("SB5", QStringLiteral("Ouvrir les 3 types de graphiques"),
           IconeStatistique(PictoStat::Barres), {}, &TMDI::ouvrirGraphiques);
    bouton("SB6", QStringLiteral("Visualiser la fenètre suivante"),
           IconeBouton("window-new", P::Suivante), {}, &TMDI::fenetreSuivante);
    bouton("SB8", QStringLiteral("Changer de matière"),
           IconeBouton("view-list-details", P::Matiere), {}, &TMDI::matiereSuivante);
    bouton("SB9", QStringLiteral("Changer de trimestre"),
           IconeBouton("x-office-calendar", P::Periode), {}, &TMDI::periodeSuivante);
    bouton("SB7", QStringLiteral("Mode Tableau ou Aperçu avant impression"),
           IconeBouton("document-print-preview", P::Apercu), {}, &TMDI::basculerApercu);
    bouton("SB10", QStringLiteral("Défilement Horizontal Rapide"),
           IconeBouton("go-last", P::FinLigne), {}, &TMDI::defilementH);
    bouton("SB11", QStringLiteral("Défilement Vertical Rapide"),
           IconeBouton("go-bottom", P::FinPage), {}, &TMDI::defilementV);
    bouton("SB12", {}, {}, QStringLiteral("Z+"), &TMDI::zoomPlus);
    bouton("SB13", {}, {}, QStringLiteral("Z-"), &TMDI::zoomMoins);
    afficherBoutonsApercu(false);
}

int TMDI::LargeurV1() const {
    return v1_->width();
}

QToolButton* TMDI::Bouton(const QString& nom) const {
    const auto it = boutons_.find(nom);
    return it == boutons_.end() ? nullptr : it->second;
}

void TMDI::DesactiverBoutons() {
    for (auto& [nom, b] : boutons_)
        if (nom != QLatin1String("SB3")) b->setEnabled(false);
}

void TMDI::afficherBoutonsApercu(bool apercu) {
    for (const char* nom : {"SB10", "SB11", "SB12", "SB13"})
        boutons_[QLatin1String(nom)]->setVisible(apercu);
    v1_->setFixedWidth(apercu ? LargeurV1Apercu : LargeurV1Tableau);
}

// The buttons follow the active sheet each time its state changes.
void TMDI::suivreFeuille() {
    TChild* f = FeuilleActive();
    if (!f) return;
    MettreAJourMenuFichier();
    afficherBoutonsApercu(f->ModeApercu);
    boutons_[QStringLiteral("SB6")]->setEnabled(zone_->subWindowList().size() > 1);
    boutons_[QStringLiteral("SB8")]->setEnabled(true);
    boutons_[QStringLiteral("SB9")]->setEnabled(true);
    boutons_[QStringLiteral("SB4")]->setEnabled(
        f->findChild<QAction*>(QStringLiteral("M30"))->isEnabled());
    boutons_[QStringLiteral("SB5")]->setEnabled(
        f->MenuStatistique()->findChild<QAction*>(QStringLiteral("M46"))->isEnabled());
    for (const char* nom : {"SB10", "SB11", "SB12", "SB13"})
        boutons_[QLatin1String(nom)]->setEnabled(f->ModeApercu);
    const QString aide = QStringLiteral("Changer de ") + f->MotPeriode();
    boutons_[QStringLiteral("SB9")]->setToolTip(aide);
    boutons_[QStringLiteral("SB9")]->setStatusTip(aide);
}

void TMDI::sauver() {
    if (TChild* f = FeuilleActive())
        f->EnregistrerAvecCopie();
    else
        boutons_[QStringLiteral("SB1")]->setEnabled(false);
}

void TMDI::imprimerAvecDialogue() {
    QMdiSubWindow* active = zone_->activeSubWindow();
    if (TChild* f = FeuilleActive())
        f->Imprimer(false);
    else if (auto* s = active ? qobject_cast<FenetreStatistique*>(active->widget()) : nullptr)
        s->Imprimer();
    else
        boutons_[QStringLiteral("SB2")]->setEnabled(false);
}

void TMDI::fermerActive() {
    if (QMdiSubWindow* w = zone_->activeSubWindow()) {
        w->close();
        return;
    }
    // No window at all: the program ends at once, settings unwritten.
    Terminer();
}

void TMDI::fenetreSuivante() {
    if (zone_->subWindowList().size() < 2) {
        boutons_[QStringLiteral("SB6")]->setEnabled(false);
        return;
    }
    zone_->activateNextSubWindow();
}

namespace {
template <typename F> void surFeuille(TChild* f, QToolButton* b, F commande) {
    if (f)
        commande(f);
    else
        b->setEnabled(false);
}
} // namespace

void TMDI::matiereSuivante() {
    surFeuille(FeuilleActive(), boutons_[QStringLiteral("SB8")],
               [](TChild* f) { f->MatiereSuivante(); });
}
void TMDI::periodeSuivante() {
    surFeuille(FeuilleActive(), boutons_[QStringLiteral("SB9")],
               [](TChild* f) { f->PeriodeSuivante(); });
}
void TMDI::nouveauDevoir() {
    surFeuille(FeuilleActive(), boutons_[QStringLiteral("SB4")],
               [](TChild* f) { f->AjouterDevoir(); });
}
void TMDI::ouvrirGraphiques() {
    surFeuille(FeuilleActive(), boutons_[QStringLiteral("SB5")],
               [](TChild* f) { f->OuvrirTroisStatistiques(); });
}
void TMDI::basculerApercu() {
    surFeuille(FeuilleActive(), boutons_[QStringLiteral("SB7")],
               [](TChild* f) { f->BasculerApercu(); });
}
void TMDI::defilementH() {
    if (TChild* f = FeuilleActive()) f->DefilementRapide(true);
}
void TMDI::defilementV() {
    if (TChild* f = FeuilleActive()) f->DefilementRapide(false);
}
void TMDI::zoomPlus() {
    if (TChild* f = FeuilleActive()) f->ZoomPlus();
}
void TMDI::zoomMoins() {
    if (TChild* f = FeuilleActive()) f->ZoomMoins();
}

} // namespace quillora
