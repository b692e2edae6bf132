#include "TColorPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "TMaColorDialog.h"

namespace quillora {

TColorPanel::TColorPanel(QWidget* parent) : QFrame(parent) {
    setFixedSize(89, 25);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    setColor(Qt::white);
}

void TColorPanel::setColor(const QColor& c) {
    couleur_ = c;
    update();
}

void TColorPanel::paintEvent(QPaintEvent* e) {
    // The colour fills the inside only: the bevel keeps the usual shades, whatever the colour,
    // and nothing of the parent shows through.
    QPainter(this).fillRect(contentsRect(), couleur_);
    QFrame::paintEvent(e);
}

void TColorPanel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint())) return;
    TMaColorDialog dialogue(this);
    if (const auto c = dialogue.Executer(couleur_)) {
        setColor(*c);
        emit OnChange();
    }
}

} // namespace quillora
