#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Historique.h"
#include "Horloge.h"

namespace quillora {

// The class journal on disk: a magic header, then records one after the other, each framed
// by its length and a CRC-32 of its content, so that a record torn by a crash, or damaged
// later, is recognised and everything before it kept.

enum class GenreEnregistrement : std::uint8_t {
    // The first record: the class as the journal found it (the checksum of its file), or the
    // whole record of a class never saved yet.
    Creation = 1,
    // The class was saved: the checksum of the file written.
    Sauvegarde = 2,
    // A change, an undo or a redo, with the bytes it changed and its change-log lines.
    Etape = 3,
    // The steps since the last mark never reached the file and were set aside; the next
    // ones start from the file whose checksum it holds.
    MiseDeCote = 4,
    // The steps since the last mark were taken back after an interruption.
    Reprise = 5,
};

enum class GenreEtape : std::uint8_t { Modification = 0, Annulation = 1, Retablissement = 2 };

enum class RaisonMiseDeCote : std::uint8_t {
    Fermeture = 0,        // the window closed without saving, as the teacher chose
    Refus = 1,            // the teacher answered Non to the recovery question
    FichierDifferent = 2, // the file no longer matched the last mark
};

// One line of the change log: for a grade or a coefficient, what changed and how; empty
// fields where they do not apply. UTF-8.
struct LigneJournal {
    std::string eleve, matiere, periode, devoir, ancien, nouveau;
    bool operator==(const LigneJournal&) const = default;
};

struct EnregistrementJournal {
    GenreEnregistrement genre = GenreEnregistrement::Etape;
    DateHeure quand;
    // Creation, Sauvegarde, MiseDeCote: the checksum of the file state the next steps
    // start from; Creation and Sauvegarde also name the class file.
    std::uint32_t somme = 0;
    std::string chemin;
    // Creation of a class never saved: its whole record (TailleFichierClasse bytes).
    std::vector<unsigned char> image;
    RaisonMiseDeCote raison = RaisonMiseDeCote::Fermeture;
    // Etape.
    GenreEtape etape = GenreEtape::Modification;
    std::string nom; // the undo history's name of the step ("la saisie de la note")
    Historique::Contexte contexte;
    // The bytes as the change applied them (for an undo: the step's after and before
    // swapped). Empty once compacted away.
    std::vector<Historique::Morceau> morceaux;
    bool compacte = false;
    std::vector<LigneJournal> lignes;
};

inline constexpr char MagieJournal[] = "QJOURNAL";
inline constexpr std::size_t TailleEnTeteJournal = 12; // the magic and a 4-byte version
// Beyond this the reader stops: the rest of the file is left unread, and said so.
inline constexpr std::size_t LimiteJournal = 64u << 20;
// A journal past this size is compacted at its next save mark.
inline constexpr std::size_t SeuilCompaction = 4u << 20;

std::string EnTeteJournal();
// The framed bytes of one record, ready to append.
std::string EncoderEnregistrement(const EnregistrementJournal& e);

struct LectureJournal {
    std::vector<EnregistrementJournal> enregistrements;
    std::size_t taille = 0;  // bytes in the file (or given)
    std::size_t valides = 0; // the valid prefix: header and whole records
    int erreur = 0;          // 0, or why the file could not be read (errno, PasUnFichierOrdinaire)
    bool existe = false;
    bool Complet() const { return valides == taille; }
};

// Reads every whole, valid record from the start, stopping at the first that is not.
LectureJournal LireJournalOctets(const unsigned char* donnees, std::size_t taille);
// The same from a file, read only when it is a regular file, never beyond LimiteJournal.
LectureJournal LireJournal(const std::string& chemin);

// CRC-32 of a class record: the checksum the marks hold.
std::uint32_t SommeImage(const ImageClasse& image);

} // namespace quillora
