// The chart's text alternative, as a screen reader reads it, and the keys that go from bar to
// bar.
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

#include "NewGraphe.h"

namespace quillora {

namespace {

// Up to two decimals, with the point the grade book writes its numbers with.
QString Nombre(double v) {
    QString t = QString::number(v, 'f', 2);
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

} // namespace

void TNewGraphe::NommerCouleur(const QColor& couleur, const QString& sens) {
    for (auto& [c, s] : sensCouleurs_)
        if (c == couleur) {
            s = sens;
            return;
        }
    sensCouleurs_.emplace_back(couleur, sens);
}

QString TNewGraphe::SensCouleur(const QColor& couleur) const {
    for (const auto& [c, s] : sensCouleurs_)
        if (c == couleur) return QStringLiteral(", ") + s;
    return {};
}

QString TNewGraphe::NomTable() const {
    return caption_.isEmpty() ? QStringLiteral("Graphique") : caption_;
}

QString TNewGraphe::DescriptionTable() const {
    QStringList lignes;
    for (int i = 0; i < nbLigne_; ++i)
        if (!lignes_[i].trimmed().isEmpty()) lignes << lignes_[i].trimmed();
    return lignes.join(QStringLiteral(". "));
}

// The bars, then the average line when it is drawn.
int TNewGraphe::NbLignesLisibles() const {
    if (barres_.empty()) return 0;
    return NbBarre() + (moy_ && barreMoy_.Valeur >= 0 ? 1 : 0);
}

QString TNewGraphe::NomBarre(int ligne) const {
    if (ligne >= NbBarre()) return QStringLiteral("moyenne");
    if (!lecture_.nom.isEmpty()) return lecture_.nom.arg(lecture_.premier + ligne);
    const QString legende = barres_[ligne].Legende().trimmed();
    return legende.isEmpty() ? QStringLiteral("barre ") + QString::number(ligne + 1) : legende;
}

QString TNewGraphe::NomCase(CaseLisible c) const {
    if (c.ligne < 0) return lecture_.valeur;
    if (c.colonne < 0) return NomBarre(c.ligne);
    const TBarre& b = c.ligne < NbBarre() ? barres_[c.ligne] : barreMoy_;
    const QString debut = NomBarre(c.ligne) + QStringLiteral(" : ");
    if (b.Valeur >= 0) {
        QString valeur = Nombre(b.Valeur);
        if (!lecture_.unite.isEmpty() && c.ligne < NbBarre())
            valeur += QLatin1Char(' ') + lecture_.unite +
                      (b.Valeur > 1 ? QStringLiteral("s") : QString());
        return debut + valeur + SensCouleur(b.CouleurBarre);
    }
    // No bar: only the text at its foot, in no colour of its own.
    const QString texte = b.Texte().trimmed();
    if (texte == QLatin1String("?")) return debut + QStringLiteral("non calculable");
    return debut + (texte.isEmpty() ? QStringLiteral("aucune valeur") : texte);
}

QRect TNewGraphe::RectangleCase(CaseLisible c) const {
    const Mesures& m = ecran_;
    if (m.largeur <= 0 || c.ligne < 0 || c.ligne >= NbLignesLisibles()) return {};
    if (c.ligne >= NbBarre()) {
        const int y = m.y(barreMoy_.Valeur);
        return {m.gauche, y - 2, m.W - m.gauche, 5};
    }
    const int x = m.xSlot(c.ligne + 1);
    if (c.colonne < 0) return {x, m.bas, m.largeur, m.hLigne};
    return {x, m.hTitre, m.largeur, m.bas - m.hTitre};
}

std::optional<CaseLisible> TNewGraphe::CaseCourante() const {
    const int n = NbLignesLisibles();
    if (n == 0) return std::nullopt;
    return CaseLisible{std::min(barreCourante_, n - 1), 0};
}

void TNewGraphe::keyPressEvent(QKeyEvent* event) {
    const int n = NbLignesLisibles();
    int& i = barreCourante_;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        i = std::max(0, std::min(i, n - 1) - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        i = std::max(0, std::min(i + 1, n - 1));
        break;
    case Qt::Key_Home:
        i = 0;
        break;
    case Qt::Key_End:
        i = std::max(0, n - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
    AnnoncerCase(this, CaseCourante());
}

void TNewGraphe::focusInEvent(QFocusEvent*) {
    update();
    // After the screen reader has heard of the chart itself.
    if (LecteurActif()) QTimer::singleShot(0, this, [this] { AnnoncerCase(this, CaseCourante()); });
}

void TNewGraphe::focusOutEvent(QFocusEvent*) {
    update();
}

} // namespace quillora
