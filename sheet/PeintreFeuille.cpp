#include "PeintreFeuille.h"

#include "ConversionsQt.h"
#include "PoliceFeuille.h"

namespace quillora {

PeintreFeuille::PeintreFeuille(QPainter& painter, const GeometrieFeuille& geometrie,
                               const CouleursFeuille& couleurs, int relief)
    : painter_(painter), geometrie_(geometrie), couleurs_(couleurs), relief_(relief),
      metriques_(police_), visible_(0, 0, painter.device()->width(), painter.device()->height()) {
    if (painter.hasClipping()) visible_ &= painter.clipRegion();
}

void PeintreFeuille::Police(double n, StylePolice style) {
    police_ = PoliceFeuille(geometrie_.HauteurPolice(n), style);
    painter_.setFont(police_);
    // Measured on the surface itself: a printer's metrics may differ from the screen's.
    metriques_ = painter_.fontMetrics();
    ascent_ = metriques_.ascent();
    hauteurLigne_ = metriques_.height();
    const QFont& ecrite = painter_.font();
    dispositionsCourantes_ = nullptr;
    for (const auto& d : dispositions_)
        if (d->police == ecrite) dispositionsCourantes_ = d.get();
    if (!dispositionsCourantes_)
        dispositionsCourantes_ =
            dispositions_.emplace_back(std::make_unique<DispositionsPolice>(ecrite)).get();
}

const QTextLayout& PeintreFeuille::Disposition(const QString& texte) {
    std::unique_ptr<QTextLayout>& l = dispositionsCourantes_->textes[texte];
    if (!l) {
        l = std::make_unique<QTextLayout>(texte, painter_.font(), painter_.device());
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(painter_.layoutDirection());
        l->setTextOption(option);
        l->setCacheEnabled(true);
        l->beginLayout();
        l->createLine().setNumColumns(int(texte.size()));
        l->endLayout();
    }
    return *l;
}

bool PeintreFeuille::Visible(QPoint p, int largeur) const {
    // One line's height of slack on every side covers accents, italics and underlines.
    const int marge = hauteurLigne_;
    return visible_.intersects(
        QRect(QPoint(p.x() - marge, p.y() - marge),
              QPoint(p.x() + largeur + marge, p.y() + hauteurLigne_ + marge)));
}

bool PeintreFeuille::PeutMontrer(double x, double y, int caracteres) const {
    return Visible(geometrie_.Point(x, y), hauteurLigne_ * caracteres);
}

bool PeintreFeuille::LigneVisible(double y) const {
    const QRect b = visible_.boundingRect();
    return Visible(QPoint(b.left(), geometrie_.Point(0, y).y()), b.width());
}

void PeintreFeuille::Stylo(Couleur c) {
    if (styloDefini_ && stylo_ == c) return;
    painter_.setPen(QPen(couleurQt(c), 1));
    stylo_ = c;
    styloDefini_ = true;
}

void PeintreFeuille::EcrirePixel(QPoint p, const QString& texte) {
    // Left-aligned text is not measured: it is only known to end right of its start.
    int largeur = hauteurLigne_ * texte.size();
    if (alignement_ == Alignement::Centre) {
        largeur = metriques_.horizontalAdvance(texte);
        p.rx() -= largeur / 2;
    }
    if (!Visible(p, largeur)) return;
    Stylo(texte_);
    // The point is the top of the text; Qt writes from the baseline.
    if (!dispositionsCourantes_) {
        painter_.drawText(QPoint(p.x(), p.y() + ascent_), texte);
        return;
    }
    // The layout puts its line's top, not its baseline, at the point it is given.
    const QTextLayout& l = Disposition(texte);
    l.draw(&painter_, QPointF(p.x(), p.y() + ascent_ - l.lineAt(0).ascent()));
}

void PeintreFeuille::EcrireTexte(double x, double y, const QString& texte) {
    EcrirePixel(geometrie_.Point(x, y), texte);
}

void PeintreFeuille::EcrireDecoupe(double x1, double y1, double x2, double y2,
                                   const QString& texte) {
    const QPoint a = geometrie_.Point(x1, y1);
    const QPoint b = geometrie_.Point(x2, y2);
    if (!Visible(a, b.x() - a.x())) return;
    const bool avant = painter_.hasClipping();
    const QRegion ancienne = avant ? painter_.clipRegion() : QRegion();
    painter_.setClipRect(QRect(a, b - QPoint(1, 1)), Qt::IntersectClip);
    EcrirePixel(a, texte);
    if (avant)
        painter_.setClipRegion(ancienne);
    else
        painter_.setClipping(false);
}

void PeintreFeuille::TracerLigne(double x1, double y1, double x2, double y2) {
    const QPoint a = geometrie_.Point(x1, y1);
    QPoint b = geometrie_.Point(x2, y2);
    if (a == b) return;
    // A line stops one pixel short of its end: a rule drawn to a column's edge leaves the
    // next column's first pixel alone.
    b -= QPoint((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
    constexpr Couleur gris = 0x808080, blanc = 0xFFFFFF;
    const QPoint decale(1, 1);
    switch (relief_) {
    case 1: // sunken: the shadow above the light
        Stylo(gris);
        painter_.drawLine(a, b);
        Stylo(blanc);
        painter_.drawLine(a + decale, b + decale);
        break;
    case 2: // raised
        Stylo(blanc);
        painter_.drawLine(a, b);
        Stylo(gris);
        painter_.drawLine(a + decale, b + decale);
        break;
    default:
        Stylo(trait_);
        painter_.drawLine(a, b);
        break;
    }
}

void PeintreFeuille::Rectangle(double x1, double y1, double x2, double y2, Couleur bord,
                               Couleur fond) {
    const QPoint a = geometrie_.Point(x1, y1);
    const QPoint b = geometrie_.Point(x2, y2);
    Stylo(bord);
    painter_.setBrush(couleurQt(fond));
    // A one-pixel outline covers width + 1 pixels in Qt.
    painter_.drawRect(QRect(a, b - QPoint(2, 2)));
    painter_.setBrush(Qt::NoBrush);
}

} // namespace quillora
