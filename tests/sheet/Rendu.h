#pragma once

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Classe.h"
#include "ConversionsQt.h"
#include "DessinFeuille.h"
#include "DialoguesScriptes.h"
#include "Options.h"
#include "PoliceFeuille.h"

namespace quillora::test {

// Colours a test can tell apart, 0x00BBGGRR like the settings.
namespace teinte {
constexpr Couleur noms = 0x000000, lignes = 0x008000, fond = 0xD0F0E0, titres = 0x800000,
                  noteHaute = 0xFF0000, noteBasse = 0x0000FF, moyHaute = 0x008080,
                  moyBasse = 0x800080, bas = 0x808000, autour = 0x0080FF, invalide = 0x00FFFF;
}

// Sheets painted offscreen from the factory settings with those colours, simple lines,
// grid and text at factor 2 on a 96 dpi screen, and no printer (A4 at 300 dpi).
class FeuilleTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitOptions(Options);
        int i = 1;
        for (Couleur c : {teinte::noms, teinte::lignes, teinte::fond, 0u, teinte::titres,
                          teinte::noteHaute, teinte::noteBasse, teinte::moyHaute, teinte::moyBasse,
                          teinte::bas, teinte::autour, teinte::invalide})
            Options.couleur[i++] = c;
        Options.relief = 0;
        MesurerImprimante();
        etat.TailleClient = QSize(800, 600);
    }
    void TearDown() override { InitOptions(Options); }

    // The window (or the preview), or else an A4 page at 300 dpi; `g` keeps the geometry.
    QImage peindre(const TClasse& c, bool impression = false) {
        QImage image(impression ? QSize(2481, 3507) : etat.TailleClient, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(impression ? 11811 : image.dotsPerMeterX()); // 300 dpi
        image.setDotsPerMeterY(impression ? 11811 : image.dotsPerMeterY());
        QPainter p(&image);
        g = DessinerFeuille(p, c, etat, impression);
        return image;
    }
    // The pixels of a logical rectangle of the last paint.
    QRect zone(double x, double y, double l, double h) const {
        return QRect(g.Point(x, y), g.Point(x + l, y + h) - QPoint(1, 1));
    }
    // Whether the last paint shows exactly `texte` at (x, y) in the sheet's font of n points,
    // over nothing but the background `fond`.
    bool montre(const QImage& image, double x, double y, const QString& texte, Couleur couleur,
                Couleur fond = teinte::fond, double n = 6, bool centre = false) const {
        const QFont police = PoliceFeuille(g.HauteurPolice(n), Options.polstyle);
        const QFontMetrics m(police);
        const QPoint p = g.Point(x, y) - QPoint(centre ? m.horizontalAdvance(texte) / 2 : 0, 0);
        QImage attendu(m.horizontalAdvance(texte), m.height(), image.format());
        attendu.fill(couleurQt(fond));
        QPainter peintre(&attendu);
        peintre.setFont(police);
        peintre.setPen(couleurQt(couleur));
        peintre.drawText(0, m.ascent(), texte);
        return image.copy(QRect(p, attendu.size())) == attendu;
    }

    PlateformeFactice plateforme;
    EtatFeuille etat;
    GeometrieFeuille g;
};

// Students "ELEVE 1", "ELEVE 2"... with the grades of subject 1, period 1, one row each.
inline TClasse classe(const std::vector<std::vector<std::string>>& notes) {
    TClasse c;
    c.Initialiser();
    c.NbEleve = static_cast<std::uint8_t>(notes.size());
    for (std::size_t e = 1; e <= notes.size(); ++e) {
        c.Eleve[e].Nom = "ELEVE " + std::to_string(e);
        c.NbDevoir[1][1] = static_cast<std::uint8_t>(notes[e - 1].size());
        for (std::size_t a = 1; a <= notes[e - 1].size(); ++a)
            c.Eleve[e].Note[1][1][a] = notes[e - 1][a - 1];
    }
    return c;
}

// How many pixels of `zone` are of colour c; `uni`: all of them.
inline int compter(const QImage& image, const QRect& zone, Couleur c) {
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            n += image.pixel(x, y) == couleurQt(c).rgb();
    return n;
}
inline bool uni(const QImage& image, const QRect& zone, Couleur c) {
    return compter(image, zone, c) == zone.width() * zone.height();
}
// The smallest rectangle holding what, within `zone`, is not `fond`.
inline QRect encre(const QImage& image, const QRect& zone, Couleur fond) {
    QRect r;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.pixel(x, y) != couleurQt(fond).rgb()) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace quillora::test
