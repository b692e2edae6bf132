#include "ZoneClients.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "PlacementFenetres.h"
#include "Programme.h"

namespace quillora {

namespace {

// Text in relief: white, then black two pixels up and left, then grey between them.
void texteEnRelief(QPainter& p, int x, int y, const QString& texte) {
    const QColor couleurs[] = {Qt::white, Qt::black, QColor(128, 128, 128)};
    const int decalages[] = {0, -2, -1};
    for (int i = 0; i < 3; ++i) {
        p.setPen(couleurs[i]);
        p.drawText(QRect(x + decalages[i], y + decalages[i], 4000, 400),
                   Qt::AlignLeft | Qt::AlignTop, texte);
    }
}

QFont arial(int points, bool gras, bool italique) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

} // namespace

ZoneClients::ZoneClients(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("ZoneClients"));
    setBackground(QColor(128, 128, 128));
}

void ZoneClients::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    if (!dessine_) {
        dessine_ = true;
        emit premierDessin();
    }
    // Under the class windows nothing of this shows, and its large fonts would cost the
    // program's start.
    QRegion visible = event->region();
    for (const QMdiSubWindow* w : subWindowList())
        if (w->isVisible() && !w->isMinimized()) visible -= w->geometry();
    if (!visible.intersects(QRect(0, 0, 640, 340))) return;
    QPainter p(viewport());
    p.setFont(arial(30, true, true));
    texteEnRelief(p, 50, 80, TitreProgramme());
    p.setFont(arial(15, true, false));
    texteEnRelief(p, 80, 140, QStringLiteral("Version 64 bits pour Linux"));
    p.setFont(arial(10, false, false));
    p.setPen(QColor(192, 192, 192));
    const QString lignes[] = {
        QStringLiteral("Carnet de notes pour les professeurs de collège et de lycée."),
        QStringLiteral("Réalisé par l'équipe de développement de Quillora."),
        QStringLiteral("Logiciel gratuit : vous pouvez le copier et le diffuser librement."),
        QStringLiteral("Site internet : ") + SiteOfficiel(),
        QStringLiteral("Pour commencer, menu Fichier : « Nouvelle classe », « Nouvelle classe "
                       "depuis une liste » ou « Ouvrir »."),
        QStringLiteral("L'aide est dans le menu Outils."),
    };
    for (int i = 0; i < 6; ++i)
        p.drawText(QRect(20, 220 + 20 * i, 4000, 40), Qt::AlignLeft | Qt::AlignTop, lignes[i]);
}

bool ZoneClients::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ChildPolished) {
        auto* w = qobject_cast<QMdiSubWindow*>(static_cast<QChildEvent*>(event)->child());
        if (w && !w->property("quillora-dans-la-zone").toBool()) {
            w->setProperty("quillora-dans-la-zone", true);
            connect(w, &QMdiSubWindow::windowStateChanged, this,
                    [this, w](Qt::WindowStates, Qt::WindowStates etat) {
                        if (etat & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
                        // Once the window has taken back its old geometry.
                        QTimer::singleShot(0, w, [this, w] {
                            if (!w->isMaximized() && !w->isMinimized())
                                w->setGeometry(DansLaZone(viewport()->size(), w->geometry()));
                        });
                    });
        }
    }
    return QMdiArea::viewportEvent(event);
}

void ZoneClients::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier)
        emit clicGauche();
    QMdiArea::mousePressEvent(event);
}

} // namespace quillora
