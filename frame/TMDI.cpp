// The frame itself: what it is made of, what follows the active window (the period, the
// statistics windows), and its closing with the settings written.
#include "TMDI.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "FenetreStatistique.h"
#include "NavigationClavier.h"
#include "Options.h"
#include "Plateforme.h"
#include "Programme.h"
#include "TChild.h"
#include "ZoneClients.h"

namespace quillora {

QString SansMnemonique(const QString& texte) {
    // "&&" is a "&" of the text; a lone "&" only marks the letter that follows.
    QString r;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i] == QLatin1Char('&') && ++i == texte.size()) break;
        r += texte[i];
    }
    return r;
}

TMDI::TMDI(const QString& fichierOptions, char separateur, QWidget* parent)
    : QMainWindow(parent), fichierOptions_(fichierOptions), separateur_(separateur) {
    setObjectName(QStringLiteral("MDI"));
    Terminer = [] { QApplication::exit(0); };

    auto* centre = new QWidget(this);
    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    zone_ = new ZoneClients(centre);
    colonne->addWidget(zone_, 1);
    setCentralWidget(centre);
    creerMenus();
    creerPanneau();
    colonne->addWidget(findChild<QWidget*>(QStringLiteral("Panel")));

    v3_->setText(QLatin1Char(' ') + TitreProgramme());
    MajHeure = true;
    DefinirDossierDocuments(plateforme().dossierDocuments().toStdString());
    const ResultatEcriture lu = LireOptions(fichierOptions_.toStdString(), separateur_, true);
    if (!lu.ok)
        dialogues().avertissement(this, titreAvertissement(), QString::fromStdString(lu.erreur));
    MettreAJourMenuRecents();
    // The printer is measured again before every preview and print; asking the print
    // system here would only delay the first paint (see DemarrerFenetre).
    if (!Options.liste[1].empty()) {
        setWindowTitle(QStringLiteral("Cliquer dans la fenètre pour ouvrir le dernier fichier: ") +
                       QString::fromStdString(Options.liste[1]));
        OuvrirDernier = true;
    } else {
        setWindowTitle(QStringLiteral("Quillora"));
        OuvrirDernier = false;
    }

    connect(zone_, &ZoneClients::clicGauche, this, [this] {
        if (!OuvrirDernier) return;
        RetablirTitre();
        OuvrirClasse(QString::fromStdString(Options.liste[1]));
    });
    connect(zone_, &QMdiArea::subWindowActivated, this, &TMDI::activation);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(15000);
    connect(timer1_, &QTimer::timeout, this, [this] {
        if (MajHeure) v3_->setText(texteQt(DateHeureTexte()));
    });
    timer1_->start();
    DesactiverBoutons();
    MettreAJourMenuFichier();
    InstallerNavigationClavier(*this);
}

TMDI::~TMDI() {
    // The windows are destroyed after this object's members: they must not call back.
    disconnect(zone_, nullptr, this, nullptr);
    for (TChild* f : Feuilles()) disconnect(f, nullptr, this, nullptr);
}

void TMDI::RetablirTitre() {
    setWindowTitle(QStringLiteral("Quillora"));
    OuvrirDernier = false;
}

TChild* TMDI::FeuilleActive() const {
    QMdiSubWindow* w = zone_->activeSubWindow();
    return w ? qobject_cast<TChild*>(w->widget()) : nullptr;
}

QList<TChild*> TMDI::Feuilles() const {
    QList<TChild*> l;
    for (QMdiSubWindow* w : zone_->subWindowList())
        if (auto* f = qobject_cast<TChild*>(w->widget())) l << f;
    return l;
}

void TMDI::AfficherPeriode(const TClasse* classe, int periode) {
    QString texte;
    if (classe) {
        if (periode == 4)
            texte = QStringLiteral("Bilan");
        else if (periode == 5)
            texte = QStringLiteral("Année");
        else
            texte = QString::fromLatin1(MotCourtPeriode[IndexPeriodes(classe->NbPeriode)]) +
                    QString::number(periode);
    }
    if (v2_->text() != texte) v2_->setText(texte);
    v2_->setAccessibleName(NomPanneauPeriode(classe, periode));
    v3_->setText(texteQt(DateHeureTexte()));
}

void TMDI::activation(QMdiSubWindow* fenetre) {
    QWidget* w = fenetre ? fenetre->widget() : nullptr;
    TChild* feuille = qobject_cast<TChild*>(w);
    if (feuille == feuilleActive_ && feuille) return;
    if (feuilleActive_ && feuilleActive_ != feuille) {
        // What only a sheet can do goes off with it.
        for (const char* nom : {"SB4", "SB5", "SB7", "SB8", "SB9"})
            boutons_[QLatin1String(nom)]->setEnabled(false);
        afficherBoutonsApercu(false);
        feuilleActive_->viewport()->unsetCursor();
    }
    feuilleActive_ = feuille;
    afficherMenusFeuille(feuille);
    if (auto* statistique = qobject_cast<FenetreStatistique*>(w)) {
        activerStatistique(statistique);
        return;
    }
    if (!feuille) {
        feuilleActive_ = nullptr;
        afficherMenusFeuille(nullptr);
        MettreAJourMenuFichier();
        return;
    }
    activerFeuille(feuille);
}

void TMDI::activerFeuille(TChild* feuille) {
    feuilleActive_ = feuille;
    afficherMenusFeuille(feuille);
    AfficherPeriode(&feuille->Classe, feuille->Classe.PeriodeCourante);
    feuille->MettreAJourMenus();
}

void TMDI::activerStatistique(FenetreStatistique* fenetre) {
    MettreAJourMenuFichier();
    for (const char* nom : {"SB1", "SB4", "SB5", "SB7", "SB8", "SB9"})
        boutons_[QLatin1String(nom)]->setEnabled(false);
    for (const char* nom : {"SB2", "SB6"}) boutons_[QLatin1String(nom)]->setEnabled(true);
    AfficherPeriode(&fenetre->Classe, fenetre->PeriodeAffichee());
    connect(fenetre, &FenetreStatistique::periodeAffichee, this, &TMDI::periodeStatistique,
            Qt::UniqueConnection);
}

// A statistics window chose another period: the panel follows it while it is the active one.
void TMDI::periodeStatistique() {
    auto* fenetre = qobject_cast<FenetreStatistique*>(sender());
    QMdiSubWindow* active = zone_->activeSubWindow();
    if (fenetre && active && active->widget() == fenetre)
        AfficherPeriode(&fenetre->Classe, fenetre->PeriodeAffichee());
}

void TMDI::NotifierStatistiques(int code, int periode, int item, int eleve) {
    const auto fenetres = zone_->subWindowList();
    for (auto it = fenetres.rbegin(); it != fenetres.rend(); ++it)
        if (auto* s = qobject_cast<FenetreStatistique*>((*it)->widget()))
            s->Notifier(code, periode, item, eleve);
}

// The windows read the sheet's class: they go before it does, at once, so that nothing can
// reach them in between.
void TMDI::fermerStatistiques(const TClasse* classe) {
    for (QMdiSubWindow* w : zone_->subWindowList())
        if (auto* s = qobject_cast<FenetreStatistique*>(w->widget()); s && &s->Classe == classe)
            delete w;
}

void TMDI::FermerTous() {
    const auto fenetres = zone_->subWindowList();
    for (auto it = fenetres.rbegin(); it != fenetres.rend(); ++it) {
        QPointer<TChild> feuille = qobject_cast<TChild*>((*it)->widget());
        if (!feuille) continue;
        (*it)->close();
        if (feuille && !feuille->FermetureOK()) {
            FermetureOK = false;
            return;
        }
        delete *it; // destroyed at once, as the program always did
    }
}

void TMDI::closeEvent(QCloseEvent* event) {
    FermetureOK = true;
    FermerTous();
    if (!FermetureOK) {
        event->ignore();
        return;
    }
    const ResultatEcriture r = EcrireOptions(fichierOptions_.toStdString(), separateur_);
    if (!r.ok)
        dialogues().avertissement(this, titreAvertissement(), QString::fromStdString(r.erreur));
    event->accept();
}

void TMDI::afficherAide(const QString& aide) {
    if (aide.isEmpty())
        v3_->setText(texteQt(DateHeureTexte()));
    else
        v3_->setText(QStringLiteral("  [ ") + SansMnemonique(aide) + QStringLiteral(" ]"));
}

bool TMDI::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        afficherAide(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

} // namespace quillora
