#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ShortString.h"

namespace quillora {

// Styles of the sheet's font, kept as a small set.
struct StylePolice {
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool operator==(const StylePolice&) const = default;
};

// Colours are 0x00BBGGRR values: the low byte is red.
using Couleur = std::uint32_t;

struct CorrespondanceLettre {
    std::string coresL; // at most two characters
    double coresV = 0;
    bool operator==(const CorrespondanceLettre&) const = default;
};

// Every setting of the program. Field names are the keys of the settings file.
struct TOptions {
    bool arrondiN = false;
    bool prenom = true;
    bool trait = true;
    bool majuscule = true;
    bool noirblanc = true;
    bool moydiv2 = true;
    bool textebas = true;
    bool sauvegarde = true;
    bool alignernb = true;
    bool verification = true;
    bool imprimerAnnee = true;
    bool imprimerTitre = true;
    bool tailleid = true;
    bool utiliserL = true;
    bool marge = true;
    bool centrert = true;
    std::uint8_t notemax = 20;
    std::uint8_t coefmax = 10;
    std::uint8_t notemoy = 10;
    std::uint8_t indsep = 2;
    Tab1<Couleur, 12> couleur{};
    double zoomP = 2.0;
    double zoomD = 2.0;
    double kp = 1.0;
    double kd = 1.0;
    std::string repsauve;
    Tab1<std::string, 3> liste{};
    std::string polname;
    Tab1<CorrespondanceLettre, 15> cores{};
    StylePolice polstyle;
    std::uint8_t relief = 1; // 0 simple, 1 sunken, 2 raised
};

bool operator==(const TOptions& a, const TOptions& b);

// The settings in force, read by everybody, and the factory defaults used when the file
// lacks a key.
extern TOptions Options;
extern TOptions OptionsDefaut;

// The ten separators of the printed title, indexed by `indsep`.
extern const std::array<char, 10> SeparateursTitre;

void InitOptions(TOptions& o);

// The backup folder of a new installation is "Sauvegardes Quillora" in `documents`, the
// user's documents folder, which only the window system knows; from this call on it is the
// default of `repsauve`, in OptionsDefaut and in every InitOptions. Until then it is empty.
void DefinirDossierDocuments(const std::string& documents);
// Whether a stored backup folder can be a folder here: a drive letter ("A:\", the floppy
// drive older settings files name) or nothing at all cannot, and reads as the default.
bool DossierSauvegardePossible(const std::string& dossier);

// Settings file text. Reals are written and read with `separateur` as decimal separator
// (the user's locale). Reading never fails: every unreadable key takes its default.
std::string TexteOptions(const TOptions& o, char separateur);
TOptions OptionsDepuisTexte(std::string_view texte, char separateur, const TOptions& defaut);

// The program the teacher started. The window and workbook programs, which it hands its
// launches to, take its name and place as theirs (its settings, help and file association):
// they call PrendreCheminProgramme() first thing, which reads what it left them in the
// environment and removes it, so that no program started later inherits it. Otherwise the
// running program itself.
std::string CheminProgramme();
void PrendreCheminProgramme();
// The environment variable that carries it.
inline constexpr const char* VariableProgramme = "QUILLORA_PROGRAMME";

// Where the settings file lies: beside the program when its folder is writable, otherwise
// in the user's configuration folder.
std::string NomFichierOptions();

// Puts `nom` first in the list of recent class files (`liste`), keeping three entries.
void AjouterFichierRecent(const std::string& nom);

struct ResultatEcriture {
    bool ok = true;
    std::string erreur; // UTF-8, French
};

// Reads `chemin` into `Options`. A missing file gives the defaults and, when `creer` is set,
// is written with them. Returns false only when that creation failed (with the reason).
ResultatEcriture LireOptions(const std::string& chemin, char separateur, bool creer);
ResultatEcriture EcrireOptions(const std::string& chemin, char separateur);

} // namespace quillora
