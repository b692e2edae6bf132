#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "JournalTexte.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace quillora {

// The change log of a class, newest first: every step the journal holds, with its date,
// what was done and, for grades and coefficients, who and what changed and how. A filter
// keeps one student's lines; the lines shown can be copied or printed. It only reads.
class TDialJournal : public QDialog {
    Q_OBJECT
public:
    // `nomClasse` titles the window and the page; `fichierPdf` is where printing goes when
    // there is no printer; `fichierClasse`, the class's own file, is never printed over.
    TDialJournal(std::vector<EntreeJournal> entrees, const QString& nomClasse,
                 const QString& fichierPdf, const std::string& fichierClasse,
                 QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    QComboBox* Filtre() const { return filtre_; }
    // The entries shown, in order: the door's lines of them, one per line.
    QString TexteAffiche() const;
    // The page as printed: a title and the table of the entries shown.
    QString PageImprimee() const;

private:
    void remplir();
    void copier();
    void imprimer();
    std::vector<const EntreeJournal*> affichees() const;

    std::vector<EntreeJournal> entrees_;
    QString nomClasse_, fichierPdf_;
    std::string fichierClasse_;
    QTableWidget* table_;
    QComboBox* filtre_;
    QLabel* vide_;
};

} // namespace quillora
