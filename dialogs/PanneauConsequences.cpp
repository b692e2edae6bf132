#include "PanneauConsequences.h"

#include <QBoxLayout>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <string>

#include "FichierAtomique.h"
#include "Ini.h"
#include "Programme.h"

namespace quillora {

namespace {

const char* const Section = "Consequences";
const char* const Cle = "replie";

bool lireReplie() {
    QFile f(FichierConsequences());
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray octets = f.read(4096);
    const FichierIni ini =
        FichierIni::Analyser(std::string_view(octets.constData(), octets.size()));
    const std::string* v = ini.Valeur(Section, Cle);
    return v && *v == "1";
}

void ecrireReplie(bool replie) {
    FichierIni ini;
    ini.Ecrire(Section, Cle, replie ? "1" : "0");
    const std::string texte = ini.Texte();
    std::string raison;
    // Not worth a message: the panel only opens unfolded next time.
    EcrireFichierAtomique(FichierConsequences().toStdString(), texte.data(), texte.size(), raison);
}

} // namespace

PanneauConsequences::PanneauConsequences(const ImageClasse& avant, const TClasse& courante, int s,
                                         int p, Changement changement, QWidget* parent)
    : QWidget(parent), avant_(std::make_unique<TClasse>()), optionsAvant_(Options),
      apres_(std::make_unique<TClasse>()), courante_(courante), vues_(VuesConcernees(s, p)),
      changement_(std::move(changement)), replie_(lireReplie()) {
    setObjectName(QStringLiteral("Consequences"));
    avant_->Image() = avant;

    titre_ = new QToolButton(this);
    titre_->setObjectName(QStringLiteral("Replier"));
    titre_->setText(QStringLiteral("Conséquences"));
    titre_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    titre_->setAutoRaise(true);
    titre_->setToolTip(QStringLiteral("Les élèves dont la moyenne affichée, le passage de la "
                                      "moyenne ou le rang changeraient en validant"));
    resume_ = new QLabel(this);
    resume_->setObjectName(QStringLiteral("Resume"));
    // The summary's length must not widen the dialog at each change: the panel is made wide
    // enough for the longest one instead.
    resume_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("ListeConsequences"));
    liste_->setSelectionMode(QAbstractItemView::NoSelection);
    // Reached by Tab last, so that a screen reader can read it line by line; a line too long
    // for the panel goes on below rather than losing its end (the rank comes last).
    liste_->setFocusPolicy(Qt::TabFocus);
    liste_->setAccessibleName(QStringLiteral("Conséquences"));
    liste_->setWordWrap(true);
    liste_->setTextElideMode(Qt::ElideNone);
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Six whole lines at a time.
    liste_->addItem(QStringLiteral("X"));
    liste_->setFixedHeight(6 * liste_->sizeHintForRow(0) + 2 * liste_->frameWidth());
    liste_->clear();

    const QString resumeLong =
        QStringLiteral("45 élèves changent, 45 passent au-dessus de la moyenne, 45 en dessous");
    setMinimumWidth(titre_->sizeHint().width() + 12 +
                    resume_->fontMetrics().horizontalAdvance(resumeLong));
    auto* haut = new QHBoxLayout;
    haut->setContentsMargins(0, 0, 0, 0);
    haut->addWidget(titre_);
    haut->addWidget(resume_, 1);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(2);
    colonne->addLayout(haut);
    colonne->addWidget(liste_);

    connect(titre_, &QToolButton::clicked, this, [this] {
        Replier(!replie_);
        ecrireReplie(replie_);
    });
    montrer();
    Actualiser();
}

PanneauConsequences::~PanneauConsequences() = default;

void PanneauConsequences::Replier(bool replie) {
    if (replie == replie_) return;
    replie_ = replie;
    montrer();
    // A dialog laid out by its layout takes the new height from it; one placed by hand is told.
    if (QWidget* w = window(); w != this && w->layout()) {
        w->layout()->activate();
        w->adjustSize();
    }
    emit tailleChangee();
}

void PanneauConsequences::montrer() {
    titre_->setArrowType(replie_ ? Qt::RightArrow : Qt::DownArrow);
    liste_->setVisible(!replie_);
}

void PanneauConsequences::Actualiser() {
    apres_->Image() = courante_.Image();
    TOptions options = Options;
    if (changement_) changement_(*apres_, options);
    const std::vector<Consequence> liste =
        Consequences({*avant_, optionsAvant_}, {*apres_, options}, vues_);
    resume_->setText(QString::fromStdString(ResumeConsequences(liste)));
    liste_->setUpdatesEnabled(false);
    liste_->clear();
    for (const Consequence& x : liste) {
        auto* item = new QListWidgetItem(QString::fromStdString(LigneConsequence(*avant_, x, ',')));
        if (x.franchissement != Franchissement::Aucun) {
            QFont gras = liste_->font();
            gras.setBold(true);
            item->setFont(gras);
        }
        liste_->addItem(item);
    }
    liste_->setUpdatesEnabled(true);
}

QString PanneauConsequences::Resume() const {
    return resume_->text();
}

QStringList PanneauConsequences::Lignes() const {
    QStringList l;
    for (int i = 0; i < liste_->count(); ++i) l << liste_->item(i)->text();
    return l;
}

void InsererPanneau(QBoxLayout* colonne, PanneauConsequences* panneau, int espaces) {
    colonne->insertWidget(colonne->count() - 1 - espaces, panneau);
}

QString FichierConsequences() {
    return FichierDuProgramme(QStringLiteral("Consequences.ini"));
}

} // namespace quillora
