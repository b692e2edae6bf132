// The yardstick of the start-up benchmarks: a minimal Qt program that starts offscreen,
// paints a sheet comparable to a full class (a title, 45 rows of 24 small texts, a few
// rules) and exits.
//   minimal pdf SORTIE.pdf   paints one A4 page at 300 dpi with QPdfWriter
//   minimal image            paints into an image of a maximised window's size
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstring>

namespace {

void peindre(QPainter& p, double k) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QPointF(40 * k, 20 * k), QStringLiteral("3A - Mathématiques - Trim.1"));
    f.setPointSizeF(6);
    f.setBold(false);
    p.setFont(f);
    for (int e = 1; e <= 45; ++e) {
        p.drawText(QPointF(10 * k, (30 + 10 * e) * k), QStringLiteral("ÉLÈVE %1 Prénom").arg(e));
        for (int a = 1; a <= 24; ++a)
            p.drawText(QPointF((100 + 20 * a) * k, (30 + 10 * e) * k),
                       QString::number((e * a) % 21) + QStringLiteral(".5"));
    }
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(0, (35 + 100 * i) * k), QPointF(600 * k, (35 + 100 * i) * k));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "pdf") == 0) {
        QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        QPainter p(&pdf);
        peindre(p, 300.0 / 96);
        return p.end() ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "image") == 0) {
        QImage image(1366, 640, QImage::Format_RGB32);
        image.fill(Qt::lightGray);
        QPainter p(&image);
        peindre(p, 2);
        return p.end() ? 0 : 1;
    }
    return 2;
}
