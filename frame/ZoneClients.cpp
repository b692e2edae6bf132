#include "ZoneClients.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>

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
    if (!visible.intersects(QRect(0, 0, 560, 320))) return;
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
        QStringLiteral("Pour commencer : Fichier, Ouvrir... ; l'aide est dans le menu Outils."),
    };
    for (int i = 0; i < 5; ++i)
        p.drawText(QRect(20, 220 + 20 * i, 4000, 40), Qt::AlignLeft | Qt::AlignTop, lignes[i]);
}

void ZoneClients::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier)
        emit clicGauche();
    QMdiArea::mousePressEvent(event);
}

} // namespace quillora
