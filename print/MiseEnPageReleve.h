#pragma once

#include <vector>

#include "Releve.h"

namespace quillora {

// Where each piece of the grade reports lies on the pages. Every piece has a fixed height
// in millimetres, so pages are cut without measuring text: a piece that does not fit goes
// whole onto the next page, and nothing is ever cut across two.
struct ElementReleve {
    enum Genre {
        EnTete,      // class, school year, student, period: the first page's top
        EnTeteSuite, // the student's name again on the following pages
        AucuneNote,  // the student has nothing to show
        TitreBloc,   // a subject and period (`suite`: repeated on a new page)
        EnTeteTableau,
        LigneNote,    // `ligne` of block `bloc`
        AucunDevoir,  // a period without assignments
        Moyennes,     // the block's averages and rank
        Synthese,     // the summary table
        Graphes,      // `nombre` evolution charts from `premier`, side by side
        LigneLegende, // up to three legend entries from `premier`
    };
    Genre genre;
    double y = 0;       // from the top of the text area, in mm
    double hauteur = 0; // in mm
    int bloc = -1;
    int ligne = -1;
    bool suite = false;
    int premier = 0;
    int nombre = 0;
    bool titre = false; // a chart row that opens the section carries its title
};

struct PageReleve {
    int releve = 0; // index in the reports
    int page = 1;   // of this student's report
    int pages = 1;
    std::vector<ElementReleve> elements;
};

// The heights of the pieces, in mm.
namespace HauteurReleve {
inline constexpr double EnTete = 30;
inline constexpr double EnTeteSuite = 10;
inline constexpr double AucuneNote = 16;
inline constexpr double TitreBloc = 7;
inline constexpr double EnTeteTableau = 5;
inline constexpr double LigneNote = 4;
inline constexpr double AucunDevoir = 5.5;
inline constexpr double Moyennes = 6.5;
inline constexpr double EspaceBloc = 2.5;
inline constexpr double TitreSection = 6.5;
inline constexpr double LigneSynthese = 5;
inline constexpr double NoteJoker = 5;
inline constexpr double Graphe = 44;
inline constexpr double LigneLegende = 4.4;
inline constexpr int EntreesParLigne = 3;
// The footer's band, below the text area.
inline constexpr double PiedDePage = 9;
} // namespace HauteurReleve

// The pages of the reports on text areas `hauteur` mm high; each report starts a new page.
// In a year's report each subject's chart takes a row of its own: a year of assignments
// is too many points for a third of the width.
std::vector<PageReleve> MettreEnPage(const std::vector<Releve>& releves, double hauteur);

} // namespace quillora
