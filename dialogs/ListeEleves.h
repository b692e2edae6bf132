#pragma once

#include <QHBoxLayout>
#include <QStringList>
#include <QTableWidget>
#include <array>
#include <string>
#include <vector>

#include "ConversionsQt.h"

class QDialog;

namespace quillora {

inline constexpr int HauteurLigne = 20;

// The read-only grid of the ranking and ages dialogs: fixed column widths, one header row,
// rows 20 pixels high, as wide as its columns and its scroll bar, `lignesVisibles` rows
// high at least.
QTableWidget* CreerGrille(QWidget* parent, const std::vector<int>& largeurs,
                          const QStringList& entetes, int lignesVisibles);

// Replaces the grid's rows by the model's (Windows-1252) cells.
template <std::size_t N>
void RemplirGrille(QTableWidget* grille, const std::vector<std::array<std::string, N>>& lignes) {
    grille->clearSpans();
    grille->setRowCount(static_cast<int>(lignes.size()));
    for (int r = 0; r < grille->rowCount(); ++r)
        for (int k = 0; k < static_cast<int>(N); ++k)
            grille->setItem(r, k, new QTableWidgetItem(texteQt(lignes[r][k])));
}

// OK, the default button, and the help button on `sujet`, at the right of their row.
QHBoxLayout* BoutonsOkAide(QDialog* dialogue, const QString& sujet);

} // namespace quillora
