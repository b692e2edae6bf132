#include "TJppPageControl.h"

#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStackedWidget>
#include <algorithm>

#include "OngletsLisibles.h"

namespace quillora {

namespace {

constexpr int marge = 2;    // between the control's edge and the first tab
constexpr int saillie = 2;  // how far the selected tab stands out of its row
constexpr int padding = 10; // on each side of a caption

QString sansEsperluettes(QString t) {
    t.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return t;
}

QFont policeOnglet(QFont f, bool choisi) {
    f.setBold(choisi);
    return f;
}

} // namespace

TJppPageControl::TJppPageControl(QWidget* parent)
    : QWidget(parent), pages_(new QStackedWidget(this)) {
    setFocusPolicy(Qt::TabFocus);
    RendreOngletsLisibles();
    connect(pages_, &QStackedWidget::currentChanged, this, [this](int i) {
        update();
        emit currentChanged(i);
    });
}

int TJppPageControl::addTab(QWidget* page, const QString& caption) {
    const int index = pages_->addWidget(page);
    captions_ << caption;
    const QKeySequence touche = QKeySequence::mnemonic(caption);
    if (!touche.isEmpty()) {
        auto* raccourci = new QShortcut(touche, this);
        connect(raccourci, &QShortcut::activated, this, [this, index] { setCurrentIndex(index); });
    }
    rects_.clear();
    updateGeometry();
    update();
    return index;
}

QString TJppPageControl::tabText(int index) const {
    return index >= 0 && index < count() ? sansEsperluettes(captions_[index]) : QString();
}

QWidget* TJppPageControl::widget(int index) const {
    return pages_->widget(index);
}

int TJppPageControl::currentIndex() const {
    return pages_->currentIndex();
}

void TJppPageControl::setCurrentIndex(int index) {
    pages_->setCurrentIndex(index);
}

int TJppPageControl::rowCount() const {
    layoutTabs();
    return rows_;
}

QRect TJppPageControl::tabRect(int index) const {
    layoutTabs();
    return index >= 0 && index < rects_.size() ? rects_[index] : QRect();
}

int TJppPageControl::tabHeight() const {
    return fontMetrics().height() + 8;
}

int TJppPageControl::tabWidth(int index) const {
    // Measured in bold so that a tab does not grow when it is selected.
    const QFontMetrics fm(policeOnglet(font(), true));
    return fm.horizontalAdvance(sansEsperluettes(captions_[index])) + 2 * padding;
}

QSize TJppPageControl::sizeHint() const {
    int largeur = 2 * marge;
    for (int i = 0; i < count(); ++i) largeur += tabWidth(i);
    const QSize page = pages_->sizeHint();
    return {std::max(largeur, page.width()), saillie + tabHeight() + page.height() + 4};
}

QSize TJppPageControl::minimumSizeHint() const {
    return {100, saillie + tabHeight() + pages_->minimumSizeHint().height() + 4};
}

void TJppPageControl::layoutTabs() const {
    if (laidOutFor_ == size() && laidOutCurrent_ == currentIndex() && rects_.size() == count())
        return;
    laidOutFor_ = size();
    laidOutCurrent_ = currentIndex();
    // Fill rows from the left as long as the tabs fit.
    const int disponible = std::max(1, width() - 2 * marge);
    QVector<QVector<int>> lignes(1);
    int x = 0;
    for (int i = 0; i < count(); ++i) {
        const int w = tabWidth(i);
        if (x > 0 && x + w > disponible) {
            lignes.append(QVector<int>());
            x = 0;
        }
        lignes.last().append(i);
        x += w;
    }
    rows_ = static_cast<int>(lignes.size());

    // The row of the selected tab goes last, next to the pages; the others keep their order
    // turning round it, as a card index does.
    int ligneChoisie = 0;
    for (int r = 0; r < rows_; ++r)
        if (lignes[r].contains(currentIndex())) ligneChoisie = r;
    std::rotate(lignes.begin(), lignes.begin() + (ligneChoisie + 1) % rows_, lignes.end());

    const int h = tabHeight();
    rects_.fill(QRect(), count());
    for (int r = 0; r < rows_; ++r) {
        const auto& ligne = lignes[r];
        int total = 0;
        for (int i : ligne) total += tabWidth(i);
        // With several rows every row is stretched to the full width.
        const int surplus = rows_ > 1 ? std::max(0, disponible - total) : 0;
        int gauche = marge;
        for (int k = 0; k < ligne.size(); ++k) {
            const int i = ligne[k];
            int w = tabWidth(i) + surplus / static_cast<int>(ligne.size());
            if (k == ligne.size() - 1 && rows_ > 1) w = marge + disponible - gauche;
            rects_[i] = QRect(gauche, saillie + r * h, w, h);
            gauche += w;
        }
    }
    const int haut = saillie + rows_ * h;
    pages_->setGeometry(marge, haut + marge, std::max(0, width() - 2 * marge),
                        std::max(0, height() - haut - 2 * marge));
}

void TJppPageControl::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layoutTabs();
}

void TJppPageControl::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        rects_.clear();
        updateGeometry();
    }
}

void TJppPageControl::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    layoutTabs();
    for (int i = 0; i < count(); ++i)
        if (rects_[i].contains(e->position().toPoint())) setCurrentIndex(i);
}

void TJppPageControl::paintEvent(QPaintEvent*) {
    layoutTabs();
    QPainter p(this);
    const QColor clair = palette().color(QPalette::Light);
    const QColor sombre = palette().color(QPalette::Dark);
    const QColor ombre = palette().color(QPalette::Shadow);

    // The frame round the pages: light on the top and left, dark on the bottom and right.
    const int haut = saillie + rows_ * tabHeight();
    const QRect cadre(0, haut, width() - 1, height() - haut - 1);
    p.setPen(clair);
    p.drawLine(cadre.topLeft(), cadre.topRight());
    p.drawLine(cadre.topLeft(), cadre.bottomLeft());
    p.setPen(ombre);
    p.drawLine(cadre.bottomLeft(), cadre.bottomRight());
    p.drawLine(cadre.topRight(), cadre.bottomRight());

    // The selected tab is drawn last, standing out of its row over its neighbours.
    QVector<int> ordre;
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex()) ordre << i;
    if (currentIndex() >= 0) ordre << currentIndex();
    for (int i : ordre) {
        const bool choisi = i == currentIndex();
        QRect r = rects_[i];
        if (choisi) r.adjust(-saillie, -saillie, saillie, 1);
        p.fillRect(r, palette().brush(QPalette::Window));
        const QRect bord = r.adjusted(0, 0, -1, -1);
        p.setPen(clair);
        p.drawLine(bord.bottomLeft(), bord.topLeft());
        p.drawLine(bord.topLeft(), bord.topRight());
        p.setPen(sombre);
        p.drawLine(bord.topRight(), bord.bottomRight());
        if (!choisi) {
            p.setPen(clair);
            p.drawLine(bord.bottomLeft(), bord.bottomRight());
        }
        p.setFont(policeOnglet(font(), choisi));
        p.setPen(choisi ? QColor(Qt::red) : QColor(Qt::black));
        p.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, captions_[i]);
        if (choisi && hasFocus()) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
    }
}

} // namespace quillora
