#include "TColorPanel.h"

#include <QMouseEvent>

#include "TMaColorDialog.h"

namespace quillora {

TColorPanel::TColorPanel(QWidget* parent) : QFrame(parent) {
    setFixedSize(89, 25);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    // The swatch paints its own colour, never its parent's.
    setAutoFillBackground(true);
    setColor(Qt::white);
}

void TColorPanel::setColor(const QColor& c) {
    couleur_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
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
