#include "ApercuOptions.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Classe.h"
#include "ConversionsQt.h"

namespace quillora {

namespace {

int arrondi(double x) {
    return static_cast<int>(std::nearbyint(x));
}

constexpr Couleur Gris = 0x808080;
constexpr Couleur Blanc = 0xFFFFFF;

// One grid line as the sheet draws it: the second stroke of a relief one pixel right and
// down of the first.
void ligne(QPainter& p, QPoint a, QPoint b, int relief, Couleur trait) {
    const QPoint decale(1, 1);
    auto tracer = [&p](Couleur c, QPoint u, QPoint v) {
        p.setPen(QPen(couleurQt(c), 1, Qt::SolidLine));
        p.drawLine(u, v);
    };
    switch (relief) {
    case 1:
        tracer(Gris, a, b);
        tracer(Blanc, a + decale, b + decale);
        break;
    case 2:
        tracer(Blanc, a, b);
        tracer(Gris, a + decale, b + decale);
        break;
    default:
        tracer(trait, a, b);
        break;
    }
}

} // namespace

QFont PoliceApercu(const TOptions& o, int points) {
    QFont f(texteQt(o.polname));
    // Sized in pixels as the sheet sizes its font, so that the sample matches the sheet.
    const int pt = arrondi(points * o.zoomP);
    f.setPixelSize(std::max(1, (pt * ResolutionEcran + 36) / 72));
    f.setBold(o.polstyle.gras);
    f.setItalic(o.polstyle.italique);
    f.setUnderline(o.polstyle.souligne);
    f.setKerning(false);
    return f;
}

void DessinerApercu(QPainter& p, const TOptions& o) {
    const auto& c = o.couleur;
    p.fillRect(0, 0, LargeurApercu, HauteurApercu, couleurQt(c[3]));
    p.setBackgroundMode(Qt::TransparentMode);
    p.setFont(PoliceApercu(o, 6));
    const QFontMetrics m = p.fontMetrics();
    auto point = [&o](double x, double y) {
        return QPoint(arrondi(x * o.zoomD), arrondi(y * o.zoomD));
    };
    auto ecrire = [&](double x, double y, Couleur couleur, const QString& texte) {
        p.setPen(couleurQt(couleur));
        // The unit position is the top of the text; Qt writes from the baseline.
        p.drawText(point(x, y) + QPoint(0, m.ascent()), texte);
    };

    const char* const noms[] = {"Laparesse", "Lepénible", "Parletrop"};
    const char* const capitales[] = {"LAPARESSE", "LEPENIBLE", "PARLETROP"};
    const char* const prenoms[] = {" Pierre", " Paul", " Jack"};
    for (int i = 0; i < 3; ++i) {
        QString nom = QString::fromUtf8(o.majuscule ? capitales[i] : noms[i]);
        if (o.prenom) nom += QLatin1String(prenoms[i]);
        ecrire(10, 20 + 10 * i, c[1], nom);
    }
    const QString g = o.arrondiN ? QStringLiteral("12") : QStringLiteral("12.5");
    const int d = o.alignernb ? arrondi(m.horizontalAdvance(QLatin1Char('2')) / o.zoomD) : 0;
    ecrire(80, 0, c[5], QStringLiteral("dev"));
    ecrire(100, 0, c[5], QStringLiteral("1"));
    ecrire(120, 0, c[5], QStringLiteral("2"));
    ecrire(80, 10, c[5], QStringLiteral("coef"));
    ecrire(140, 10, c[5], QStringLiteral("moy"));
    ecrire(100, 10, c[4], QStringLiteral("1"));
    ecrire(120, 10, c[4], QStringLiteral("1"));
    ecrire(100, 20, c[6], g);
    ecrire(120, 20, c[6], QStringLiteral("14"));
    ecrire(120, 30, c[6], QStringLiteral("13"));
    ecrire(120, 40, c[6], QStringLiteral("19"));
    ecrire(100 + d, 40, c[7], QStringLiteral("7"));
    ecrire(100 + d, 30, c[7], QStringLiteral("7"));
    ecrire(100 + d, 50, c[9], g);
    ecrire(140, 20, c[8], g);
    ecrire(140, 30, c[8], QStringLiteral("10"));
    ecrire(140, 40, c[8], QStringLiteral("13"));
    ecrire(120, 50, c[8], QStringLiteral("13"));
    // The class's average: the mean of the three students' averages above it, rounded like
    // them.
    ecrire(140, 50, c[8], o.arrondiN ? QStringLiteral("12") : QStringLiteral("11.8"));

    for (int x : {98, 118, 138}) ligne(p, point(x, 3), point(x, 59), o.relief, c[2]);
    ligne(p, point(78, 9), point(138, 9), o.relief, c[2]);
    for (int y : {19, 49}) ligne(p, point(78, y), point(158, y), o.relief, c[2]);

    if (o.textebas)
        ecrire(10, 60, c[10],
               QStringLiteral("Devoir 1 : date 10 sept durée 2h Devoir de sciences"));
}

QString TitreExemple(int indsep, bool annee) {
    if (indsep < 0 || indsep >= static_cast<int>(SeparateursTitre.size())) return {};
    const QString s = QStringLiteral(" %1 ").arg(QLatin1Char(SeparateursTitre[indsep]));
    QString t = QStringLiteral("3A") + s + QStringLiteral("Anglais") + s +
                QStringLiteral("Trimestre 1") + s + QStringLiteral("Devoir 4");
    if (annee) t += QStringLiteral(" ( 1999 / 2000 )");
    return t;
}

QPixmap ImageStyleLigne(int relief) {
    // A corner of the grid: a rule and the column line that leaves it.
    QPixmap image(28, 14);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&image);
    ligne(p, QPoint(1, 5), QPoint(25, 5), relief, 0x000000);
    ligne(p, QPoint(13, 5), QPoint(13, 12), relief, 0x000000);
    return image;
}

SurfaceApercu::SurfaceApercu(const TOptions& options, QWidget* parent)
    : QWidget(parent), options_(options) {
    setFixedSize(LargeurApercu, HauteurApercu);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceApercu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DessinerApercu(p, options_);
}

} // namespace quillora
