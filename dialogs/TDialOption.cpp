// The options dialog as a whole: its tabs and buttons put in place, the copy of the settings
// filled into the controls and read back from them, and OK that puts it in force.
#include "TDialOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <cmath>
#include <optional>

#include "Aide.h"
#include "ApercuOptions.h"
#include "ConversionsQt.h"
#include "Dialogues.h"
#include "OptionsInterne.h"
#include "TColorPanel.h"
#include "TJppPageControl.h"
#include "TSaisieNombre.h"

namespace quillora {

namespace {

constexpr int LargeurClient = 623;
constexpr int HauteurClient = 407;
constexpr int Bord = 8;

// A number with "." as its separator; a comma typed became one, a stored comma is none.
std::optional<double> nombrePoint(const QString& t) {
    bool ok = false;
    const double v = t.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A print correction factor: a factor of zero or less would print nothing, so it counts
// as unreadable too.
double facteur(const QString& t) {
    const auto v = nombrePoint(t);
    return v && *v > 0 ? *v : 1.0;
}

// The whole text as long as its UTF-8 bytes fit in `octets`, else shortened.
std::string coupe(QString t, std::size_t octets) {
    while (static_cast<std::size_t>(t.toUtf8().size()) > octets) t.chop(1);
    return t.toStdString();
}

} // namespace

TDialOption::TDialOption(QWidget* parent, const QString& fichierOptions, char separateur)
    : QDialog(parent), CopieOptions(Options), fichierOptions_(fichierOptions),
      separateur_(separateur) {
    setWindowTitle(QStringLiteral("Choix des options"));
    setFixedSize(LargeurClient, HauteurClient);

    onglets_ = new TJppPageControl(this);
    onglets_->setObjectName(QStringLiteral("PageControl1"));
    onglets_->addTab(pageDivers(), QStringLiteral("Divers"));
    onglets_->addTab(pageCouleur(), QStringLiteral("Couleur"));
    onglets_->addTab(pagePolice(), QStringLiteral("Police"));
    onglets_->addTab(pageImpression(), QStringLiteral("Impression"));
    onglets_->addTab(pageSauvegarde(), QStringLiteral("Sauvegarde"));
    onglets_->addTab(pageTitre(), QStringLiteral("Titre imprimé"));
    onglets_->addTab(pageLettres(), QStringLiteral("Lettre + Chiffre"));
    onglets_->addTab(pageSaisie(), QStringLiteral("Saisie des notes"));
    const int yApercu = HauteurClient - Bord - HauteurApercu;
    onglets_->setGeometry(4, 4, LargeurClient - 8, yApercu - 8);
    onglets_->setCurrentIndex(0);

    apercu_ = new SurfaceApercu(CopieOptions, this);
    apercu_->setObjectName(QStringLiteral("Apercu"));
    apercu_->move(Bord, yApercu);

    const int xBoutons = Bord + LargeurApercu + 14;
    int y = yApercu;
    auto bouton = [&](const QString& texte, const char* nom) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QLatin1String(nom));
        b->setGeometry(xBoutons, y, LargeurClient - Bord - xBoutons, 30);
        y += 38;
        return b;
    };
    QPushButton* ok = bouton(QStringLiteral("OK"), "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TDialOption::accept);
    connect(bouton(QStringLiteral("Annuler"), "Annuler"), &QPushButton::clicked, this,
            &TDialOption::reject);
    connect(bouton(QStringLiteral("Aide"), "Aide"), &QPushButton::clicked, this,
            [] { AfficherAide(QStringLiteral("LesOptions")); });

    remplir();
    MajExempleTitre();
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

TDialOption::~TDialOption() = default;

void TDialOption::remplir() {
    const TOptions& o = CopieOptions;
    for (auto& [champ, c] : cases_) c->setChecked(o.*champ);
    for (int i = 1; i <= 12; ++i) couleurs_[i]->setColor(couleurQt(o.couleur[i]));
    police_->setText(texteQt(o.polname));
    const auto trouvees = polices_->findItems(police_->text(), Qt::MatchExactly);
    if (!trouvees.isEmpty()) {
        const QSignalBlocker bloque(polices_);
        polices_->setCurrentItem(trouvees.first());
        polices_->scrollToItem(trouvees.first(), QAbstractItemView::PositionAtTop);
    }
    gras_->setChecked(o.polstyle.gras);
    italique_->setChecked(o.polstyle.italique);
    tailleP_->setText(uneDecimale(o.zoomP));
    tailleD_->setText(uneDecimale(o.zoomD));
    // The lists open where the sizes in force are, nothing picked yet.
    for (auto [liste, champ] : {std::pair{taillesP_, tailleP_}, std::pair{taillesD_, tailleD_}})
        if (const auto l = liste->findItems(champ->text(), Qt::MatchExactly); !l.isEmpty())
            liste->scrollToItem(l.first(), QAbstractItemView::PositionAtTop);
    kd_->setText(QString::number(o.kd, 'f', 2));
    kp_->setText(QString::number(o.kp, 'f', 2));
    repsauve_->setText(QString::fromStdString(o.repsauve));
    notemax_->setValeurI(o.notemax);
    coefmax_->setValeurI(o.coefmax);
    notemoy_->setValeurI(o.notemoy);
    {
        const QSignalBlocker bloque(styleLigne_);
        styleLigne_->setCurrentIndex(2 - std::min<int>(o.relief, 2));
    }
    for (int i = 1; i <= 15; ++i) {
        lettres_->item(0, i)->setText(texteQt(o.cores[i].coresL));
        lettres_->item(1, i)->setText(uneDecimale(o.cores[i].coresV));
    }
    separateurs_->setCurrentIndex(o.indsep);
    majActivation();
}

void TDialOption::majActivation() {
    const bool verifier = findChild<QCheckBox*>(QStringLiteral("verification"))->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{domaine_, notemax_, coefmax_})
        w->setEnabled(verifier);
    const bool moitie = findChild<QCheckBox*>(QStringLiteral("moydiv2"))->isChecked();
    notemoy_->setEnabled(!moitie);
    // The pass mark the box promises, half the maximum grade, is the one the field shows and
    // OK stores.
    if (moitie && notemax_->Valide()) notemoy_->setValeurI(notemax_->ValeurI() / 2);
}

void TDialOption::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    ApercuActif = true;
}

void TDialOption::changementVivant() {
    if (!ApercuActif) return;
    LireControles();
    apercu_->update();
}

void TDialOption::tailleChoisie(QListWidget* liste, QLineEdit* champ, QLineEdit* autre) {
    QListWidgetItem* choisi = liste->currentItem();
    if (!choisi) return;
    champ->setText(choisi->text());
    // The box as it stands now: unticked a moment ago, it no longer ties the sizes.
    if (findChild<QCheckBox*>(QStringLiteral("tailleid"))->isChecked())
        autre->setText(choisi->text());
    changementVivant();
}

void TDialOption::LireControles() {
    TOptions& o = CopieOptions;
    for (auto& [champ, c] : cases_) o.*champ = c->isChecked();

    // "/" closes the folder so that the file name can follow it; an empty field means no
    // folder at all, not the root of the disk. A drive letter left from an old settings file
    // keeps its own "\", so that it is still recognised and refused as such.
    QString dossier = repsauve_->text();
    if (!dossier.isEmpty() && !dossier.endsWith(QLatin1Char('/')) &&
        !dossier.endsWith(QLatin1Char('\\'))) {
        o.repsauve = coupe(dossier, 254) + "/";
    } else {
        o.repsauve = coupe(dossier, 255);
    }

    if (QListWidgetItem* p = polices_->currentItem()) o.polname = texteModele(p->text().left(32));
    if (const auto v = nombrePoint(tailleP_->text()); v && *v > 0) o.zoomP = *v;
    if (const auto v = nombrePoint(tailleD_->text()); v && *v > 0) o.zoomD = *v;
    // Underline is never part of the sheet's font once the options are confirmed.
    o.polstyle = {gras_->isChecked(), italique_->isChecked(), false};
    // A field typed out of its range keeps the value it had: OK refuses it anyway.
    if (notemax_->Valide()) o.notemax = static_cast<std::uint8_t>(notemax_->ValeurI());
    if (coefmax_->Valide()) o.coefmax = static_cast<std::uint8_t>(coefmax_->ValeurI());
    if (notemoy_->Valide()) o.notemoy = static_cast<std::uint8_t>(notemoy_->ValeurI());
    o.relief = static_cast<std::uint8_t>(2 - styleLigne_->currentIndex());
    for (int i = 1; i <= 15; ++i) {
        o.cores[i].coresL = texteModele(lettres_->item(0, i)->text().left(2));
        if (const auto v = nombrePoint(lettres_->item(1, i)->text())) o.cores[i].coresV = *v;
    }
    if (separateurs_->currentIndex() >= 0)
        o.indsep = static_cast<std::uint8_t>(separateurs_->currentIndex());
    for (int i = 1; i <= 12; ++i) o.couleur[i] = couleurModele(couleurs_[i]->Color());
}

void TDialOption::MajExempleTitre() {
    if (separateurs_->currentIndex() < 0) return;
    const bool annee = findChild<QCheckBox*>(QStringLiteral("imprimerAnnee"))->isChecked();
    exemple_->setText(TitreExemple(separateurs_->currentIndex(), annee));
    TOptions sansStyle = CopieOptions;
    sansStyle.polstyle = {};
    exemple_->setFont(PoliceApercu(sansStyle, 7));
}

void TDialOption::accept() {
    // A number out of its range would become a pass mark or a maximum of 0 without a word.
    for (TSaisieNombre* n : {notemax_, coefmax_, notemoy_})
        if (!n->Valide()) {
            onglets_->setCurrentIndex(onglets_->count() - 1);
            n->Valide(true);
            return;
        }
    LireControles();
    CopieOptions.kd = facteur(kd_->text());
    CopieOptions.kp = facteur(kp_->text());
    Options = CopieOptions;
    // The options stay in force for this run even when the file cannot take them.
    const ResultatEcriture r = EcrireOptions(fichierOptions_.toStdString(), separateur_);
    if (!r.ok)
        dialogues().avertissement(this, titreAvertissement(), QString::fromStdString(r.erreur));
    QDialog::accept();
}

} // namespace quillora
