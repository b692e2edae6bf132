#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "Classe.h"
#include "Options.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace quillora {

class PanneauConsequences;
class SurfaceApercu;
class TColorPanel;
class TJppPageControl;
class TSaisieNombre;

// The options: every setting of the program in tabs, tried on a small sample sheet before
// it is confirmed. The dialog works on a copy; OK puts the copy in force and writes the
// settings file, and the caller brings the open windows up to date.
class TDialOption : public QDialog {
    Q_OBJECT
public:
    // `fichierOptions` is the settings file that OK writes, its reals with `separateur`.
    TDialOption(QWidget* parent, const QString& fichierOptions, char separateur);
    ~TDialOption() override;

    TOptions CopieOptions;
    // The sample follows the controls only once the dialog has been shown: filling the
    // controls must not redraw it at each one.
    bool ApercuActif = false;

    // Everything the controls hold into CopieOptions, but the print corrections.
    void LireControles();
    void MajExempleTitre();
    SurfaceApercu* Apercu() const { return apercu_; }
    TJppPageControl* Onglets() const { return onglets_; }

    // Shows, below the sample, whose averages in `classe` the letters, their values and the
    // pass mark typed would change, seen from the sheet's view (s, p). Without a class open
    // the dialog has no such panel.
    void MontrerConsequences(const TClasse& classe, int s, int p);
    PanneauConsequences* Panneau() const { return panneau_; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* pageDivers();
    QWidget* pageCouleur();
    QWidget* pagePolice();
    QWidget* pageImpression();
    QWidget* pageSauvegarde();
    QWidget* pageTitre();
    QWidget* pageLettres();
    QWidget* pageSaisie();
    QCheckBox* caseA(QWidget* page, bool TOptions::*champ, const char* nom, const QString& texte,
                     bool vivante);
    void remplir();
    void changementVivant();
    void tailleChoisie(QListWidget* liste, QLineEdit* champ, QLineEdit* autre);
    void majActivation();

    QString fichierOptions_;
    char separateur_;
    TJppPageControl* onglets_ = nullptr;
    SurfaceApercu* apercu_ = nullptr;
    std::vector<std::pair<bool TOptions::*, QCheckBox*>> cases_;
    TColorPanel* couleurs_[13] = {};
    QListWidget* polices_ = nullptr;
    QLineEdit* police_ = nullptr;
    QListWidget* taillesP_ = nullptr;
    QListWidget* taillesD_ = nullptr;
    QLineEdit* tailleP_ = nullptr;
    QLineEdit* tailleD_ = nullptr;
    QCheckBox* gras_ = nullptr;
    QCheckBox* italique_ = nullptr;
    QComboBox* styleLigne_ = nullptr;
    QLineEdit* kd_ = nullptr;
    QLineEdit* kp_ = nullptr;
    QLineEdit* repsauve_ = nullptr;
    QComboBox* separateurs_ = nullptr;
    QLabel* exemple_ = nullptr;
    QTableWidget* lettres_ = nullptr;
    QLabel* domaine_ = nullptr;
    TSaisieNombre* notemax_ = nullptr;
    TSaisieNombre* coefmax_ = nullptr;
    TSaisieNombre* notemoy_ = nullptr;
    PanneauConsequences* panneau_ = nullptr;
};

} // namespace quillora
