#include "Tableau.h"

#include <QPainter>
#include <algorithm>

#include "DrawingHelpers.h"

namespace quillora {

namespace {
const QColor GrisRelief(128, 128, 128);
const QColor BlancRelief(255, 255, 255);
} // namespace

TTableau::TTableau(QWidget* parent) : QWidget(parent), police_(QStringLiteral("Arial")) {
    setCellHeight(police_, 15);
    for (int c = 1; c <= MaxCases; ++c) {
        for (int l = 1; l <= MaxCases; ++l)
            cellules_[c - 1][l - 1] = QStringLiteral("%1 %2").arg(c).arg(l);
    }
    resize(200, 150);
    setFocusPolicy(Qt::StrongFocus);
}

void TTableau::SetNbLigne(int n) {
    if (n >= 3 && n <= MaxCases) nbLigne_ = n;
}

void TTableau::SetNbColonne(int n) {
    if (n >= 4 && n <= MaxCases) nbColonne_ = n;
}

void TTableau::SetCellule(int colonne, int ligne, const QString& texte) {
    if (colonne < 1 || colonne > MaxCases || ligne < 1 || ligne > MaxCases) return;
    cellules_[colonne - 1][ligne - 1] = texte.left(LongueurCellule);
}

QString TTableau::Cellule(int colonne, int ligne) const {
    if (colonne < 1 || colonne > MaxCases || ligne < 1 || ligne > MaxCases) return {};
    return cellules_[colonne - 1][ligne - 1];
}

void TTableau::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Dessiner(p, 0, 0, width(), height());
    // On the screen only: the cell the keyboard is on.
    if (hasFocus()) {
        p.setPen(QPen(couleurPolice_, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(RectangleCase(courante_).adjusted(1, 1, -2, -2));
    }
}

void TTableau::Dessiner(QPainter& p, int L, int T, int W, int H) {
    p.save();
    p.translate(L, T);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, !noirBlanc_);
    const QColor encre = noirBlanc_ ? QColor(Qt::black) : couleurL_;
    const QColor couleurTexte = noirBlanc_ ? QColor(Qt::black) : couleurPolice_;

    drawBackground(p, W, H, encre, couleurFond_, cadre_, noirBlanc_);

    const int largeur = W / (nbColonne_ + 1);
    const int hauteur = H / (nbLigne_ + 1);
    // The title band has no line under it; the columns' lines start below it. The shifted
    // half of a relief line would spill one pixel past the frame, hence the clip.
    p.save();
    p.setClipRect(1, 1, W - 2, H - 2, Qt::IntersectClip);
    for (int c = 2; c <= nbColonne_; ++c) DessinerTrait(p, c * largeur, hauteur, c * largeur, H);
    for (int r = 2; r <= nbLigne_; ++r) DessinerTrait(p, 0, r * hauteur, W, r * hauteur);
    p.restore();

    // The title takes only the name of the cell font, underlined; the cells then keep its height.
    QFont titre(police_.family());
    setCellHeight(titre, std::min(W, H) / 13);
    titre.setUnderline(true);
    QFont fonte = police_;
    fonte.setPixelSize(titre.pixelSize());
    if (noirBlanc_) {
        titre.setStyleStrategy(QFont::NoAntialias);
        fonte.setStyleStrategy(QFont::NoAntialias);
    }
    p.setFont(titre);
    writeText(p, W / 2, (hauteur - p.fontMetrics().height()) / 2, caption_, couleurTexte,
              HAlign::Center);

    p.setFont(fonte);
    const int haut = (hauteur - p.fontMetrics().height()) / 2;
    // A text wider than its cell is cut at the cell's edge: a long subject name on a narrow
    // page would otherwise run over the first average.
    auto cellule = [&](int c, int r, int x, HAlign h) {
        const int gauche = c == 1 ? 0 : c * largeur;
        p.save();
        p.setClipRect(gauche, r * hauteur, c == 1 ? 2 * largeur : largeur, hauteur,
                      Qt::IntersectClip);
        writeText(p, x, r * hauteur + haut, cellules_[c - 1][r - 1], couleurTexte, h);
        p.restore();
    };
    for (int r = 1; r <= nbLigne_; ++r) {
        cellule(1, r, largeur / 3, HAlign::Left);
        for (int c = 2; c <= nbColonne_; ++c)
            cellule(c, r, c * largeur + largeur / 2, HAlign::Center);
    }
    p.restore();
}

void TTableau::DessinerTrait(QPainter& p, int x1, int y1, int x2, int y2) {
    const QPen pen = p.pen();
    switch (relief_) {
    case rAucun:
        p.drawLine(x1, y1, x2, y2);
        break;
    case rCreux:
        p.setPen(GrisRelief);
        p.drawLine(x1, y1, x2, y2);
        p.setPen(BlancRelief);
        p.drawLine(x1 + 1, y1 + 1, x2 + 1, y2 + 1);
        break;
    case rBosse:
        p.setPen(BlancRelief);
        p.drawLine(x1, y1, x2, y2);
        p.setPen(GrisRelief);
        p.drawLine(x1 + 1, y1 + 1, x2 + 1, y2 + 1);
        break;
    }
    p.setPen(pen);
}

} // namespace quillora
