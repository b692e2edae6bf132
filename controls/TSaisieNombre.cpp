#include "TSaisieNombre.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "Dialogues.h"
#include "TEditSaisieNombre.h"

namespace quillora {

namespace {

constexpr int largeurChamp = 46;
constexpr int hauteurChamp = 21;
// The step buttons sit under the field, the "+" overlapping the "-" by one pixel.
constexpr int yBoutons = 20;
constexpr int hauteurBoutons = 12;
constexpr int largeurMoins = 25;
constexpr int largeurPlus = 23;
// Holding a button steps again from the seventh tick of its timer on.
constexpr int intervalleRepetition = 100;
constexpr int premierBattement = 7;

// Halves to even, as everywhere in the program.
int arrondi(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// `decimales` decimals with "." as separator, trailing zeros and a trailing point dropped
// unless they are to be kept.
QString nombre(double v, int decimales, bool garderZeros) {
    QString t = QString::number(v, 'f', std::max(decimales, 0));
    if (!garderZeros && t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0'))) t.chop(1);
        if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    }
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

// The number written in `t`, whatever its range and sign rules.
std::optional<double> valeurEcrite(QString t, TModeSN mode) {
    static const QRegularExpression entier(QStringLiteral("^-?[0-9]+$"));
    static const QRegularExpression reel(QStringLiteral("^-?([0-9]+([.,][0-9]*)?|[.,][0-9]+)$"));
    if (!(mode == TModeSN::mLongint ? entier : reel).match(t).hasMatch()) return std::nullopt;
    // The typing filter lets both separators in, so both are read.
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok) return std::nullopt;
    return v;
}

} // namespace

TSaisieNombre::TSaisieNombre(QWidget* parent)
    : QFrame(parent), legende_(new QLabel(this)), edit_(new TEditSaisieNombre(this)),
      unite_(new QLabel(this)), moins_(new QPushButton(QStringLiteral("-"), this)),
      plus_(new QPushButton(QStringLiteral("+"), this)), repetition_(new QTimer(this)) {
    legende_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    unite_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    edit_->setText(QStringLiteral("5"));
    legende_->setBuddy(edit_);
    moins_->setAccessibleName(QStringLiteral("Diminuer"));
    plus_->setAccessibleName(QStringLiteral("Augmenter"));
    for (QPushButton* b : {moins_, plus_}) {
        b->setFocusPolicy(Qt::NoFocus);
        QFont f = b->font();
        f.setPixelSize(hauteurBoutons - 1);
        f.setBold(true);
        b->setFont(f);
    }
    repetition_->setObjectName(QStringLiteral("repetition"));
    repetition_->setInterval(intervalleRepetition);

    connect(edit_, &QLineEdit::textChanged, this, [this] {
        if (onChangeActif_) emit OnChange();
    });
    connect(moins_, &QPushButton::pressed, this, [this] { commencerRepetition(-1); });
    connect(plus_, &QPushButton::pressed, this, [this] { commencerRepetition(1); });
    connect(moins_, &QPushButton::released, repetition_, &QTimer::stop);
    connect(plus_, &QPushButton::released, repetition_, &QTimer::stop);
    connect(moins_, &QPushButton::clicked, this, [this] { pas(-1); });
    connect(plus_, &QPushButton::clicked, this, [this] { pas(1); });
    connect(repetition_, &QTimer::timeout, this, &TSaisieNombre::repeter);

    majIndication();
    disposer();
}

void TSaisieNombre::setTexte1(const QString& t) {
    texte1_ = t;
    disposer();
}

void TSaisieNombre::setTexte2(const QString& t) {
    texte2_ = t;
    afficherT2_ = !t.isEmpty();
    disposer();
}

void TSaisieNombre::setAfficherT1(bool b) {
    afficherT1_ = b;
    disposer();
}

void TSaisieNombre::setAfficherT2(bool b) {
    afficherT2_ = b;
    disposer();
}

void TSaisieNombre::setAfficherBt(bool b) {
    afficherBt_ = b;
    disposer();
}

void TSaisieNombre::setSizeText(int x) {
    sizeText_ = x;
    disposer();
}

void TSaisieNombre::setMin(double v) {
    min_ = v;
    majIndication();
}

void TSaisieNombre::setMax(double v) {
    max_ = v;
    majIndication();
}

void TSaisieNombre::disposer() {
    legende_->setText(texte1_ + QLatin1Char(':'));
    legende_->setVisible(afficherT1_);
    int x = 0;
    if (afficherT1_) {
        legende_->setGeometry(0, 0, sizeText_ + 5, hauteurChamp);
        x = sizeText_ + 10;
    }
    edit_->setGeometry(x, 0, largeurChamp, hauteurChamp);
    moins_->setGeometry(x, yBoutons, largeurMoins, hauteurBoutons);
    plus_->setGeometry(x + largeurMoins - 1, yBoutons, largeurPlus, hauteurBoutons);
    moins_->setVisible(afficherBt_);
    plus_->setVisible(afficherBt_);

    int droite = x + largeurChamp;
    unite_->setText(texte2_);
    unite_->setVisible(afficherT2_);
    if (afficherT2_) {
        const int largeur = unite_->fontMetrics().horizontalAdvance(texte2_);
        unite_->setGeometry(droite + 5, 0, largeur, hauteurChamp);
        droite += 5 + largeur + 5;
    }
    setFixedSize(droite, afficherBt_ ? 35 : 23);
}

void TSaisieNombre::majIndication() {
    edit_->setToolTip(QStringLiteral("De ") + nombre(min_, 3, false) + QStringLiteral(" à ") +
                      nombre(max_, 3, false));
}

std::optional<double> TSaisieNombre::lire() const {
    const QString t = edit_->text();
    if (!negatif_ && t.contains(QLatin1Char('-'))) return std::nullopt;
    const auto v = valeurEcrite(t, mode_);
    if (!v || *v < min_ || *v > max_) return std::nullopt;
    return v;
}

QString TSaisieNombre::MessageInvalide() const {
    // Only the control's own Enabled counts, not that of the page or group it sits on.
    if (testAttribute(Qt::WA_ForceDisabled)) return {};
    const QString t = edit_->text();
    const QString guillemet(QLatin1Char('"'));
    if (t.isEmpty())
        return QStringLiteral("Valeur non définie: ") + guillemet + texte1_ + guillemet;
    const QString n = QStringLiteral("Valeur non valide: ") + guillemet + texte1_ + guillemet;
    if (!negatif_ && t.contains(QLatin1Char('-')))
        return n + QStringLiteral("\n( Nombre négatif interdit )");
    if (mode_ == TModeSN::mLongint &&
        (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('.'))))
        return n + QStringLiteral("\n( Nombre réel interdit )");
    if (!valeurEcrite(t, mode_)) return n;
    if (!lire())
        return n + QStringLiteral("\n( Nombre hors limite: ") + edit_->toolTip() +
               QStringLiteral(" )");
    return {};
}

bool TSaisieNombre::Valide(bool afficher, const QString& contexte) {
    const QString message = MessageInvalide();
    if (message.isEmpty()) return true;
    if (afficher) {
        dialogues().avertissement(this, titreAvertissement(),
                                  contexte.isEmpty() ? message
                                                     : contexte + QStringLiteral(": ") + message);
        edit_->setFocus();
        edit_->selectAll();
    }
    return false;
}

int TSaisieNombre::ValeurI() const {
    const auto v = lire();
    return arrondi(v ? *v : min_);
}

void TSaisieNombre::setValeurI(int v) {
    if (v < min_ || v > max_) return;
    edit_->setText(QString::number(v));
}

double TSaisieNombre::ValeurR() const {
    return lire().value_or(min_);
}

void TSaisieNombre::setValeurR(double v) {
    if (v < min_ || v > max_) return;
    edit_->setText(nombre(v, nbDecimale_, garderZero_));
}

void TSaisieNombre::ecrire(double v) {
    if (mode_ == TModeSN::mLongint)
        setValeurI(arrondi(v));
    else
        setValeurR(v);
}

void TSaisieNombre::pas(int sens) {
    const auto v = lire();
    if (!v) {
        ecrire(sens > 0 ? max_ : min_);
        return;
    }
    const double increment = mode_ == TModeSN::mLongint ? std::nearbyint(vInc_) : vInc_;
    // Real steps add up binary fractions: 0.2 + 0.1 must still reach a maximum of 0.3.
    const double borne = sens > 0 ? max_ : min_;
    const double marge = 1e-9 * std::max(1.0, std::abs(borne));
    const double suivant = *v + sens * increment;
    if (sens > 0 ? suivant > max_ + marge : suivant < min_ - marge) return;
    ecrire(std::clamp(suivant, min_, max_));
}

void TSaisieNombre::commencerRepetition(int sens) {
    sensRepetition_ = sens;
    battements_ = 0;
    repetition_->start();
}

void TSaisieNombre::repeter() {
    if (++battements_ >= premierBattement) pas(sensRepetition_);
}

} // namespace quillora
