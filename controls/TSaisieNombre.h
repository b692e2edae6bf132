#pragma once

#include <QFrame>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace quillora {

class TEditSaisieNombre;

enum class TModeSN { mLongint, mReal };

// A labelled numeric field with "-" and "+" step buttons, a range and auto-repeat: the
// numbers of the dialogs are typed and checked here.
class TSaisieNombre : public QFrame {
    Q_OBJECT
public:
    explicit TSaisieNombre(QWidget* parent = nullptr);

    // The caption left of the field, shown followed by ":".
    QString Texte1() const { return texte1_; }
    void setTexte1(const QString& t);
    // The unit right of the field; an empty unit hides its label.
    QString Texte2() const { return texte2_; }
    void setTexte2(const QString& t);
    bool AfficherT1() const { return afficherT1_; }
    void setAfficherT1(bool b);
    bool AfficherT2() const { return afficherT2_; }
    void setAfficherT2(bool b);
    bool AfficherBt() const { return afficherBt_; }
    void setAfficherBt(bool b);
    // Where the caption ends; the field starts 10 pixels further.
    int SizeText() const { return sizeText_; }
    void setSizeText(int x);

    TModeSN Mode() const { return mode_; }
    void setMode(TModeSN m) { mode_ = m; }
    bool Negatif() const { return negatif_; }
    void setNegatif(bool b) { negatif_ = b; }
    // The valid range, both ends included.
    double Min() const { return min_; }
    void setMin(double v);
    double Max() const { return max_; }
    void setMax(double v);
    // The step of the buttons, rounded to an integer in mLongint.
    double VInc() const { return vInc_; }
    void setVInc(double v) { vInc_ = v; }
    int NbDecimale() const { return nbDecimale_; }
    void setNbDecimale(int n) { nbDecimale_ = n; }
    bool GarderZero() const { return garderZero_; }
    void setGarderZero(bool b) { garderZero_ = b; }
    bool OnChangeActif() const { return onChangeActif_; }
    void setOnChangeActif(bool b) { onChangeActif_ = b; }

    // The value of a valid field; Round(Min) or Min otherwise. Writing a value outside
    // Min..Max leaves the field as it is.
    int ValeurI() const;
    void setValeurI(int v);
    double ValeurR() const;
    void setValeurR(double v);

    // Why the field is not valid, as the warning shows it; empty when it is valid. A control
    // disabled on its own is always valid.
    QString MessageInvalide() const;
    // Checks the field. When asked to, an invalid field is reported in a warning box, with
    // `contexte` and ": " before the message, and gets the focus back.
    bool Valide(bool afficher = false, const QString& contexte = {});

    TEditSaisieNombre* Edit() const { return edit_; }
    QPushButton* BoutonMoins() const { return moins_; }
    QPushButton* BoutonPlus() const { return plus_; }

signals:
    // Every change of the field's text, while OnChangeActif is set.
    void OnChange();

private:
    void disposer();
    void majIndication();
    std::optional<double> lire() const;
    void ecrire(double v);
    void pas(int sens);
    void commencerRepetition(int sens);
    void repeter();

    QLabel* legende_;
    TEditSaisieNombre* edit_;
    QLabel* unite_;
    QPushButton* moins_;
    QPushButton* plus_;
    QTimer* repetition_;
    int sensRepetition_ = 0;
    int battements_ = 0;

    QString texte1_ = QStringLiteral("Texte de présentation");
    QString texte2_ = QStringLiteral("Unité");
    bool afficherT1_ = true;
    bool afficherT2_ = true;
    bool afficherBt_ = true;
    int sizeText_ = 108;
    TModeSN mode_ = TModeSN::mLongint;
    bool negatif_ = false;
    double min_ = 0;
    double max_ = 10;
    double vInc_ = 1;
    int nbDecimale_ = 2;
    bool garderZero_ = false;
    bool onChangeActif_ = true;
};

} // namespace quillora
