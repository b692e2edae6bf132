#pragma once

#include <array>
#include <string>
#include <vector>

#include "Classe.h"

namespace quillora {

// The ranking of a class by average, in the four cells the ranking dialog shows: rank, name,
// average, absences (Windows-1252). The dialog, its clipboard and text-file buttons and the
// command line all take their text from here, so that they never disagree.
using LigneClassement = std::array<std::string, 4>;

// "Rang", "Elève", "Moyenne", "Absence".
const LigneClassement& EnTeteClassement();

// One student as the ranking sees it: its average, and whether that average ranks it.
struct AClasser {
    double moyenne = NonCalculable;
    bool classe = false;
};

// The students of `eleves` (indexed from 1, as the class's; index 0 unused) in ranking
// order, best first: on equal averages the later student goes first, and the unranked come
// last, the later first. Position r (from 1) of a ranked student is its rank.
std::vector<int> OrdreClassement(const std::vector<AClasser>& eleves);

// The rows for subject `s` and period `p` (4: synthesis, year), best average first. With
// `sansAbsents`, students who missed an assignment are not ranked (" n.c.").
std::vector<LigneClassement> Classer(const TClasse& c, int s, int p, bool sansAbsents);

// Each student's rank in the ranking of `s` and `p` with every student ranked (the
// window's check box off): `rang`[e] is the line the student stands on, 0 for a student
// without an average, who has no rank. A period without assignments ranks nobody.
struct RangsClasse {
    std::vector<int> rang; // [1..NbEleve]
    int classes = 0;       // how many students have a rank
};
RangsClasse Rangs(const TClasse& c, int s, int p);

// The clipboard's text: the title line, the header row and the rows, cells joined by tabs,
// every line ended by a carriage return alone.
std::string TexteClassement(const TClasse& c, int s, int p, bool sansAbsents);

// The text of the file "Classement.TXT", Windows line ends.
std::string TexteFichierClassement(const TClasse& c, int s, int p, bool sansAbsents);

} // namespace quillora
