#pragma once

#include <QMdiArea>

namespace quillora {

// The frame's client area: grey, with the program's title in relief and a few lines about
// it behind the class windows. A left click in it is reported, for reopening the last file.
class ZoneClients : public QMdiArea {
    Q_OBJECT
public:
    explicit ZoneClients(QWidget* parent = nullptr);

signals:
    void clicGauche();
    // Once, when the frame has first been painted on the screen.
    void premierDessin();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Watches every window that comes into the area: one restored from maximised gets back
    // its old place, which the frame may have outgrown.
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool dessine_ = false;
};

} // namespace quillora
