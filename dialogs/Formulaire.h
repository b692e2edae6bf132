#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "Classe.h"

class QBoxLayout;
class QGridLayout;

namespace quillora {

// What the dialogs of the class and its students share: their fields, their buttons and
// the list of students.

// A text field of `longueur` characters that takes only what a class file can hold: what
// Windows-1252 lacks is spelt in plain Latin letters as it is typed ("Ș" -> "S", "Дмитрий" ->
// "Dmitrij"), as a class list's import does, so the teacher sees what will be stored.
QLineEdit* Champ(QWidget* parent, const char* nom, int longueur);

// The model's text and back, for the fields.
QString TexteChamp(std::string_view cp1252);
std::string TexteDuChamp(const QLineEdit* champ);

// The three fields of a student, one row each in `grille` from row `ligne`: "Nom :",
// "Prénom :", then `libelleDate` with `indication` after the date field when given. The
// date field takes digits only; beside it, a red remark points out a date being typed that
// the calendar lacks.
struct ChampsEleve {
    QLineEdit* nom;
    QLineEdit* prenom;
    QLineEdit* date;
    void Afficher(const TClasse& c, int e);
    void Vider();
};
ChampsEleve AjouterChampsEleve(QWidget* parent, QGridLayout* grille, int ligne,
                               const QString& libelleDate, const QString& indication);

// The checks of a student about to be added: a name is required; a missing birth date is
// pointed out once (`conseilDonne`). False, with the focus on the field, when refused.
bool VerifierEleve(QWidget* parent, const ChampsEleve& champs, bool& conseilDonne);
// The first of them alone, for a student whose name is corrected.
bool VerifierNom(QWidget* parent, const ChampsEleve& champs);

// The row OK, Cancel (with `annuler` for its caption) and Help at the bottom of a dialog;
// Help shows `sujet`. OK and Cancel are connected to accept and reject unless told not to.
struct Boutons {
    QPushButton* ok;
    QPushButton* annuler;
    QPushButton* aide;
};
Boutons AjouterBoutons(QDialog* d, QBoxLayout* colonne, const QString& sujet,
                       bool connecter = true);

// One line per student: its number, " - ", its name and first name; the first selected.
void RemplirListeEleves(QComboBox* liste, const TClasse& c);
QString LigneEleve(const TClasse& c, int e);

// `titre` followed by the class's abbreviation between " ( " and " )".
QString AvecClasse(const QString& titre, const TClasse& c);

// Sized to its contents and centred on the screen.
void Placer(QDialog* d);

} // namespace quillora
