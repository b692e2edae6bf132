#include "TFeuille.h"

#include <QPainter>

namespace quillora {

TFeuille::TFeuille(QWidget* parent) : QWidget(parent) {
    resize(200, 150);
}

void TFeuille::paintEvent(QPaintEvent*) {
    const int W = width(), H = height();
    if (Marge > W || Marge > H) return;
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, W - Marge - 1, H - Marge - 1);
    p.fillRect(Marge, H - Marge, W - Marge, Marge, Qt::black);
    p.fillRect(W - Marge, Marge, Marge, H - Marge, Qt::black);
}

} // namespace quillora
