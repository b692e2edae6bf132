#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "JournalFormat.h"

namespace quillora {

// Appends records to a class's journal from a thread of its own: the caller only queues
// them, so that typing a grade never waits for the disk. Each batch is written and flushed
// with fdatasync as soon as it is queued, so a step is on disk well within a second. While
// it is open the file is locked, so that a second program never writes into it or sets it
// aside.
class Journal {
public:
    Journal() = default;
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Starts appending to `chemin`, creating it (header first) when missing or empty.
    // False, with the reason in French, when it cannot be written or another program holds
    // it; `occupe` then tells the second case.
    bool Ouvrir(const std::string& chemin, std::string& raison, bool* occupe = nullptr);
    bool Ouvert() const { return fd_ >= 0; }
    const std::string& Chemin() const { return chemin_; }

    // Queues a record; returns at once.
    void Ajouter(EnregistrementJournal e);
    // Returns once everything queued is on disk (or failed).
    void Attendre();
    // Everything queued written, the file closed and unlocked.
    void Fermer();

    // Moves the journal to `nouveau` (a new class's journal going beside its first save),
    // or copies it there with `copier` (the class saved under another name keeps its own
    // journal). A journal already at `nouveau` is first set aside under another name.
    bool Deplacer(const std::string& nouveau, bool copier, std::string& raison);

    // The first write failure since the last call, in French; empty when all went well.
    std::string Erreur();

private:
    void boucle();
    bool ecrire(const std::string& octets);
    void compacterSiBesoin();

    std::string chemin_;
    int fd_ = -1;
    std::thread fil_;
    std::mutex mutex_;
    std::condition_variable reveil_, fini_;
    std::deque<EnregistrementJournal> file_;
    std::uint64_t ajoutes_ = 0, ecrits_ = 0; // records queued and handled so far
    bool arret_ = false;
    std::string erreur_;
};

// Opens `chemin` for appending and locks it; the descriptor, or -1 with errno set (EWOULDBLOCK
// when another program holds the lock).
int OuvrirJournalVerrouille(const std::string& chemin);

// Sets a journal aside under a free name beside it, "<chemin>.<suffixe>-AAAAMMJJ-HHMMSS"
// (with a number when taken); the new name, or empty when it could not be moved.
std::string MettreJournalDeCote(const std::string& chemin, const std::string& suffixe);

// Rewrites the journal at `chemin` without the byte images of the steps before its last
// mark: their change-log lines stay, recovery never needs those bytes.
bool CompacterJournal(const std::string& chemin, std::string& raison);

} // namespace quillora
