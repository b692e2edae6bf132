#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <unordered_map>
#include <vector>

#include "CouleursFeuille.h"
#include "GeometrieFeuille.h"

namespace quillora {

// Writes and draws on one surface in the sheet's logical units: every text goes through
// EcrireTexte and every grid line through TracerLigne, so that screen, preview and paper
// share one conversion. Keeps the current font, colours and alignment like a canvas does.
class PeintreFeuille {
public:
    enum class Alignement { Gauche, Centre };

    // `relief` is the line style (0 simple, 1 sunken, 2 raised).
    PeintreFeuille(QPainter& painter, const GeometrieFeuille& geometrie,
                   const CouleursFeuille& couleurs, int relief);

    const GeometrieFeuille& Geometrie() const { return geometrie_; }
    const CouleursFeuille& Couleurs() const { return couleurs_; }

    // The sheet's font at n points (scaled by kt) in `style`.
    void Police(double n, StylePolice style);
    void CouleurTexte(Couleur c) { texte_ = c; }
    void CouleurTrait(Couleur c) { trait_ = c; }
    void Aligner(Alignement a) { alignement_ = a; }

    // Writes at the logical point (x, y): its top, and its left or its centre.
    void EcrireTexte(double x, double y, const QString& texte);
    // The same at a point already in pixels.
    void EcrirePixel(QPoint p, const QString& texte);
    // Writes at the top-left of the logical rectangle (x1, y1)-(x2, y2), cut at its edges.
    void EcrireDecoupe(double x1, double y1, double x2, double y2, const QString& texte);
    void TracerLigne(double x1, double y1, double x2, double y2);
    // A filled rectangle from (x1, y1) to (x2, y2), its right and bottom edges excluded.
    void Rectangle(double x1, double y1, double x2, double y2, Couleur bord, Couleur fond);

    // Whether a text of up to `caracteres` characters written at (x, y) could show: what
    // surely lies off the surface need not even be worked out.
    bool PeutMontrer(double x, double y, int caracteres) const;
    // Whether anything written on the line at y could show.
    bool LigneVisible(double y) const;

    // Width of a text in the current font, in pixels.
    int LargeurTexte(const QString& texte) const { return metriques_.horizontalAdvance(texte); }

private:
    struct DispositionsPolice {
        QFont police;
        std::unordered_map<QString, std::unique_ptr<QTextLayout>> textes;
    };

    void Stylo(Couleur c);
    // The text laid out on one line in the current font, the first time it is asked for.
    const QTextLayout& Disposition(const QString& texte);
    // Whether a text written from p, `largeur` pixels wide, can reach the visible surface.
    bool Visible(QPoint p, int largeur) const;

    QPainter& painter_;
    const GeometrieFeuille geometrie_;
    const CouleursFeuille& couleurs_;
    const int relief_;
    QFont police_;
    QFontMetrics metriques_;
    int ascent_ = 0;
    int hauteurLigne_ = 0;
    // The surface that can show anything: the device, within the painter's clip. A large
    // class reaches far beyond the window, and shaping the text that would fall outside
    // costs more than all the rest of a paint. After a grade is typed, the clip is only the
    // pieces of the sheet that changed.
    QRegion visible_;
    // A sheet writes the same few grades hundreds of times: each text is shaped once per
    // font, and written again from its layout through the very call a plain write makes.
    std::vector<std::unique_ptr<DispositionsPolice>> dispositions_;
    DispositionsPolice* dispositionsCourantes_ = nullptr;
    Couleur texte_ = 0;
    Couleur trait_ = 0;
    Alignement alignement_ = Alignement::Gauche;
    bool styloDefini_ = false;
    Couleur stylo_ = 0;
};

} // namespace quillora
