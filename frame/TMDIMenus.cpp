// The frame's menu bar: the file, window and tools menus, the sheet's own menus slid in
// among them, and what each command may do at the moment.
#include <QMdiSubWindow>
#include <QMenuBar>

#include "Aide.h"
#include "Dialogues.h"
#include "Internet.h"
#include "Mosaique.h"
#include "Options.h"
#include "TChild.h"
#include "TDialOption.h"
#include "TDlgInfo.h"
#include "TMDI.h"
#include "ZoneClients.h"

namespace quillora {

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

QAction* TMDI::Action(const QString& nom) const {
    const auto it = actions_.find(nom);
    return it == actions_.end() ? nullptr : it->second;
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

void TMDI::afficherMenusFeuille(TChild* feuille) {
    QList<QPointer<QAction>> voulus;
    if (feuille)
        for (QMenu* m :
             {feuille->MenuEdition(), feuille->MenuClasse(), feuille->MenuNote(),
              feuille->MenuMatiere(), feuille->MenuAffichage(), feuille->MenuStatistique()})
            voulus << m->menuAction();
    // Every change lays the whole bar out again: the sheet already shown keeps its menus.
    if (voulus == menusFeuille_) return;
    for (const QPointer<QAction>& a : menusFeuille_)
        if (a) menuBar()->removeAction(a);
    QAction* avant = menuFenetre_->menuAction();
    for (const QPointer<QAction>& a : voulus) menuBar()->insertAction(avant, a);
    menusFeuille_ = voulus;
}

} // namespace quillora
