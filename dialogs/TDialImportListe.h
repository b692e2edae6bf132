#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "Classe.h"
#include "ListeImport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace quillora {

struct Formats;

// The list of students read from a file or from the clipboard, shown row by row as it will
// join the class: the teacher picks the separator and what each column holds, corrects a
// name or a date, skips a row, then imports. The class itself is not touched here: the
// command that opened the dialog adds `Lignes()` when it is accepted.
class TDialImportListe : public QDialog {
    Q_OBJECT

public:
    // `nouvelleClasse`: the list makes a new class rather than joining `classe`.
    TDialImportListe(const TClasse& classe, bool majuscule, bool nouvelleClasse = false,
                     QWidget* parent = nullptr);

    // Reads a list from its bytes; `source` says where they came from.
    void ChargerOctets(const std::string& octets, const QString& source);
    // A file chosen by the teacher, or the clipboard's text; false, after saying why, when
    // nothing could be read.
    bool ChargerFichier(const QString& chemin);
    bool ChargerPressePapiers();

    const std::vector<LigneImport>& Lignes() const { return lignes_; }
    // The number of students the import adds.
    int NbAjoutes() const;

    QTableWidget* Tableau() const { return tableau_; }
    QTableWidget* TableauColonnes() const { return colonnes_; }
    QComboBox* Separateur() const { return separateur_; }
    QCheckBox* Entete() const { return entete_; }
    QLabel* Bilan() const { return bilan_; }

private:
    void choisirFichier();
    void relire();            // separator changed: cells read again, columns guessed again
    void appliquerColonnes(); // column choice changed: rows made again
    void remplirColonnes();
    void remplirLignes();
    void majSorts();
    void celluleChangee(QTableWidgetItem* item);

    const TClasse& classe_;
    bool majuscule_;
    std::string texte_; // the list as UTF-8
    Cellules cellules_;
    const Formats* formats_ = nullptr; // the list readers, loaded with the first list
    Colonnes choix_;
    std::vector<LigneImport> lignes_;
    bool remplissage_ = false;

    QLabel* source_ = nullptr;
    QComboBox* separateur_ = nullptr;
    QCheckBox* entete_ = nullptr;
    QTableWidget* colonnes_ = nullptr;
    QTableWidget* tableau_ = nullptr;
    QLabel* bilan_ = nullptr;
    QPushButton* importer_ = nullptr;
};

} // namespace quillora
