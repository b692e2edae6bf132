#include "TMDI.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "Aide.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "FenetreStatistique.h"
#include "IconesBoutons.h"
#include "Internet.h"
#include "Mosaique.h"
#include "NavigationClavier.h"
#include "Options.h"
#include "Pictogrammes.h"
#include "Plateforme.h"
#include "Programme.h"
#include "TChild.h"
#include "TDialOption.h"
#include "TDlgInfo.h"
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

void TMDI::creerMenus() {
    auto ajouter = [this](QMenu* menu, const char* nom, const QString& texte,
                          std::function<void()> action) {
        QAction* a = menu->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        if (action) connect(a, &QAction::triggered, this, std::move(action));
        actions_[QLatin1String(nom)] = a;
        return a;
    };
    auto surFeuille = [this](void (TChild::*commande)()) {
        return [this, commande] {
            if (TChild* f = FeuilleActive()) (f->*commande)();
        };
    };

    menuFichier_ = menuBar()->addMenu(QStringLiteral("&Fichier"));
    menuFichier_->setObjectName(QStringLiteral("MFichier"));
    ajouter(menuFichier_, "M10", QStringLiteral("&Nouvelle classe..."), [this] {
        RetablirTitre();
        OuvrirClasse({});
    })->setShortcut(QKeySequence::New);
    ajouter(menuFichier_, "M10Liste", QStringLiteral("Nouvelle classe depuis une &liste..."),
            [this] {
                RetablirTitre();
                OuvrirClasse({}, true);
            })
        ->setStatusTip(QStringLiteral("Créer une classe à partir d'une liste d'élèves"));
    ajouter(menuFichier_, "M11", QStringLiteral("&Ouvrir..."), [this] { ouvrir(); });
    ajouter(menuFichier_, "M12", QStringLiteral("&Sauver"), [this] { sauver(); });
    ajouter(menuFichier_, "M13", QStringLiteral("S&auver sous..."), [this] {
        if (TChild* f = FeuilleActive()) f->EnregistrerSous();
    });
    ajouter(menuFichier_, "M14", QStringLiteral("Sa&uver tous"), [this] {
        for (TChild* f : Feuilles()) f->EnregistrerAvecCopie();
    });
    ajouter(menuFichier_, "M15", QStringLiteral("&Fermer"), [this] {
        if (QMdiSubWindow* w = zone_->activeSubWindow()) w->close();
    });
    ajouter(menuFichier_, "M16", QStringLiteral("F&ermer tous"), [this] { FermerTous(); });
    ajouter(menuFichier_, "M17", QStringLiteral("Effa&cer"), surFeuille(&TChild::EffacerFichier));
    menuFichier_->addSeparator();
    ajouter(menuFichier_, "M17a", QStringLiteral("Envoyer par mail"),
            surFeuille(&TChild::MenuEnvoyerMail));
    menuFichier_->addSeparator();
    ajouter(menuFichier_, "M18", QStringLiteral("&Imprimer..."), [this] {
        if (TChild* f = FeuilleActive()) f->Imprimer(true);
    });
    ajouter(menuFichier_, "M19", QStringLiteral("C&onfigurer l'imprimante..."),
            surFeuille(&TChild::ConfigurerImprimante));
    ajouter(menuFichier_, "M21", QStringLiteral("&Aperçu avant impression"),
            surFeuille(&TChild::AfficherApercu));
    menuFichier_->addSeparator();
    ajouter(menuFichier_, "M20", QStringLiteral("&Quitter"), [this] { close(); });
    menuFichier_->addSeparator();
    for (int i = 1; i <= 3; ++i)
        ajouter(menuFichier_, ("MenuF" + std::to_string(i)).c_str(),
                QStringLiteral("Fichier %1").arg(i), [this, i] { ouvrirRecent(i); });
    connect(menuFichier_, &QMenu::aboutToShow, this, &TMDI::MettreAJourMenuFichier);
    // The keys every desktop program answers to, shown beside the commands.
    const std::pair<const char*, QKeySequence::StandardKey> raccourcis[] = {
        {"M11", QKeySequence::Open},
        {"M12", QKeySequence::Save},
        {"M18", QKeySequence::Print},
        {"M20", QKeySequence::Quit}};
    for (const auto& [nom, touches] : raccourcis)
        actions_[QLatin1String(nom)]->setShortcut(touches);

    menuFenetre_ = menuBar()->addMenu(QStringLiteral("Fe&nêtre"));
    menuFenetre_->setObjectName(QStringLiteral("MFenetre"));
    ajouter(menuFenetre_, "MMosaiqueH", QStringLiteral("Mosaïque &horizontale"), [this] {
        // One window under the other, each as wide as the frame.
        const auto fenetres = zone_->subWindowList();
        if (fenetres.isEmpty()) return;
        const int h = zone_->viewport()->height() / fenetres.size();
        int y = 0;
        for (QMdiSubWindow* w : fenetres) {
            w->showNormal();
            w->setGeometry(0, y, zone_->viewport()->width(), h);
            y += h;
        }
    });
    ajouter(menuFenetre_, "MMosaiqueV", QStringLiteral("Mosaïque &verticale"),
            [this] { DisposerEnMosaique(zone_); });
    ajouter(menuFenetre_, "MCascade", QStringLiteral("&Cascade"), [this] { cascade(); });
    ajouter(menuFenetre_, "MIcone", QStringLiteral("&Arranger les icones"),
            [this] { arrangerIcones(); });
    ajouter(menuFenetre_, "MReduire", QStringLiteral("&Réduire toutes"), [this] {
        const auto fenetres = zone_->subWindowList();
        for (auto it = fenetres.rbegin(); it != fenetres.rend(); ++it) (*it)->showMinimized();
    });
    separateurFenetre_ = menuFenetre_->addSeparator();
    connect(menuFenetre_, &QMenu::aboutToShow, this, &TMDI::remplirMenuFenetre);
    for (const char* nom : {"MMosaiqueH", "MMosaiqueV", "MCascade", "MIcone", "MReduire"})
        actions_[QLatin1String(nom)]->setEnabled(false);

    menuOutils_ = menuBar()->addMenu(QStringLiteral("&Outils"));
    menuOutils_->setObjectName(QStringLiteral("Aide1"));
    ajouter(menuOutils_, "Options1", QStringLiteral("&Options..."), [this] {
        options();
    })->setStatusTip(QStringLiteral("Configuration du logiciel"));
    menuOutils_->addSeparator();
    ajouter(menuOutils_, "Aide2", QStringLiteral("&Aide"), [] { AfficherAide(); });
    ajouter(menuOutils_, "Aproposde1", QStringLiteral("A propos de..."), [this] {
        TDlgInfo info(this);
        info.exec();
    });
    QMenu* internet = menuOutils_->addMenu(QStringLiteral("&Internet"));
    internet->setObjectName(QStringLiteral("Internet1"));
    ajouter(internet, "Int4", QStringLiteral("Aller au site officiel"),
            [this] { AllerAuSiteOfficiel(this); });
    ajouter(internet, "Int2", QStringLiteral("Contacter l'auteur"),
            [this] { ContacterAuteur(this); });
}

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

QAction* TMDI::Action(const QString& nom) const {
    const auto it = actions_.find(nom);
    return it == actions_.end() ? nullptr : it->second;
}

QToolButton* TMDI::Bouton(const QString& nom) const {
    const auto it = boutons_.find(nom);
    return it == boutons_.end() ? nullptr : it->second;
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

TChild* TMDI::OuvrirClasse(const QString& nomFichier, bool depuisListe) {
    const QString chemin = cheminClasse(nomFichier);
    // A class open twice would be saved twice, each copy losing the other's grades.
    const QString canonique = QFileInfo(chemin).canonicalFilePath();
    for (TChild* f : Feuilles())
        if (!canonique.isEmpty() &&
            QFileInfo(QString::fromStdString(f->Classe.NomFichier)).canonicalFilePath() ==
                canonique) {
            zone_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(f->parentWidget()));
            return f;
        }

    auto* feuille = new TChild;
    connect(feuille, &TChild::fichiersRecentsChanges, this, &TMDI::MettreAJourMenuRecents);
    if (nomFichier.isEmpty()) {
        if (!feuille->NouvelleClasse(dossierClasses(), this, depuisListe)) {
            delete feuille;
            return nullptr;
        }
    } else if (const Resultat r = feuille->OuvrirFichier(chemin.toStdString()); !r) {
        delete feuille;
        dialogues().erreur(this, titreErreur(), QString::fromStdString(r.erreur));
        return nullptr;
    }
    installerFeuille(feuille);
    // Over the class as saved, so that the teacher sees what recovering would change.
    if (!nomFichier.isEmpty()) feuille->ReprendreJournal();
    return feuille;
}

void TMDI::installerFeuille(TChild* feuille) {
    connect(feuille, &TChild::fichiersRecentsChanges, this, &TMDI::MettreAJourMenuRecents,
            Qt::UniqueConnection);
    connect(feuille, &TChild::periodeChangee, this, [this, feuille] {
        if (feuille == FeuilleActive())
            AfficherPeriode(&feuille->Classe, feuille->Classe.PeriodeCourante);
    });
    connect(feuille, &TChild::etatChange, this, [this, feuille] {
        if (feuille == FeuilleActive()) suivreFeuille();
    });
    // The cell under the grade cursor, or the clock again once off the cells.
    connect(feuille, &TChild::statut, this, [this](const QString& texte, bool heure) {
        MajHeure = heure;
        v3_->setText(texte);
    });
    connect(feuille, &TChild::notification, this, &TMDI::NotifierStatistiques);
    connect(feuille, &TChild::fermeture, this, [this, feuille] {
        fermerStatistiques(&feuille->Classe);
        AfficherPeriode(nullptr, 0);
        MettreAJourMenuFenetre(true);
    });
    connect(feuille, &QObject::destroyed, this, [this] {
        DesactiverBoutons();
        AfficherPeriode(nullptr, 0);
        MettreAJourMenuFichier();
        // The next sheet was activated before this one was gone: what the destruction
        // just turned off must be turned on again for it.
        if (TChild* suivante = FeuilleActive()) activerFeuille(suivante);
    });
    QMdiSubWindow* avant = zone_->activeSubWindow();
    QMdiSubWindow* fenetre = zone_->addSubWindow(feuille);
    placer(fenetre, avant);
    feuille->show();
    zone_->setActiveSubWindow(fenetre);
    feuille->setFocus();
    MettreAJourMenuFenetre(false);
    AfficherPeriode(&feuille->Classe, feuille->Classe.PeriodeCourante);
}

QString TMDI::dossierClasses() const {
    // The program's own folder is not the teacher's to write in: a new class goes where
    // the last one came from, or else among the documents, or else home, whichever exists.
    QStringList dossiers{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                         QDir::homePath()};
    if (!Options.liste[1].empty())
        dossiers.prepend(QFileInfo(QString::fromStdString(Options.liste[1])).absolutePath());
    for (const QString& d : dossiers)
        if (!d.isEmpty() && QFileInfo(d).isDir()) return d;
    return QDir::homePath();
}

void TMDI::ouvrir() {
    RetablirTitre();
    QString dossier = DossierProgramme();
    if (!Options.liste[1].empty())
        dossier = QFileInfo(QString::fromStdString(Options.liste[1])).absolutePath();
    const QString f = dialogues().fichierAOuvrir(this, QStringLiteral("Ouvrir une classe"), dossier,
                                                 QStringLiteral("Classes (*.cl3)"));
    if (!f.isEmpty()) OuvrirClasse(f);
}

void TMDI::ouvrirRecent(int i) {
    RetablirTitre();
    OuvrirClasse(QString::fromStdString(Options.liste[i]));
}

void TMDI::options() {
    bool confirme;
    if (TChild* f = FeuilleActive()) {
        confirme = f->OuvrirOptions(fichierOptions_, separateur_);
    } else {
        TDialOption dialogue(this, fichierOptions_, separateur_);
        confirme = dialogues().executer(dialogue) == QDialog::Accepted;
    }
    if (!confirme) return;
    // After the names were re-cased, so that their column is measured on them as shown.
    const QList<TChild*> feuilles = Feuilles();
    for (auto it = feuilles.rbegin(); it != feuilles.rend(); ++it) (*it)->OptionsChangees();
}

void TMDI::MettreAJourMenuRecents() {
    for (int i = 1; i <= 3; ++i) {
        QAction* a = actions_[QStringLiteral("MenuF%1").arg(i)];
        const QString nom = QString::fromStdString(Options.liste[i]);
        a->setVisible(!nom.isEmpty());
        // A "&" of the path is shown, not taken for the letter of a shortcut.
        if (!nom.isEmpty())
            a->setText(QString(nom).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

void TMDI::MettreAJourMenuFichier() {
    const int n = static_cast<int>(Feuilles().size());
    TChild* active = FeuilleActive();
    const bool actif = active != nullptr;
    actions_[QStringLiteral("M12")]->setEnabled(actif && active->Modifie);
    boutons_[QStringLiteral("SB1")]->setEnabled(actions_[QStringLiteral("M12")]->isEnabled());
    for (const char* nom : {"M13", "M15", "M17", "M17a", "M18", "M19", "M21"})
        actions_[QLatin1String(nom)]->setEnabled(actif);
    actions_[QStringLiteral("M14")]->setEnabled(actif && n > 1);
    actions_[QStringLiteral("M16")]->setEnabled(actions_[QStringLiteral("M14")]->isEnabled());
    boutons_[QStringLiteral("SB2")]->setEnabled(n != 0);
    boutons_[QStringLiteral("SB7")]->setEnabled(actif);
}

void TMDI::MettreAJourMenuFenetre(bool enFermeture) {
    const bool cascade = enFermeture ? zone_->subWindowList().size() > 1 : true;
    for (const char* nom : {"MCascade", "MMosaiqueV", "MMosaiqueH", "MIcone", "MReduire"})
        actions_[QLatin1String(nom)]->setEnabled(cascade);
}

void TMDI::remplirMenuFenetre() {
    // The list of open windows follows the commands, the active one checked.
    const auto actions = menuFenetre_->actions();
    for (int i = static_cast<int>(actions.indexOf(separateurFenetre_)) + 1; i < actions.size();
         ++i) {
        menuFenetre_->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    int i = 1;
    for (QMdiSubWindow* w : zone_->subWindowList()) {
        QAction* a = menuFenetre_->addAction(QStringLiteral("&%1 %2").arg(i++).arg(
            w->windowTitle()
                .remove(QStringLiteral("[*]"))
                .replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setCheckable(true);
        a->setChecked(w == zone_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { zone_->setActiveSubWindow(w); });
    }
    separateurFenetre_->setVisible(i > 1);
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

void TMDI::DesactiverBoutons() {
    for (auto& [nom, b] : boutons_)
        if (nom != QLatin1String("SB3")) b->setEnabled(false);
}

void TMDI::afficherBoutonsApercu(bool apercu) {
    for (const char* nom : {"SB10", "SB11", "SB12", "SB13"})
        boutons_[QLatin1String(nom)]->setVisible(apercu);
    v1_->setFixedWidth(apercu ? LargeurV1Apercu : LargeurV1Tableau);
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

void TMDI::afficherMenusFeuille(TChild* feuille) {
    for (QAction* a : menusFeuille_) menuBar()->removeAction(a);
    menusFeuille_.clear();
    if (!feuille) return;
    QAction* avant = menuFenetre_->menuAction();
    for (QMenu* m :
         {feuille->MenuEdition(), feuille->MenuClasse(), feuille->MenuNote(),
          feuille->MenuMatiere(), feuille->MenuAffichage(), feuille->MenuStatistique()}) {
        menuBar()->insertAction(avant, m->menuAction());
        menusFeuille_ << m->menuAction();
    }
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
