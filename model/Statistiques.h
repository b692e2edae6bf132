#pragma once

#include <array>
#include <string>
#include <vector>

#include "Classe.h"

namespace quillora {

// What the statistics windows show, computed from the class and the settings in force
// (`notemax`, `notemoy`, `indsep`), without any window. Texts are Windows-1252.

// One bar: a negative value means none, and then `Texte` is shown at its foot.
struct BarreStat {
    double Valeur = 0.0;
    // At or above the pass mark: drawn green, otherwise red.
    bool Reussie = false;
    std::string Texte;
    std::string Legende;
};

struct GrapheStat {
    // No bars: the caption is the chart's only message.
    std::string Caption;
    std::vector<BarreStat> Barres;
    int Vmax = 20;
    int PasVert = 5;
    int NbGradV = 4;
    int NbLigne = 0;
    std::array<std::string, 5> Lignes{};
    // The average line; NonCalculable draws none.
    double Moyenne = NonCalculable;
    bool MoyenneReussie = false;
};

// The grades of student `e` (0: the assignments' class averages) in subject `s`, period
// `p` 1..3, the year's period averages (`p` 4) or every assignment of the year (`p` 5).
GrapheStat CalculerEvolution(const TClasse& c, int s, int p, int e, bool avecAnnee);

// How many students got each whole mark in assignment `a` (0: none) of subject `s`,
// period `p` (4: the year, which has no assignment), with five lines of figures.
GrapheStat CalculerRepartitionDevoir(const TClasse& c, int s, int p, int a, bool avecAnnee);

// How many students have each whole average in subject `s` (4: all) for period `p`
// (4: the year), with four lines of figures.
GrapheStat CalculerRepartitionMoyennes(const TClasse& c, int s, int p, bool avecAnnee);

// The averages of student `e` (0: the class) by subject and period, as a table whose first
// row and column hold the headers.
struct BilanStat {
    std::string Caption;
    int NbColonne = 5;
    int NbLigne = 5;
    std::array<std::array<std::string, 5>, 5> Cellules{}; // [colonne - 1][ligne - 1]
};
BilanStat CalculerBilan(const TClasse& c, int e);

} // namespace quillora
