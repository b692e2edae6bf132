#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "JournalFormat.h"

namespace quillora {

// Where journals live: beside their class as "<file>.journal", or, for a class whose folder
// cannot be written, in the user's state folder under a name made from the class's path;
// a class never saved journals in the state folder's "nouvelles" until its first save.

// $XDG_STATE_HOME/quillora, else ~/.local/state/quillora.
std::string DossierEtatParDefaut();
// The journal a class has now: beside it, else in the state folder; empty when none.
std::string TrouverJournal(const std::string& cheminClasse, const std::string& dossierEtat);
// Where the class's journal is to be written: beside it when its folder can be written.
std::string JournalPour(const std::string& cheminClasse, const std::string& dossierEtat);
// The state folder's journal for a class.
std::string JournalDansEtat(const std::string& cheminClasse, const std::string& dossierEtat);
// A fresh name for the journal of a new class.
std::string JournalNouvelleClasse(const std::string& dossierEtat);
std::string DossierNouvelles(const std::string& dossierEtat);
// Makes the folder and its parents; false when it cannot exist.
bool CreerDossiers(const std::string& dossier);

// What the journal holds past its last mark.
struct EtatReprise {
    static constexpr std::size_t Aucune = static_cast<std::size_t>(-1);
    std::size_t marque = Aucune;     // the last Creation, Sauvegarde or MiseDeCote
    std::uint32_t somme = 0;         // the checksum of the file it names
    std::vector<std::size_t> etapes; // the steps after it
    // The mark is the creation of a class never saved, which carries the whole record.
    bool nouvelle = false;
};
EtatReprise AnalyserReprise(const LectureJournal& l);

// Applies a step's bytes to `image`; false, the image untouched, when the step does not
// start from it (its old bytes differ) or would leave a record no class file could hold.
bool AppliquerEtape(ImageClasse& image, const EnregistrementJournal& e);

// The journal of a class being opened, made safe to append to: whatever could not be read
// (a damaged or torn end, an oversize file, a folder or a FIFO in its place) is set aside
// under another name, never deleted, and said in `messages`.
struct JournalPrepare {
    std::string chemin;     // where to append
    LectureJournal lecture; // the records kept
    std::vector<std::string> messages;
    bool occupe = false; // another program holds it: leave it alone
};
JournalPrepare PreparerJournal(const std::string& chemin, const std::string& nomClasse);

// The recovery question, and the message when the file no longer matches its mark. `nom`
// is the class file's name.
std::string QuestionReprise(const std::string& nom, const LectureJournal& l, const EtatReprise& r);
std::string MessageFichierDifferent(const std::string& nom, const LectureJournal& l,
                                    const EtatReprise& r);
// The new classes whose journals wait for recovery, oldest first.
std::vector<std::string> JournauxEnAttente(const std::string& dossierEtat);

} // namespace quillora
