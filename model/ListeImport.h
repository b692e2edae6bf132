#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Classe.h"
#include "ListeFichier.h"

namespace quillora {

// The cells of a list (ListeFichier.h) read into rows the teacher checks before they join a
// class.

enum class ChampListe { Ignorer, Nom, Prenom, NomPrenom, Naissance };
const char* NomChampListe(ChampListe c);

struct Colonnes {
    std::vector<ChampListe> champs; // one per column
    bool entete = false;            // the first row names the columns and is not a student
};
// From a header row when the first row names the columns, else from what the cells hold.
Colonnes DevinerColonnes(const Cellules& cellules);

// "jj/mm/aaaa", "jj-mm-aaaa", "jj.mm.aa", "aaaa-mm-jj" (a time after it is ignored) and the
// class file's own "jjmmaaaa"; empty when the text is no real date up to today.
std::string LireDateNaissance(std::string_view texte);
// "DE LA TOUR Jean-Pierre": the name is the words in capitals at the start.
void SeparerNomPrenom(std::string_view texte, std::string& nom, std::string& prenom);

enum class Sort {
    Importer,  // becomes a new student
    Completer, // a student of the class already: only his missing birth date is filled in
    Doublon,   // a student of the class (or of an earlier row) already: skipped
    SansNom,   // no name: skipped
    HorsPlace, // beyond the class's 45 places: skipped
    Ecarte,    // skipped by the teacher
};

struct LigneImport {
    int source = 0;                     // row number in the list, counting the header
    std::string nom;                    // Windows-1252, at most 20 characters
    std::string prenom;                 // Windows-1252, at most 20 characters
    std::string date;                   // "jjmmaaaa", or empty
    std::string dateLue;                // the date's text as read, UTF-8
    std::vector<std::string> remarques; // UTF-8: what was changed while reading
    bool ecartee = false;               // the teacher's choice
    bool completerDate = false;         // the teacher's choice for a student already there
    // Set by `Repartir`.
    Sort sort = Sort::Importer;
    int deja = 0; // the student of the class it matches
};

// Rows to students through the column choice. Nothing is decided yet: see `Repartir`.
std::vector<LigneImport> LignesImport(const Cellules& cellules, const Colonnes& colonnes);
// Fills in `remarques` for one row whose text the teacher changed, as `LignesImport` does.
void RelireLigne(LigneImport& ligne, std::string_view nomUtf8, std::string_view prenomUtf8,
                 std::string_view dateUtf8);
// Decides what becomes of each row against the class: skipped, completed, imported, or
// beyond the places left. To be called again after every change of the teacher's.
void Repartir(std::vector<LigneImport>& lignes, const TClasse& classe, bool majuscule);
// The reason a row is not imported as a new student, in French; empty when it is.
std::string TexteSort(const LigneImport& ligne);

struct BilanImport {
    int ajoutes = 0;
    int completes = 0;
};
// Adds the rows `Repartir` kept, names normalised as the student dialogs store them.
BilanImport AppliquerImport(TClasse& classe, const std::vector<LigneImport>& lignes,
                            bool majuscule);

} // namespace quillora
