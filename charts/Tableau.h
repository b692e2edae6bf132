#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <array>

#include "TableLisible.h"

class QPainter;

namespace quillora {

enum TRelief { rAucun, rCreux, rBosse };

// A small table: a title band, a first column of double width for the row headers, then up to
// five rows and five columns of short texts, with flat, sunken or raised grid lines.
//
// Like the chart, Dessiner draws into any rectangle of any painter (screen or printed page) and
// sizes its fonts from that rectangle. Colours are QColor. Setters do not repaint.
//
// A screen reader reads it as a table: the first row and column are the headers, the caption
// its name. The arrow keys move from cell to cell, each one told as the focus.
class TTableau : public QWidget, public GrilleLisible {
public:
    explicit TTableau(QWidget* parent = nullptr);

    QColor CouleurFond() const { return couleurFond_; }
    void SetCouleurFond(const QColor& c) { couleurFond_ = c; }
    // The cell font; its size is recomputed from the rectangle at every drawing.
    QFont Police() const { return police_; }
    void SetPolice(const QFont& f) { police_ = f; }
    QColor CouleurPolice() const { return couleurPolice_; }
    void SetCouleurPolice(const QColor& c) { couleurPolice_ = c; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c) { caption_ = c; }
    int NbLigne() const { return nbLigne_; }
    // Only 3, 4 or 5; other values leave it unchanged.
    void SetNbLigne(int n);
    int NbColonne() const { return nbColonne_; }
    // Only 4 or 5; other values leave it unchanged.
    void SetNbColonne(int n);
    QColor CouleurL() const { return couleurL_; }
    void SetCouleurL(const QColor& c) { couleurL_ = c; }
    bool NoirBlanc() const { return noirBlanc_; }
    void SetNoirBlanc(bool v) { noirBlanc_ = v; }
    bool Cadre() const { return cadre_; }
    void SetCadre(bool v) { cadre_ = v; }
    TRelief Relief() const { return relief_; }
    void SetRelief(TRelief r) { relief_ = r; }

    // Keeps the first 25 characters; ignored unless both indexes are 1..5.
    void SetCellule(int colonne, int ligne, const QString& texte);
    // Empty unless both indexes are 1..5.
    QString Cellule(int colonne, int ligne) const;

    void Dessiner(QPainter& p, int L, int T, int W, int H);

    static constexpr int MaxCases = 5;
    static constexpr int LongueurCellule = 25;

    QString NomTable() const override;
    int NbLignesLisibles() const override { return nbLigne_ - 1; }
    int NbColonnesLisibles() const override { return nbColonne_ - 1; }
    QString NomCase(CaseLisible c) const override;
    QRect RectangleCase(CaseLisible c) const override;
    std::optional<CaseLisible> CaseCourante() const override { return courante_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DessinerTrait(QPainter& p, int x1, int y1, int x2, int y2);

    QColor couleurFond_{192, 192, 192};
    QFont police_;
    QColor couleurPolice_ = Qt::black;
    QString caption_;
    int nbLigne_ = 5;
    int nbColonne_ = 5;
    QColor couleurL_ = Qt::black;
    bool noirBlanc_ = false;
    bool cadre_ = true;
    TRelief relief_ = rCreux;
    std::array<std::array<QString, MaxCases>, MaxCases> cellules_; // [colonne - 1][ligne - 1]
    CaseLisible courante_;                                         // where the keyboard is
};

} // namespace quillora
