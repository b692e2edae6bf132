#include "Journal.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FichierAtomique.h"
#include "JournalTexte.h"

namespace quillora {

namespace {

bool existe(const std::string& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0;
}

bool toutEcrire(int fd, const std::string& octets) {
    const char* p = octets.data();
    std::size_t n = octets.size();
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            if (w == 0) errno = ENOSPC;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

} // namespace

int OuvrirJournalVerrouille(const std::string& chemin) {
    // O_NONBLOCK: a FIFO put in the journal's place must not hang the program.
    const int fd = ::open(chemin.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = ENXIO;
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        ::close(fd);
        errno = code == EINTR ? EWOULDBLOCK : code;
        return -1;
    }
    ::fcntl(fd, F_SETFL, O_WRONLY | O_APPEND);
    return fd;
}

std::string MettreJournalDeCote(const std::string& chemin, const std::string& suffixe) {
    const DateHeure d = Maintenant();
    char horodatage[32];
    std::snprintf(horodatage, sizeof horodatage, "%04d%02d%02d-%02d%02d%02d", d.annee, d.mois,
                  d.jour, d.heure, d.minute, d.seconde);
    const std::string base = chemin + "." + suffixe + "-" + horodatage;
    std::string nom = base;
    for (int n = 2; existe(nom) && n < 1000; ++n) nom = base + "-" + std::to_string(n);
    if (existe(nom) || std::rename(chemin.c_str(), nom.c_str()) != 0) return {};
    return nom;
}

bool CompacterJournal(const std::string& chemin, std::string& raison) {
    LectureJournal l = LireJournal(chemin);
    if (l.erreur || !l.Complet()) {
        raison = "Le journal n'est pas lisible en entier.";
        return false;
    }
    std::size_t marque = l.enregistrements.size();
    for (std::size_t i = l.enregistrements.size(); i-- > 0;)
        if (l.enregistrements[i].genre != GenreEnregistrement::Etape &&
            l.enregistrements[i].genre != GenreEnregistrement::Reprise) {
            marque = i;
            break;
        }
    if (marque == l.enregistrements.size()) return true;
    std::string octets = EnTeteJournal();
    for (std::size_t i = 0; i < l.enregistrements.size(); ++i) {
        EnregistrementJournal& e = l.enregistrements[i];
        if (i < marque) {
            e.compacte = e.genre == GenreEnregistrement::Etape;
            e.morceaux.clear();
            e.image.clear();
        }
        octets += EncoderEnregistrement(e);
    }
    return EcrireFichierAtomique(chemin, octets.data(), octets.size(), raison);
}

Journal::~Journal() {
    Fermer();
}

bool Journal::Ouvrir(const std::string& chemin, std::string& raison, bool* occupe) {
    Fermer();
    if (occupe) *occupe = false;
    const int fd = OuvrirJournalVerrouille(chemin);
    if (fd < 0) {
        const int code = errno;
        if (code == EWOULDBLOCK) {
            if (occupe) *occupe = true;
            raison = "Le journal est déjà ouvert par un autre programme.";
        } else {
            raison = RaisonSysteme(code == ENXIO ? PasUnFichierOrdinaire : code);
        }
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size == 0 && !toutEcrire(fd, EnTeteJournal())) {
        raison = RaisonSysteme(errno);
        ::ftruncate(fd, 0);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    chemin_ = chemin;
    arret_ = false;
    fil_ = std::thread(&Journal::boucle, this);
    return true;
}

void Journal::Ajouter(EnregistrementJournal e) {
    if (fd_ < 0) return;
    {
        std::lock_guard<std::mutex> l(mutex_);
        file_.push_back(std::move(e));
        ++ajoutes_;
    }
    reveil_.notify_one();
}

void Journal::Attendre() {
    std::unique_lock<std::mutex> l(mutex_);
    const std::uint64_t cible = ajoutes_;
    fini_.wait(l, [&] { return ecrits_ >= cible || !fil_.joinable(); });
}

void Journal::Fermer() {
    if (fil_.joinable()) {
        {
            std::lock_guard<std::mutex> l(mutex_);
            arret_ = true;
        }
        reveil_.notify_one();
        fil_.join();
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::string Journal::Erreur() {
    std::lock_guard<std::mutex> l(mutex_);
    return std::exchange(erreur_, {});
}

void Journal::boucle() {
    std::unique_lock<std::mutex> l(mutex_);
    for (;;) {
        reveil_.wait(l, [&] { return arret_ || !file_.empty(); });
        if (file_.empty()) break;
        std::deque<EnregistrementJournal> lot;
        lot.swap(file_);
        l.unlock();
        // Encoding and compressing happen here, off the keystroke's path.
        std::string octets;
        bool sauvegarde = false;
        for (const EnregistrementJournal& e : lot) {
            octets += EncoderEnregistrement(e);
            sauvegarde = sauvegarde || e.genre == GenreEnregistrement::Sauvegarde;
        }
        const bool ok = ecrire(octets);
        if (ok && sauvegarde) compacterSiBesoin();
        l.lock();
        ecrits_ += lot.size();
        fini_.notify_all();
    }
}

bool Journal::ecrire(const std::string& octets) {
    const off_t avant = ::lseek(fd_, 0, SEEK_END);
    if (toutEcrire(fd_, octets) && ::fdatasync(fd_) == 0) return true;
    const int code = errno;
    // A record half written would hide every later one from the reader: the file goes
    // back to its last whole record.
    if (avant >= 0) ::ftruncate(fd_, avant);
    std::lock_guard<std::mutex> l(mutex_);
    if (erreur_.empty())
        erreur_ = "Le journal « " + chemin_ + " » n'a pas pu être écrit. " + RaisonSysteme(code);
    return false;
}

void Journal::compacterSiBesoin() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || static_cast<std::size_t>(st.st_size) <= SeuilCompaction) return;
    std::string raison;
    if (!CompacterJournal(chemin_, raison)) return;
    // The compacted journal is a new file under the same name: the lock follows it.
    const int fd = OuvrirJournalVerrouille(chemin_);
    if (fd < 0) return;
    ::close(fd_);
    fd_ = fd;
}

bool Journal::Deplacer(const std::string& nouveau, bool copier, std::string& raison) {
    if (fd_ < 0 || nouveau == chemin_) return true;
    Attendre();
    if (existe(nouveau) && MettreJournalDeCote(nouveau, "ancien").empty()) {
        raison = RaisonSysteme(errno);
        return false;
    }
    if (!copier && std::rename(chemin_.c_str(), nouveau.c_str()) == 0) {
        chemin_ = nouveau; // the same file: its descriptor and its lock go on
        return true;
    }
    if (!copier && errno != EXDEV) {
        raison = RaisonSysteme(errno);
        return false;
    }
    std::string octets;
    if (const int code = LireFichierOrdinaire(chemin_, LimiteJournal, octets)) {
        raison = RaisonSysteme(code);
        return false;
    }
    if (!EcrireFichierAtomique(nouveau, octets.data(), octets.size(), raison)) return false;
    const int fd = OuvrirJournalVerrouille(nouveau);
    if (fd < 0) {
        raison = RaisonSysteme(errno);
        return false;
    }
    if (!copier) ::unlink(chemin_.c_str());
    ::close(fd_);
    fd_ = fd;
    chemin_ = nouveau;
    return true;
}

} // namespace quillora
