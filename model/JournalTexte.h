#pragma once

#include <string>
#include <vector>

#include "Classe.h"
#include "JournalFormat.h"

namespace quillora {

// The change-log lines of a step, read from the bytes it changed and the record's layout:
// one per grade, assignment coefficient or subject coefficient that changed, when the step
// only changed values; none for a step that moved students, assignments or names (a sort,
// a deletion), whose cells changed place rather than value. `apres` is the record once the
// step is applied, `morceaux` as the step applied them.
std::vector<LigneJournal> LignesEtape(const ImageClasse& apres,
                                      const std::vector<Historique::Morceau>& morceaux);

// The morceaux of an undo: the step's own, after and before swapped.
std::vector<Historique::Morceau> MorceauxInverses(const std::vector<Historique::Morceau>& m);

// The label of an assignment: "devoir du 5 déc." when its date reads as a day, otherwise
// "devoir n° 3". UTF-8.
std::string LibelleDevoir(const ImageClasse& classe, int s, int p, int a);

// One change of the class as the log shows it.
struct EntreeJournal {
    DateHeure quand;
    std::string action; // "Saisie de la note", "Annulation du tri des élèves"...
    LigneJournal ligne;
};

// Every change the journal holds, newest first: one entry per line of a step, or one for a
// step without lines. A step that never reached the file (set aside) says so in its action.
std::vector<EntreeJournal> EntreesJournal(const LectureJournal& lecture);

// What a step is called in the log: the undo history's name without its article, or its
// undo or redo ("Annulation de la saisie de la note").
std::string ActionEtape(GenreEtape genre, const std::string& nom);
inline constexpr char SuffixeNonEnregistree[] = " (non enregistrée)";

// 2026-12-05T14:03:27
std::string DateIso(const DateHeure& d);
// 05/12/2026 14:03
std::string DateCourte(const DateHeure& d);
// "5 décembre 2026"
std::string DateLongue(const DateHeure& d);
// "14 h 03"
std::string HeureTexte(const DateHeure& d);
// The change-log line of the door: the fields separated by tabs, without line end.
std::string LigneTabulee(const EntreeJournal& e);
// The detail the log window shows: "DUPONT Léa — Maths, Trim. 1, devoir du 5 déc. : 12 → 14".
std::string DetailEntree(const LigneJournal& l);

} // namespace quillora
