#pragma once

#include <string>
#include <vector>

#include "Classe.h"
#include "Options.h"

namespace quillora {

// What a change of rule does to the students' results, worked out before the change is made:
// the averages, the pass mark and the ranks of a class in two states, compared student by
// student with the very arithmetic the sheet and the ranking use.

// A class as a sheet shows it: its record and the settings it is read with (letters and
// their values, pass mark).
struct ClasseLue {
    const TClasse& classe;
    const TOptions& options;
};

// A view of the sheet: subject 1..3 or 4 for the synthesis, period 1..3 or 4 for the year.
struct VueMoyenne {
    int matiere;
    int periode;
    bool operator==(const VueMoyenne&) const = default;
};

// The views a change seen from (s, p) is shown for: that view, the year of its subject, the
// synthesis of its period and the synthesis of the year, each once.
std::vector<VueMoyenne> VuesConcernees(int s, int p);
// Every view that shows the students' averages: each subject's periods and year, then the
// synthesis's.
std::vector<VueMoyenne> ToutesLesVues();

enum class Franchissement { Aucun, AuDessus, EnDessous };

// One student whose result in one view differs between the two states.
struct Consequence {
    int eleve; // the position, the same in both states
    VueMoyenne vue;
    std::string avant, apres; // the average as the sheet writes it; "?" when there is none
    // From below the pass mark to at or above it, or the reverse, judged on the averages as
    // shown; never when one of them cannot be computed.
    Franchissement franchissement = Franchissement::Aucun;
    int rangAvant = 0, rangApres = 0; // in the ranking of the view; 0 when not ranked
    // A subject's period whose joker average both states compute: the one compared, as the
    // ranking and the synthesis use it, beside the plain one the sheet shows too.
    bool joker = false;
    double ecart = 0; // between the values shown; infinite when one of them is missing
};

// The students whose average as shown, position against the pass mark or rank changes, for
// each view of `vues` that both classes have. Ordered: crossings first, then by size of the
// change, then by student and view. Students are compared by position, up to the larger
// class; a position a class lacks has no average there.
std::vector<Consequence> Consequences(const ClasseLue& avant, const ClasseLue& apres,
                                      const std::vector<VueMoyenne>& vues);

// The name of a view in a line: "Trim. 1", "Année", "Synthèse Trim. 1", "Synthèse Année"
// (Windows-1252), with the period word of `c`; "Trim. 1 Joker" for a joker average.
std::string LibelleVue(const TClasse& c, VueMoyenne v, bool joker = false);

// The texts below are UTF-8: they hold arrows that Windows-1252 lacks. Averages are written
// with `virgule` as their decimal separator.

// "MARTIN Léa  Trim. 1 : 9,8 → 10,1  ↑ passe la moyenne  rang 12 → 9", names and period
// words from `c`.
std::string LigneConsequence(const TClasse& c, const Consequence& x, char virgule);
// "↑ passe la moyenne", "↓ passe sous la moyenne" or nothing.
std::string TexteFranchissement(Franchissement f);
// "3 élèves changent, 1 passe au-dessus de la moyenne, 0 en dessous", or "Aucun élève ne
// change".
std::string ResumeConsequences(const std::vector<Consequence>& liste);

// The door's comparison of two class files read with the settings in force: a first line
// when their student lists differ, then one line per grade changed, then one per average
// changed, cells joined by tabs, every line ended by a line feed (UTF-8).
std::string TexteComparaison(const TClasse& avant, const TClasse& apres);

} // namespace quillora
