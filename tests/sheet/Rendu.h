#pragma once

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Classe.h"
#include "DessinFeuille.h"
#include "DialoguesScriptes.h"
#include "Options.h"

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
    void SetUp() override;
    void TearDown() override { InitOptions(Options); }

    // The window (or the preview), or else an A4 page at 300 dpi; `g` keeps the geometry.
    QImage peindre(const TClasse& c, bool impression = false);
    // The pixels of a logical rectangle of the last paint.
    QRect zone(double x, double y, double largeur, double hauteur) const;
    // Whether the last paint shows exactly `texte` at (x, y) in the sheet's font of n points,
    // over nothing but the background `fond`.
    bool montre(const QImage& image, double x, double y, const QString& texte, Couleur couleur,
                Couleur fond = teinte::fond, double n = 6, bool centre = false) const;

    PlateformeFactice plateforme;
    EtatFeuille etat;
    GeometrieFeuille g;
};

// Students "ELEVE 1", "ELEVE 2"... with the grades of subject 1, period 1, one row each.
TClasse classe(const std::vector<std::vector<std::string>>& notes);

int compter(const QImage& image, const QRect& zone, Couleur c);
// Whether `zone` is all of colour c.
inline bool uni(const QImage& image, const QRect& zone, Couleur c) {
    return compter(image, zone, c) == zone.width() * zone.height();
}
// The smallest rectangle holding what, within `zone`, is not `fond`.
QRect encre(const QImage& image, const QRect& zone, Couleur fond);

} // namespace quillora::test
