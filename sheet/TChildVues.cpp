// Choosing what the sheet shows: period, subject, table or preview, and the menus that
// follow the view.
#include <QActionGroup>
#include <QScrollBar>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "Options.h"
#include "Plateforme.h"
#include "TChild.h"

namespace quillora {

void TChild::creerMenus() {
    auto action = [this](QMenu* menu, const char* nom, const QString& texte) {
        QAction* a = menu->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        return a;
    };
    menuEdition_ = new QMenu(QStringLiteral("&Edition"), this);
    menuEdition_->setObjectName(QStringLiteral("MEdition"));
    creerMenusHistorique();
    creerMenuEditionDevoirs();
    M64 = action(menuEdition_, "M64", QStringLiteral("&Exporter le tableau"));
    M64->setStatusTip(QStringLiteral("Exporter vers un tableur"));
    connect(M64, &QAction::triggered, this, &TChild::ExporterTableau);
    MTableur =
        action(menuEdition_, "MTableur", QStringLiteral("Exporter vers un fichier &tableur..."));
    MTableur->setStatusTip(
        QStringLiteral("Enregistrer toute la classe dans un classeur qui recalcule ses moyennes"));
    connect(MTableur, &QAction::triggered, this, &TChild::ExporterTableur);

    creerMenuNote();
    menuAffichage_ = new QMenu(QStringLiteral("&Affichage"), this);
    menuAffichage_->setObjectName(QStringLiteral("MAffichage"));
    creerMenuStatistique();
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    auto groupe = [this](QObject* parent) {
        auto* g = new QActionGroup(parent);
        g->setExclusive(true);
        return g;
    };
    QActionGroup* periodes = groupe(menuAffichage_);
    QActionGroup* matieres = groupe(menuAffichage_);
    const char* nomsPeriode[] = {"Ntrim1", "Ntrim2", "Ntrim3", "NBilan"};
    const char* nomsMatiere[] = {"MenuM1", "MenuM2", "MenuM3", "MenuM4"};
    for (int i = 1; i <= 4; ++i) {
        ntrim_[i] = action(menuAffichage_, nomsPeriode[i - 1],
                           i == 4 ? QStringLiteral("&Année") : QString());
        ntrim_[i]->setCheckable(true);
        ntrim_[i]->setActionGroup(periodes);
        ntrim_[i]->setData(i);
        connect(ntrim_[i], &QAction::triggered, this, [this, i] { ChangerTrimestre(i); });
    }
    menuAffichage_->addSeparator();
    for (int i = 1; i <= 4; ++i) {
        menuM_[i] = action(menuAffichage_, nomsMatiere[i - 1],
                           i == 4 ? QStringLiteral("&Synthèse") : QString());
        menuM_[i]->setCheckable(true);
        menuM_[i]->setActionGroup(matieres);
        menuM_[i]->setData(i);
        connect(menuM_[i], &QAction::triggered, this, [this, i] { ChangerMatiere(i); });
    }
    for (int i = 1; i <= 8; ++i) {
        if (i == 5) popup_->addSeparator();
        const QString texte = i == 4   ? QStringLiteral("Année")
                              : i == 8 ? QStringLiteral("Synthèse")
                                       : QString();
        mpopup_[i] = action(popup_, ("MPopup" + std::to_string(i)).c_str(), texte);
        const int tag = i <= 4 ? i : i - 4;
        mpopup_[i]->setData(tag);
        if (i <= 4)
            connect(mpopup_[i], &QAction::triggered, this, [this, tag] { ChangerTrimestre(tag); });
        else
            connect(mpopup_[i], &QAction::triggered, this, [this, tag] { ChangerMatiere(tag); });
    }
    creerMenusClasse();
    creerMenuMatiere();
    creerMenuStatistique();
}

QString TChild::MotPeriode() const {
    return QString::fromLatin1(quillora::MotPeriode[IndexPeriodes(Classe.NbPeriode)]);
}

void TChild::TexteMenus() {
    const QString w = MotPeriode();
    for (int i = 1; i <= 3; ++i) {
        ntrim_[i]->setText(QStringLiteral("&") + w + QLatin1Char(' ') + QString::number(i));
        ntrim_[i]->setStatusTip(QStringLiteral("Afficher le ") + ntrim_[i]->text());
        mpopup_[i]->setText(ntrim_[i]->text());
        mpopup_[i]->setStatusTip(ntrim_[i]->statusTip());
    }
    QAction* M33 = mNote_[3];
    M33->setText(QStringLiteral("S&upprimer les notes du ") + w);
    M33->setStatusTip(QStringLiteral("Supprimer TOUTES les notes de ce ") + w);
    const bool trois = Classe.NbPeriode == 3;
    ntrim_[3]->setVisible(trois);
    mpopup_[3]->setVisible(trois);
    menuAffichage_->menuAction()->setStatusTip(QStringLiteral("Choisir le ") + w +
                                               QStringLiteral(" et la matière"));
    emit etatChange();
}

void TChild::TexteMatieres() {
    for (int i = 1; i <= 3; ++i) {
        // A "&" of the name is shown, not taken for the letter of a shortcut.
        menuM_[i]->setText(
            texteQt(Classe.Matiere[i].Nom).replace(QLatin1Char('&'), QStringLiteral("&&")));
        mpopup_[i + 4]->setText(menuM_[i]->text());
        const bool visible = i <= Classe.NbMatiere;
        menuM_[i]->setVisible(visible);
        mpopup_[i + 4]->setVisible(visible);
    }
}

void TChild::cocherVue() {
    ntrim_[Classe.PeriodeCourante]->setChecked(true);
    menuM_[Classe.MatiereCourante]->setChecked(true);
}

void TChild::MettreAJourMenus() {
    M64->setEnabled(true);
    menusClasseAJour();
    majMenusHistorique();
    for (int i = 1; i <= 4; ++i) {
        mpopup_[i]->setEnabled(i != Classe.PeriodeCourante);
        mpopup_[i + 4]->setEnabled(i != Classe.MatiereCourante);
    }
    menusDevoirsAJour();
    MettreAJourStatistiques();
    emit etatChange();
}

void TChild::ChangerTrimestre(int n) {
    if (!VerifierSaisieFinie()) {
        cocherVue(); // the menu item clicked stays unchecked
        return;
    }
    Classe.PeriodeCourante = static_cast<std::uint8_t>(n);
    cocherVue();
    Rafraichir();
    emit periodeChangee();
    emit notification(5, Classe.PeriodeCourante, 0, 0);
    effacerCurseur();
}

void TChild::ChangerMatiere(int n) {
    if (!VerifierSaisieFinie()) {
        cocherVue();
        return;
    }
    Classe.MatiereCourante = static_cast<std::uint8_t>(n);
    cocherVue();
    Rafraichir();
    emit periodeChangee();
    emit notification(7, Classe.PeriodeCourante, Classe.MatiereCourante, 0);
    effacerCurseur();
}

void TChild::PeriodeSuivante() {
    const int p = Classe.PeriodeCourante;
    ChangerTrimestre(p == 4 ? 1 : p >= Classe.NbPeriode ? 4 : p + 1);
}

void TChild::PeriodePrecedente() {
    const int p = Classe.PeriodeCourante;
    ChangerTrimestre(p == 4 ? Classe.NbPeriode : p == 1 ? 4 : p - 1);
}

void TChild::MatiereSuivante() {
    const int s = Classe.MatiereCourante;
    ChangerMatiere(s == 4 ? 1 : s >= Classe.NbMatiere ? 4 : s + 1);
}

void TChild::BasculerApercu() {
    if (!VerifierSaisieFinie()) return;
    ModeApercu = !ModeApercu;
    if (ModeApercu) {
        MesurerImprimante();
        // One page fits the window's height.
        ZoomApercu = (viewport()->height() - 15) / (HauteurPage * RapportEcranImprimante);
    }
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    Rafraichir();
}

void TChild::AfficherApercu() {
    if (!VerifierSaisieFinie()) return;
    if (!plateforme().imprimanteInstallee()) {
        dialogues().avertissement(this, titreAvertissement(),
                                  QStringLiteral("Aucune imprimante connectée."));
        return;
    }
    if (!ModeApercu) BasculerApercu();
}

void TChild::ZoomPlus() {
    if (!VerifierSaisieFinie()) return;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    if (ZoomApercu >= 4) {
        plateforme().bip();
        return;
    }
    ZoomApercu *= 2;
    Rafraichir();
}

void TChild::ZoomMoins() {
    if (!VerifierSaisieFinie()) return;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    if (ZoomApercu <= 0.1) {
        plateforme().bip();
        return;
    }
    ZoomApercu /= 2;
    Rafraichir();
}

void TChild::DefilementRapide(bool horizontal) {
    QScrollBar* barre = horizontal ? horizontalScrollBar() : verticalScrollBar();
    bool& bascule = horizontal ? DefilementRapideH : DefilementRapideV;
    barre->setValue(bascule ? barre->maximum() : 0);
    bascule = !bascule;
}

} // namespace quillora
