#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <utility>
#include <vector>

#include "Barre.h"
#include "PointObjet.h"
#include "TableLisible.h"

class QPainter;

namespace quillora {

enum TMode { mBarre, mLigne, mBezier };

// A row of numbered bars over a vertical scale, drawn as bars, as a broken line or as a smooth
// curve, with an optional average line, a title and up to five text lines under the plot.
//
// Dessiner draws the whole chart into any rectangle of any painter, so the statistics windows
// show it through paintEvent and the print layout puts the very same drawing on a page; the
// fonts follow the rectangle's size. Colours are QColor; callers holding the settings'
// 0x00BBGGRR values convert them with couleurQt.
//
// Setters do not repaint: the owner changes several things and then repaints once.
//
// Its text alternative is a table a screen reader reads: one row per bar, then the average
// line's, each value named in a sentence; the caption names it and the lines under the plot
// describe it. The arrow keys go from bar to bar, each one told as the focus.
class TNewGraphe : public QWidget, public GrilleLisible {
public:
    explicit TNewGraphe(QWidget* parent = nullptr);

    bool LegH() const { return legH_; }
    void SetLegH(bool v) { legH_ = v; }
    bool LegV() const { return legV_; }
    void SetLegV(bool v) { legV_ = v; }
    int NbBarre() const { return static_cast<int>(barres_.size()); }
    // Throws every bar away and makes that many fresh ones.
    void SetNbBarre(int n);
    int Vmax() const { return vmax_; }
    // The scale needs a positive top; other values leave it unchanged.
    void SetVmax(int v);
    bool Moy() const { return moy_; }
    void SetMoy(bool v) { moy_ = v; }
    TMode Mode() const { return mode_; }
    void SetMode(TMode m) { mode_ = m; }
    QColor CouleurFond() const { return couleurFond_; }
    void SetCouleurFond(const QColor& c) { couleurFond_ = c; }
    // The font's size is recomputed from the rectangle at every drawing; its colour is apart.
    QFont Police() const { return police_; }
    void SetPolice(const QFont& f) { police_ = f; }
    QColor CouleurPolice() const { return couleurPolice_; }
    void SetCouleurPolice(const QColor& c) { couleurPolice_ = c; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c) { caption_ = c; }
    int NbLigne() const { return nbLigne_; }
    // 0 to 5; other values leave it unchanged.
    void SetNbLigne(int n);
    bool Afficher0() const { return afficher0_; }
    void SetAfficher0(bool v) { afficher0_ = v; }
    QColor CouleurL() const { return couleurL_; }
    void SetCouleurL(const QColor& c) { couleurL_ = c; }
    bool NoirBlanc() const { return noirBlanc_; }
    void SetNoirBlanc(bool v) { noirBlanc_ = v; }
    bool Cadre() const { return cadre_; }
    void SetCadre(bool v) { cadre_ = v; }
    int PasVert() const { return pasVert_; }
    void SetPasVert(int v) { pasVert_ = v; }
    int NbGradV() const { return nbGradV_; }
    void SetNbGradV(int v) { nbGradV_ = v; }

    // Bar i, 1..NbBarre, or nullptr. Callers fill a scratch TBarre and assign it.
    TBarre* Barre(int i);
    // Ignored when i is out of range.
    void SetLegende(int i, const QString& texte);
    // Text lines 1..5 under the plot; other indexes are ignored.
    void SetLigne(int i, const QString& texte);
    QString LireLigne(int i) const;
    void Vider() { barres_.clear(); }
    // Its value is the average (negative: no line), its colour the line's.
    TBarre& BarreMoy() { return barreMoy_; }

    void Dessiner(QPainter& p, int L, int T, int W, int H);

    static constexpr int MaxLignes = 5;
    static constexpr int MaxPointsCourbe = 255;

    // How a screen reader names the bars: `nom` with each bar's number counted from
    // `premier` ("devoir %1", 1), what their values are ("note"), and the unit a bar's value
    // counts, in the singular ("élève": "3 élèves"). Without `nom`, a bar is read by its
    // legend, or else "barre" and its number.
    struct LectureBarres {
        QString nom;
        int premier = 1;
        QString valeur = QStringLiteral("valeur");
        QString unite;
    };
    void SetLectureBarres(const LectureBarres& l) { lecture_ = l; }
    // What bars and lines drawn in `couleur` mean, told after their values.
    void NommerCouleur(const QColor& couleur, const QString& sens);

    QString NomTable() const override;
    QString DescriptionTable() const override;
    int NbLignesLisibles() const override;
    int NbColonnesLisibles() const override { return NbLignesLisibles() > 0 ? 1 : 0; }
    QString NomCase(CaseLisible c) const override;
    QRect RectangleCase(CaseLisible c) const override;
    std::optional<CaseLisible> CaseCourante() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The layout of one drawing, in pixels relative to the rectangle's corner.
    struct Mesures {
        int W = 0;
        int hTitre = 0;
        int hLigne = 0;
        int gauche = 0;
        int bas = 0;
        int largeur = 0;
        int demi = 0;
        int marque = 0; // half-size of the point markers
        double echelle = 0.0;
        int y(double v) const;
        int xSlot(int i) const { return gauche + (i - 1) * largeur; }
    };

    int HauteurQuiTient(QPainter& p, int W, int hauteur) const;
    int DessinerTitre(QPainter& p, int W, int hauteurPolice);
    void DessinerGraduations(QPainter& p, const Mesures& m);
    void DessinerBarres(QPainter& p, const Mesures& m);
    void DessinerLigne(QPainter& p, const Mesures& m);
    void DessinerBezier(QPainter& p, const Mesures& m);
    void DessinerMoyenne(QPainter& p, const Mesures& m);
    void DessinerTexteAuPied(QPainter& p, const Mesures& m, int i, const QString& texte);
    void DessinerMarque(QPainter& p, const Mesures& m, int x, int y, const QColor& couleur);
    QColor Encre() const { return noirBlanc_ ? QColor(Qt::black) : couleurL_; }
    QColor CouleurTexte() const { return noirBlanc_ ? QColor(Qt::black) : couleurPolice_; }

    bool legH_ = true;
    bool legV_ = true;
    int vmax_ = 20;
    bool moy_ = true;
    TMode mode_ = mLigne;
    QColor couleurFond_{192, 192, 192};
    QFont police_;
    QColor couleurPolice_ = Qt::black;
    QString caption_;
    int nbLigne_ = 1;
    bool afficher0_ = true;
    QColor couleurL_ = Qt::black;
    bool noirBlanc_ = false;
    bool cadre_ = true;
    int pasVert_ = 5;
    int nbGradV_ = 4;

    std::array<QString, MaxLignes> lignes_;
    TBarre barreMoy_;
    std::vector<TBarre> barres_;
    TListPoint points_;

    QString NomBarre(int ligne) const;
    QString SensCouleur(const QColor& c) const;
    LectureBarres lecture_;
    std::vector<std::pair<QColor, QString>> sensCouleurs_;
    int barreCourante_ = 0; // the row of the readable table the keyboard is on
    Mesures ecran_;         // the layout of the last paint on the widget itself
};

} // namespace quillora
