#pragma once

#include <QWidget>

namespace quillora {

// The miniature page of the print layout: a white sheet outlined in black with a shadow of
// `Marge` pixels along its bottom and right edges.
class TFeuille : public QWidget {
public:
    explicit TFeuille(QWidget* parent = nullptr);

    int Marge = 5;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quillora
