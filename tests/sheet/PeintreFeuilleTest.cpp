#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "ConversionsQt.h"
#include "PeintreFeuille.h"
#include "PoliceFeuille.h"

namespace quillora::test {
namespace {

struct Ecriture {
    double n;
    StylePolice style;
    QString texte;
    double x, y;
    Couleur couleur = 0;
    bool coupe = false; // cut at a box 15 units wide and 8 high
};

// The sheet writes each text again from the layout it made the first time: what it writes
// must be, pixel for pixel, what writing the text anew puts there. The same text comes back
// in another font, size and colour, another font comes back to the first, accents, a
// character the font lacks, an underline and a cut are among them.
TEST(PeintreFeuille, UnTexteRecritEstCeQuUneEcritureNeuveDonne) {
    const StylePolice droit{}, titre{true, true, false}, souligne{false, false, true};
    const std::vector<Ecriture> ecritures = {
        {6, droit, "12", 10, 10},
        {6, droit, "12", 42.5, 10, 0x0000FF},
        {6, titre, "12", 70, 10},
        {8, droit, "12", 100, 10},
        {6, droit, "12", 130, 10, 0x008000},
        {6, droit, "ÉLÈVE Zoé Œdipe", 10, 30},
        {6, titre, "ÉLÈVE Zoé Œdipe", 10, 45},
        {6, souligne, "B+ souligné", 10, 60},
        {6, droit, "€ 漢 ﬁn", 10, 75},
        {6, droit, "", 10, 85},
        {6, droit, "Un nom bien trop long pour sa case", 10, 95, 0, true},
        {6, droit, "Un nom bien trop long pour sa case", 10, 110},
    };
    GeometrieFeuille g;
    g.k = 2;
    g.kt = 2;
    g.OrigineX = 3;
    g.OrigineY = 1;
    const CouleursFeuille couleurs{};
    QImage ecrite(QSize(400, 260), QImage::Format_RGB32);
    ecrite.fill(Qt::white);
    QImage neuve = ecrite;
    {
        QPainter p(&ecrite);
        PeintreFeuille f(p, g, couleurs, 0);
        for (const Ecriture& e : ecritures) {
            f.Police(e.n, e.style);
            f.CouleurTexte(e.couleur);
            if (e.coupe)
                f.EcrireDecoupe(e.x, e.y, e.x + 15, e.y + 8, e.texte);
            else
                f.EcrireTexte(e.x, e.y, e.texte);
        }
    }
    {
        QPainter p(&neuve);
        for (const Ecriture& e : ecritures) {
            p.setFont(PoliceFeuille(g.HauteurPolice(e.n), e.style));
            p.setPen(couleurQt(e.couleur));
            const QPoint a = g.Point(e.x, e.y);
            if (e.coupe) p.setClipRect(QRect(a, g.Point(e.x + 15, e.y + 8) - QPoint(1, 1)));
            p.drawText(QPoint(a.x(), a.y() + p.fontMetrics().ascent()), e.texte);
            p.setClipping(false);
        }
    }
    ASSERT_NE(neuve, QImage(neuve.size(), neuve.format())) << "nothing was written";
    for (int y = 0; y < ecrite.height(); ++y)
        for (int x = 0; x < ecrite.width(); ++x)
            ASSERT_EQ(ecrite.pixel(x, y), neuve.pixel(x, y)) << "at " << x << "," << y;
}

} // namespace
} // namespace quillora::test
