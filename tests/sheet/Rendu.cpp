#include "Rendu.h"

#include <QPainter>

#include "ConversionsQt.h"
#include "PoliceFeuille.h"

namespace quillora::test {

void FeuilleTest::SetUp() {
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

QImage FeuilleTest::peindre(const TClasse& c, bool impression) {
    QImage image(impression ? QSize(2481, 3507) : etat.TailleClient, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (impression) {
        image.setDotsPerMeterX(11811); // 300 dpi
        image.setDotsPerMeterY(11811);
    }
    QPainter p(&image);
    g = DessinerFeuille(p, c, etat, impression);
    return image;
}

QRect FeuilleTest::zone(double x, double y, double largeur, double hauteur) const {
    return QRect(g.Point(x, y), g.Point(x + largeur, y + hauteur) - QPoint(1, 1));
}

bool FeuilleTest::montre(const QImage& image, double x, double y, const QString& texte,
                         Couleur couleur, Couleur fond, double n, bool centre) const {
    const QFont police = PoliceFeuille(g.HauteurPolice(n), Options.polstyle);
    const QFontMetrics m(police);
    QPoint p = g.Point(x, y);
    if (centre) p.rx() -= m.horizontalAdvance(texte) / 2;
    QImage attendu(m.horizontalAdvance(texte), m.height(), image.format());
    attendu.fill(couleurQt(fond));
    QPainter peintre(&attendu);
    peintre.setFont(police);
    peintre.setPen(couleurQt(couleur));
    peintre.drawText(0, m.ascent(), texte);
    return image.copy(QRect(p, attendu.size())) == attendu;
}

TClasse classe(const std::vector<std::vector<std::string>>& notes) {
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

int compter(const QImage& image, const QRect& zone, Couleur c) {
    const QRgb cherche = couleurQt(c).rgb();
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) n += image.pixel(x, y) == cherche;
    return n;
}

QRect encre(const QImage& image, const QRect& zone, Couleur fond) {
    const QRgb f = couleurQt(fond).rgb();
    QRect r;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.pixel(x, y) != f) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace quillora::test
