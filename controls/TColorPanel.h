#pragma once

#include <QColor>
#include <QFrame>

namespace quillora {

// A colour swatch: a click opens the colour dialog on its colour, and a confirmed choice
// becomes the swatch's colour.
class TColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit TColorPanel(QWidget* parent = nullptr);

    QColor Color() const { return couleur_; }
    void setColor(const QColor& c);

signals:
    // The user chose a new colour.
    void OnChange();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QColor couleur_;
};

} // namespace quillora
