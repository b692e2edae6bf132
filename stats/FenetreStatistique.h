#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QWidget>

#include "Classe.h"

namespace quillora {

// What the four statistics windows share: the class they show, the bar of buttons on top,
// the help button, and the change codes the sheets send them.
//
// A window reads the class of the sheet that opened it and never owns it: it must be closed
// before that sheet goes (the frame does so when a sheet closes).
class FenetreStatistique : public QWidget {
    Q_OBJECT

public:
    FenetreStatistique(const TClasse& classe, const QString& sujetAide, QWidget* parent);

    const TClasse& Classe;

    // A change in some class (1 students, 2 assignments of `periode`, 3 a grade, 4 a
    // coefficient, 5 the sheet's period or the class parameters, 6 the settings, 7 the
    // subjects); each window decides whether it concerns what it shows.
    virtual void Notifier(int code, int periode, int item, int eleve) = 0;
    // The print layout of the chart or the table, with its page and printer.
    virtual void Imprimer() = 0;
    // The period the frame shows while the window is active: 1..3, 4 "Bilan", 5 "Année".
    virtual int PeriodeAffichee() const = 0;

signals:
    // The window asks the frame to show its period again.
    void periodeAffichee();

protected:
    // Once all is made: the chart or the table comes first for the keyboard, the window's
    // activation gives it the focus; then Tab goes along the bar from left to right.
    void showEvent(QShowEvent* event) override;
    // A button of the top bar, named as the program's forms name it; checkable ones go into
    // `groupe` with `id` when one is given.
    QToolButton* bouton(const char* nom, const QString& texte, const QString& aide,
                        QButtonGroup* groupe = nullptr, int id = -1);
    // A list, a label or a gap in the top bar, after what is there already.
    void ajouter(QWidget* w);
    void separer();
    QButtonGroup* groupe();
    // The student list: the class first, then each student by number and name.
    void remplirEleves(QComboBox* liste);
    // Presses the group's button `id`, or none when there is no such button.
    static void presser(QButtonGroup* groupe, int id);
    // Where a print goes as a PDF file without a printer: beside the class file.
    QString FichierPdf() const;
    // The charts' and table's font from the settings; its size follows their own.
    static QFont PoliceOptions();
    // The class's abbreviation and `suffixe`, cut to `longueur` characters.
    void fixerTitre(const QString& suffixe, int longueur);

    QHBoxLayout* barre_ = nullptr;
    bool ordonne_ = false;
};

} // namespace quillora
