#include "FenetreStatistique.h"

#include <QFileInfo>
#include <QVBoxLayout>
#include <algorithm>

#include "Aide.h"
#include "ConversionsQt.h"
#include "NomAccessible.h"
#include "Options.h"
#include "Pictogrammes.h"

namespace quillora {

FenetreStatistique::FenetreStatistique(const TClasse& classe, const QString& sujetAide,
                                       QWidget* parent)
    : QWidget(parent), Classe(classe) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    auto* haut = new QWidget(this);
    haut->setObjectName(QStringLiteral("Panel1"));
    barre_ = new QHBoxLayout(haut);
    barre_->setContentsMargins(4, 3, 4, 3);
    barre_->setSpacing(1);
    colonne->addWidget(haut);

    // Help stays at the right end, whatever each window puts before it.
    barre_->addStretch(1);
    QToolButton* aide = bouton("SpeedButton1", {}, QStringLiteral("Aide"));
    barre_->removeWidget(aide);
    barre_->addWidget(aide);
    aide->setIcon(IconeStatistique(PictoStat::Aide));
    connect(aide, &QToolButton::clicked, this, [sujetAide] { AfficherAide(sujetAide); });
    QToolButton* imprimer = bouton("SB32", {}, QStringLiteral("Imprimer"));
    imprimer->setIcon(IconeStatistique(PictoStat::Imprimante));
    connect(imprimer, &QToolButton::clicked, this, [this] { Imprimer(); });
}

void FenetreStatistique::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (ordonne_) return;
    ordonne_ = true;
    QWidget* precedent = nullptr;
    const auto suivre = [&precedent](QWidget* w) {
        if (!w || !(w->focusPolicy() & Qt::TabFocus)) return;
        if (precedent) setTabOrder(precedent, w);
        precedent = w;
    };
    if (layout()->count() > 1) suivre(layout()->itemAt(1)->widget());
    for (int i = 0; i < barre_->count(); ++i) suivre(barre_->itemAt(i)->widget());
}

QToolButton* FenetreStatistique::bouton(const char* nom, const QString& texte, const QString& aide,
                                        QButtonGroup* groupe, int id) {
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(nom));
    b->setAutoRaise(true);
    b->setMinimumSize(24, 24);
    b->setText(texte);
    b->setToolTip(aide);
    b->setStatusTip(aide);
    NommerParBulle(b);
    if (groupe) {
        b->setCheckable(true);
        groupe->addButton(b, id);
    }
    ajouter(b);
    return b;
}

void FenetreStatistique::ajouter(QWidget* w) {
    // Before the stretch that keeps help at the end.
    barre_->insertWidget(std::max(0, barre_->count() - 2), w);
}

void FenetreStatistique::separer() {
    barre_->insertSpacing(std::max(0, barre_->count() - 2), 10);
}

QButtonGroup* FenetreStatistique::groupe() {
    auto* g = new QButtonGroup(this);
    g->setExclusive(true);
    return g;
}

void FenetreStatistique::remplirEleves(QComboBox* liste) {
    const QSignalBlocker bloque(liste);
    liste->clear();
    liste->addItem(QStringLiteral(" < Moyenne Classe >"));
    for (int e = 1; e <= Classe.NbEleve; ++e)
        liste->addItem(QString::number(e) + QStringLiteral(" - ") +
                       texteQt(Classe.NomEleve(e, true)));
    liste->setCurrentIndex(0);
}

void FenetreStatistique::presser(QButtonGroup* groupe, int id) {
    if (QAbstractButton* b = groupe->button(id)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group keeps one button down: let go of it to show none.
    groupe->setExclusive(false);
    for (QAbstractButton* b : groupe->buttons()) b->setChecked(false);
    groupe->setExclusive(true);
}

QString FenetreStatistique::FichierPdf() const {
    const QFileInfo classe(QString::fromStdString(Classe.NomFichier));
    return classe.path() + QLatin1Char('/') + classe.completeBaseName() +
           QStringLiteral("-statistiques.pdf");
}

QFont FenetreStatistique::PoliceOptions() {
    QFont police(QString::fromStdString(Options.polname));
    police.setBold(Options.polstyle.gras);
    police.setItalic(Options.polstyle.italique);
    police.setUnderline(Options.polstyle.souligne);
    return police;
}

void FenetreStatistique::fixerTitre(const QString& suffixe, int longueur) {
    setWindowTitle((texteQt(Classe.AbrevClasse.view()) + suffixe).left(longueur));
}

} // namespace quillora
