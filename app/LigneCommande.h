#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Classe.h"

namespace quillora {

enum class ModeLancement {
    Fenetre,
    Version,
    Exporter,
    Pdf,
    Classement,
    Tableur,
    Journal,
    Comparer,
    Releves,
    Erreur
};

struct Vue {
    int matiere; // 1..4, 4 = synthesis
    int periode; // 1..4, 4 = year
};

// What the command line asks for. Parsing never touches the disk.
struct Lancement {
    ModeLancement mode = ModeLancement::Fenetre;
    std::string fichier;               // the class file of every mode but --version
    std::string sortie;                // the PDF of --pdf and --releves, the workbook of
                                       // --tableur, the class after of --comparer
    std::optional<Vue> vue;            // --vue S,P
    std::optional<std::string> config; // --config FICHIER.ini
    bool sansAbsents = false;          // --sans-absents
    std::optional<int> periode;        // --periode P of --releves, 4 for the year
    std::vector<int> eleves;           // --eleves 1,3,7 of --releves; empty: every student
    bool rangs = false;                // --rangs of --releves
    std::vector<std::string> autres;   // arguments left to the window program
    std::string erreur;                // with ModeLancement::Erreur
};

Lancement AnalyserLigneCommande(const std::vector<std::string>& arguments);

extern const char* const TexteUsage;
extern const char* const TexteVersion;

// What both command-line modes do first: reads the settings (never creating the file),
// loads the class and sets it on the view asked for (by default the one saved in it).
// Returns 0, or the exit status with the reason written on `erreurs`.
int PreparerClasse(const Lancement& l, char separateurDecimal, TClasse& classe,
                   std::ostream& erreurs);

// Reads the settings (never creating the file), loads the class and writes the export
// text of the view as UTF-8 lines on the descriptor `sortie`. Returns the process's exit
// status: 0 done, 1 the class file could not be read or the text not written, 2 a bad
// argument.
int ExecuterExport(const Lancement& l, char separateurDecimal, int sortie, std::ostream& erreurs);

// What every mode that writes a file asks before reading the class: 2, with the French
// reason on `erreurs`, when `sortie` is the class file `classe`, its .bak twin, or either one
// under another name or link; 0 otherwise.
int VerifierSortie(const std::string& classe, const std::string& sortie, std::ostream& erreurs);
// The same for the output of --pdf and --tableur.
int VerifierSortie(const Lancement& l, std::ostream& erreurs);

// Gives the standard descriptors that the caller closed a harmless stand-in; first thing
// in main().
void ProtegerDescripteursStandard();

// Writes the ranking of the view as the ranking dialog copies it to the clipboard, as UTF-8
// with line feeds. Same exit statuses as the export.
int ExecuterClassement(const Lancement& l, char separateurDecimal, std::ostream& sortie,
                       std::ostream& erreurs);

// Reads the settings and the class as the export does and writes its workbook; the exit
// statuses of the export, 1 also when the workbook cannot be written.
int ExecuterTableur(const Lancement& l, char separateurDecimal, std::ostream& erreurs);

// Writes the class's change log, newest first, one change per line of tab-separated fields
// (ISO date and time, step, student, subject, period, assignment, old, new), UTF-8. The
// exit statuses of the export; a damaged journal gives what could be read, and says so.
int ExecuterJournal(const Lancement& l, std::ostream& sortie, std::ostream& erreurs);

// Reads the settings and both classes of --comparer (`fichier` before, `sortie` after) and
// writes what changed from one to the other: every grade, then every average shown, with its
// crossings of the pass mark and its ranks (UTF-8, tab-separated). The export's exit statuses.
int ExecuterComparaison(const Lancement& l, char separateurDecimal, std::ostream& sortie,
                        std::ostream& erreurs);

// Runs the modes that need neither a window nor the workbook (--version, --exporter,
// --classement, --journal, --comparer, and a bad command line); empty for the others.
std::optional<int> ExecuterSansFenetre(const Lancement& l, char separateurDecimal);

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG), without Qt.
char SeparateurLocal();

// Hands a launch over to the program that holds its door, in the same process: the
// window, --pdf and --releves to "quillora-fenetre", --tableur to "quillora-classeur", each
// found beside this program or in its libexec folder, and told which program the teacher
// started (CheminProgramme). Returns only on failure, 2 with the reason on `erreurs`.
int Relayer(const Lancement& l, char** argv, std::ostream& erreurs);

// The settings file a launch reads: --config, else the usual place.
std::string FichierOptionsDe(const Lancement& l);

} // namespace quillora
