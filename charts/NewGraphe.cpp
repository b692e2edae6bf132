#include "NewGraphe.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "DrawingHelpers.h"

namespace quillora {

TNewGraphe::TNewGraphe(QWidget* parent) : QWidget(parent), police_(QStringLiteral("Arial")) {
    setCellHeight(police_, 10);
    lignes_[0] = QStringLiteral("5 lignes max");
    barreMoy_.Valeur = 9.0;
    barreMoy_.CouleurBarre = QColor(0, 255, 0);
    resize(200, 150);
    setFocusPolicy(Qt::StrongFocus);
}

void TNewGraphe::SetNbBarre(int n) {
    barres_.assign(std::max(0, n), TBarre());
}

void TNewGraphe::SetVmax(int v) {
    if (v > 0) vmax_ = v;
}

void TNewGraphe::SetNbLigne(int n) {
    if (n >= 0 && n <= MaxLignes) nbLigne_ = n;
}

TBarre* TNewGraphe::Barre(int i) {
    if (i < 1 || i > NbBarre()) return nullptr;
    return &barres_[i - 1];
}

void TNewGraphe::SetLegende(int i, const QString& texte) {
    if (TBarre* b = Barre(i)) b->SetLegende(texte);
}

void TNewGraphe::SetLigne(int i, const QString& texte) {
    if (i >= 1 && i <= MaxLignes) lignes_[i - 1] = texte;
}

QString TNewGraphe::LireLigne(int i) const {
    if (i < 1 || i > MaxLignes) return {};
    return lignes_[i - 1];
}

void TNewGraphe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ecran_ = {};
    Dessiner(p, 0, 0, width(), height());
    // On the screen only: the bar the keyboard is on.
    if (hasFocus() && NbLignesLisibles() > 0) {
        p.setPen(QPen(CouleurTexte(), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(RectangleCase({barreCourante_, 0}).adjusted(0, 0, -1, -1));
    }
}

int TNewGraphe::Mesures::y(double v) const {
    return bas - roundHalfEven(v * echelle);
}

void TNewGraphe::Dessiner(QPainter& p, int L, int T, int W, int H) {
    p.save();
    p.translate(L, T);
    // Lines and fills land on whole pixels as the layout places them; text is smoothed except in
    // black and white, which must come out pure black and white.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, !noirBlanc_);

    const int hauteurPolice = HauteurQuiTient(p, W, roundHalfEven(std::min(W, H) / 23.0));
    setCellHeight(police_, hauteurPolice);
    QFont fonte = police_;
    if (noirBlanc_) fonte.setStyleStrategy(QFont::NoAntialias);
    p.setFont(fonte);

    drawBackground(p, W, H, Encre(), couleurFond_, cadre_, noirBlanc_);

    if (barres_.empty()) {
        writeText(p, W / 2, H / 2, caption_, CouleurTexte(), HAlign::Center);
        p.restore();
        return;
    }

    Mesures m;
    m.W = W;
    m.hTitre = DessinerTitre(p, W, hauteurPolice);
    p.setFont(fonte);
    const QFontMetrics fm = p.fontMetrics();
    m.hLigne = roundHalfEven(1.2 * fm.height());
    m.gauche = legV_ ? roundHalfEven(1.3 * fm.horizontalAdvance(QStringLiteral("mm"))) : 0;
    m.bas = H - ((legH_ ? m.hLigne : 0) + nbLigne_ * m.hLigne);

    for (int i = 1; i <= nbLigne_; ++i)
        writeText(p, m.gauche + 3, m.bas + i * m.hLigne, lignes_[i - 1], CouleurTexte());

    if (m.bas < m.hTitre || W < m.gauche) {
        p.restore();
        return;
    }

    if (legH_) p.drawLine(m.gauche, m.bas, W - 1, m.bas);
    if (legV_) p.drawLine(m.gauche, m.bas, m.gauche, m.hTitre);

    m.largeur = (W - m.gauche) / NbBarre();
    m.demi = m.largeur / 2;
    m.marque = W / 120;
    m.echelle = static_cast<double>(m.bas - m.hTitre) / vmax_;
    if (p.device() == this) ecran_ = m;

    if (legH_) {
        for (int i = 1; i <= NbBarre(); ++i)
            writeText(p, m.xSlot(i) + m.demi, m.bas + m.hLigne / 7, barres_[i - 1].Legende(),
                      CouleurTexte(), HAlign::Center);
    }
    if (legV_) DessinerGraduations(p, m);

    switch (mode_) {
    case mBarre:
        DessinerBarres(p, m);
        break;
    case mLigne:
        DessinerLigne(p, m);
        break;
    case mBezier:
        DessinerBezier(p, m);
        break;
    }
    DessinerMoyenne(p, m);
    p.restore();
}

// On a tall narrow rectangle (a portrait page) the height the short side gives is too large
// for the longest text lines: the font shrinks until they and the title fit across.
int TNewGraphe::HauteurQuiTient(QPainter& p, int W, int hauteur) const {
    if (barres_.empty()) return hauteur; // only the caption, centred
    for (int essai = 0; essai < 8 && hauteur > 1; ++essai) {
        QFont texte = police_, titre = police_;
        setCellHeight(texte, hauteur);
        titre.setUnderline(true);
        setCellHeight(titre, roundHalfEven(1.3 * hauteur));
        const QFontMetrics fm(texte, p.device()), ft(titre, p.device());
        const int gauche =
            legV_ ? roundHalfEven(1.3 * fm.horizontalAdvance(QStringLiteral("mm"))) : 0;
        double rapport = 1.0;
        for (int i = 1; i <= nbLigne_; ++i)
            if (const int l = fm.horizontalAdvance(lignes_[i - 1]); l > 0)
                rapport = std::min(rapport, (W - 2 - 3.0 - gauche * 1.0) / l);
        if (const int l = ft.horizontalAdvance(caption_); l > 0)
            rapport = std::min(rapport, (W - 4.0) / l);
        if (rapport >= 1.0) break;
        hauteur = std::max(1, std::min(hauteur - 1, static_cast<int>(hauteur * rapport)));
    }
    return hauteur;
}

// Returns the height of the title band.
int TNewGraphe::DessinerTitre(QPainter& p, int W, int hauteurPolice) {
    if (caption_.isEmpty()) return 0;
    QFont titre = p.font();
    titre.setUnderline(true);
    setCellHeight(titre, roundHalfEven(1.3 * hauteurPolice));
    p.setFont(titre);
    writeText(p, W / 2, 2, caption_, CouleurTexte(), HAlign::Center);
    return roundHalfEven(1.5 * p.fontMetrics().height());
}

void TNewGraphe::DessinerGraduations(QPainter& p, const Mesures& m) {
    const QPen pen = p.pen();
    p.setPen(QPen(Encre(), 1, Qt::DotLine));
    const int xTexte = m.gauche * 5 / 6;
    const int demiTexte = p.fontMetrics().height() / 2;
    for (int k = 1; k <= nbGradV_; ++k) {
        const int v = k * pasVert_;
        if (v > vmax_) continue;
        const int y = m.y(v);
        writeText(p, xTexte, y - demiTexte, QString::number(v), CouleurTexte(), HAlign::Right);
        p.drawLine(m.gauche - 2, y, m.W - 1, y);
    }
    p.setPen(pen);
}

void TNewGraphe::DessinerBarres(QPainter& p, const Mesures& m) {
    p.setBackground(Qt::white);
    for (int i = 1; i <= NbBarre(); ++i) {
        const TBarre& b = barres_[i - 1];
        if (b.Valeur > 0) {
            const QBrush remplissage =
                noirBlanc_ ? QBrush(Qt::black, Qt::DiagCrossPattern) : QBrush(b.CouleurBarre);
            // Hatching over an opaque white ground, so a bar reads the same on any paper.
            p.setBackgroundMode(noirBlanc_ ? Qt::OpaqueMode : Qt::TransparentMode);
            const int haut = m.y(b.Valeur);
            drawBox(p, QRect(m.xSlot(i), haut, m.largeur, m.bas - haut), remplissage, Encre());
            p.setBackgroundMode(Qt::TransparentMode);
        } else if (b.Valeur == 0) {
            if (afficher0_) DessinerTexteAuPied(p, m, i, QStringLiteral("0"));
        } else {
            DessinerTexteAuPied(p, m, i, b.Texte());
        }
    }
}

void TNewGraphe::DessinerLigne(QPainter& p, const Mesures& m) {
    QPolygon ligne;
    for (int i = 1; i <= NbBarre(); ++i) {
        if (barres_[i - 1].Valeur >= 0)
            ligne << QPoint(m.xSlot(i) + m.demi, m.y(barres_[i - 1].Valeur));
    }
    const QPen pen = p.pen();
    p.setPen(QPen(Encre(), 2));
    drawSegments(p, ligne);
    p.setPen(pen);

    for (int i = 1; i <= NbBarre(); ++i) {
        if (barres_[i - 1].Valeur < 0) DessinerTexteAuPied(p, m, i, barres_[i - 1].Texte());
    }
    int k = 0;
    for (const TBarre& b : barres_) {
        if (b.Valeur < 0) continue;
        DessinerMarque(p, m, ligne[k].x(), ligne[k].y(), b.CouleurBarre);
        ++k;
    }
}

void TNewGraphe::DessinerBezier(QPainter& p, const Mesures& m) {
    points_.clear();
    for (int i = 1; i <= NbBarre() && static_cast<int>(points_.size()) < MaxPointsCourbe; ++i) {
        const TBarre& b = barres_[i - 1];
        if (b.Valeur < 0) continue;
        points_.push_back({m.xSlot(i) + m.demi, m.y(b.Valeur)});
        DessinerMarque(p, m, points_.back().X, points_.back().Y, b.CouleurBarre);
    }
    if (points_.empty()) return;

    // One curve of degree n - 1 with all the points as its control points. The step follows
    // the control's own width even on a printer page, so a printout has as many segments as
    // the screen.
    const int n = static_cast<int>(points_.size());
    std::vector<double> binomial(n), puissance1MoinsT(n);
    binomial[0] = 1.0;
    for (int k = 1; k < n; ++k) binomial[k] = binomial[k - 1] * (n - k) / k;

    QPolygon courbe;
    courbe << QPoint(points_[0].X, points_[0].Y);
    const double pas = 1.0 / width();
    for (int i = 1; i * pas < 1.0; ++i) {
        const double t = i * pas;
        puissance1MoinsT[0] = 1.0;
        for (int j = 1; j < n; ++j) puissance1MoinsT[j] = puissance1MoinsT[j - 1] * (1.0 - t);
        double x = 0.0, y = 0.0, puissanceT = 1.0;
        for (int k = 0; k < n; ++k) {
            const double poids = binomial[k] * puissanceT * puissance1MoinsT[n - 1 - k];
            x += points_[k].X * poids;
            y += points_[k].Y * poids;
            puissanceT *= t;
        }
        const QPoint point(roundHalfEven(x), roundHalfEven(y));
        // The curve has always ended at a point on the rectangle's top or left edge; charts keep
        // looking as they did.
        if (point.x() == 0 || point.y() == 0) break;
        courbe << point;
    }
    const QPen pen = p.pen();
    p.setPen(QPen(Qt::black, 2));
    drawSegments(p, courbe);
    p.setPen(pen);
}

void TNewGraphe::DessinerMoyenne(QPainter& p, const Mesures& m) {
    if (!moy_ || barreMoy_.Valeur < 0) return;
    const int y = m.y(barreMoy_.Valeur);
    const QPen pen = p.pen();
    p.setPen(QPen(noirBlanc_ ? QColor(Qt::black) : barreMoy_.CouleurBarre, 2, Qt::DotLine));
    p.drawLine(m.gauche, y, m.W - 1, y);
    p.setPen(pen);
    writeText(p, m.gauche + 3, y, QStringLiteral("moy."), CouleurTexte());
}

void TNewGraphe::DessinerTexteAuPied(QPainter& p, const Mesures& m, int i, const QString& texte) {
    writeText(p, m.xSlot(i) + m.demi, m.bas, texte, CouleurTexte(), HAlign::Center, VAlign::Bottom);
}

void TNewGraphe::DessinerMarque(QPainter& p, const Mesures& m, int x, int y,
                                const QColor& couleur) {
    const int d = m.marque;
    p.fillRect(x - d, y - d, 2 * d + 1, 2 * d + 1, noirBlanc_ ? QColor(Qt::black) : couleur);
}

} // namespace quillora
