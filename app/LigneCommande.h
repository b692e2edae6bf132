#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Classe.h"

namespace quillora {

enum class ModeLancement { Fenetre, Version, Exporter, Pdf, Tableur, Erreur };

struct Vue {
    int matiere; // 1..4, 4 = synthesis
    int periode; // 1..4, 4 = year
};

// What the command line asks for. Parsing never touches the disk.
struct Lancement {
    ModeLancement mode = ModeLancement::Fenetre;
    std::string fichier;               // the class file of --exporter, --pdf and --tableur
    std::string sortie;                // the PDF of --pdf, the workbook of --tableur
    std::optional<Vue> vue;            // --vue S,P
    std::optional<std::string> config; // --config FICHIER.ini
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
// text of the view as UTF-8 lines on `sortie`. Returns the process's exit status:
// 0 done, 1 the class file could not be read, 2 a bad argument.
int ExecuterExport(const Lancement& l, char separateurDecimal, std::ostream& sortie,
                   std::ostream& erreurs);

// Reads the settings and the class as the export does and writes its workbook; the exit
// statuses of the export, 1 also when the workbook cannot be written.
int ExecuterTableur(const Lancement& l, char separateurDecimal, std::ostream& erreurs);

// Runs the modes that need no window (--version, --exporter, --tableur, and a bad command line);
// empty for the others.
std::optional<int> ExecuterSansFenetre(const Lancement& l, char separateurDecimal);

// The settings file a launch reads: --config, else the usual place.
std::string FichierOptionsDe(const Lancement& l);

} // namespace quillora
