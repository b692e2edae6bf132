#include "FichierAtomique.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quillora {

std::string RaisonSysteme(int code) {
    switch (code) {
    case ENOENT:
        return "Le fichier ou le dossier est introuvable.";
    case EACCES:
    case EPERM:
        return "Accès refusé.";
    case ENOSPC:
        return "Il n'y a plus assez d'espace sur le disque.";
    case EROFS:
        return "Le support est protégé en écriture.";
    case EISDIR:
        return "C'est un dossier, pas un fichier.";
    case ENOTDIR:
        return "Un élément du chemin n'est pas un dossier.";
    case EDQUOT:
        return "Le quota du disque est atteint.";
    case EIO:
        return "Erreur d'entrée/sortie.";
    case ENAMETOOLONG:
        return "Le nom du fichier est trop long.";
    case EMFILE:
    case ENFILE:
        return "Trop de fichiers ouverts.";
    case ELOOP:
        return "Le chemin contient une boucle de liens symboliques.";
    case ENXIO:
    case ENODEV:
        return "Ce n'est pas un fichier ordinaire.";
    case EBADF:
        return "Le fichier n'est pas ouvert.";
    case EFBIG:
        return "Le fichier dépasse la taille permise.";
    case ETXTBSY:
    case EBUSY:
        return "Le fichier est occupé.";
    case EXDEV:
        return "Le dossier est sur un autre disque.";
    case ENOMEM:
        return "La mémoire est insuffisante.";
    case EPIPE:
        return "Le programme destinataire s'est arrêté.";
    case EINVAL:
        return "Opération impossible sur ce fichier.";
    case PasUnFichierOrdinaire:
        return "Ce n'est pas un fichier ordinaire.";
    default:
        return "Erreur du système (code " + std::to_string(code) + ").";
    }
}

namespace {

bool toutEcrire(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (w == 0) {
            errno = ENOSPC;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

} // namespace

int LireFichierOrdinaire(const std::string& chemin, std::size_t maximum, std::string& octets) {
    octets.clear();
    // Without O_NONBLOCK, opening a FIFO that nobody writes to never returns.
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int code = S_ISDIR(st.st_mode) ? EISDIR : PasUnFichierOrdinaire;
        ::close(fd);
        return code;
    }
    // Sized on the file, one byte over to see it grow, not on the limit: filling megabytes
    // of zeros for a settings file of a few lines costs more than reading it.
    const auto taille = static_cast<std::size_t>(std::max<off_t>(st.st_size, 0));
    octets.resize(std::min(maximum, taille + 1));
    std::size_t lus = 0;
    while (lus < maximum) {
        if (lus == octets.size()) octets.resize(std::min(maximum, 2 * lus + 4096));
        const ssize_t n = ::read(fd, octets.data() + lus, octets.size() - lus);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int code = errno;
            ::close(fd);
            octets.clear();
            return code;
        }
        if (n == 0) break;
        lus += static_cast<std::size_t>(n);
    }
    ::close(fd);
    octets.resize(lus);
    return 0;
}

namespace {

// The name of an unfinished file: hidden, short whatever the target's length, and unlike
// any name a teacher gives.
constexpr std::string_view PrefixeProvisoire = ".quillora-";
constexpr std::string_view SuffixeProvisoire = ".tmp";
constexpr std::string_view Alphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t LongueurAleatoire = 10;

std::string nomProvisoire() {
    static thread_local std::mt19937_64 hasard{std::random_device{}() ^
                                               static_cast<std::uint64_t>(::getpid()) << 32};
    std::string nom(PrefixeProvisoire);
    for (std::size_t i = 0; i < LongueurAleatoire; ++i) nom += Alphabet[hasard() % Alphabet.size()];
    return nom += SuffixeProvisoire;
}

class Descripteur {
public:
    explicit Descripteur(int fd = -1) : fd_(fd) {}
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    ~Descripteur() {
        if (fd_ >= 0) ::close(fd_);
    }
    operator int() const { return fd_; }
    int liberer() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Removes the unfinished files of writers that died in `dossier`. A writer holds a lock on
// its file until it is done: a lock granted means nobody will finish that file.
void retirerAbandonnes(int dossier) {
    Descripteur lecture(::openat(dossier, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (lecture < 0) return;
    DIR* d = ::fdopendir(lecture);
    if (!d) return;
    lecture.liberer();
    std::vector<std::string> noms;
    while (const dirent* e = ::readdir(d))
        if (EstNomProvisoire(e->d_name)) noms.emplace_back(e->d_name);
    ::closedir(d);
    for (const std::string& nom : noms) {
        const Descripteur f(::openat(dossier, nom.c_str(),
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat ouvert {
        }, nomme{};
        if (f >= 0 && ::fstat(f, &ouvert) == 0 && S_ISREG(ouvert.st_mode) &&
            ::flock(f, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dossier, nom.c_str(), &nomme, AT_SYMLINK_NOFOLLOW) == 0 &&
            nomme.st_dev == ouvert.st_dev && nomme.st_ino == ouvert.st_ino)
            ::unlinkat(dossier, nom.c_str(), 0);
    }
}

// A file of `dossier` under a fresh unfinished name, which `nom` receives.
int creerProvisoire(int dossier, std::string& nom) {
    for (int essai = 0; essai < 100; ++essai) {
        nom = nomProvisoire();
        const int fd = ::openat(dossier, nom.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Gives the nameless file `fd` the name `nom` in `dossier`; fails with EEXIST when the name
// is taken.
int nommer(int fd, int dossier, const std::string& nom) {
    const std::string soi = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, soi.c_str(), dossier, nom.c_str(), AT_SYMLINK_FOLLOW);
}

// What ecrireEtPlacer returns when the folder's file system cannot make or name a nameless
// file: the write is to be done again under a name.
constexpr int SansNom = -2;

// Writes the bytes to a new file of `dossier` and puts it in place as `nom`; 0, or the errno
// of the failure. Nameless (`anonyme`) until complete, so that a write killed half-way
// leaves nothing; otherwise under an unfinished name from the start.
int ecrireEtPlacer(int dossier, const std::string& nom, mode_t mode, const void* donnees,
                   std::size_t taille, bool anonyme) {
    std::string provisoire;
    const int fd = anonyme ? ::openat(dossier, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600)
                           : creerProvisoire(dossier, provisoire);
    if (fd < 0) return anonyme ? SansNom : errno;
    const Descripteur fichier(fd);
    const auto abandonner = [&](int code) {
        if (!provisoire.empty()) ::unlinkat(dossier, provisoire.c_str(), 0);
        return code;
    };
    // Held until the file is in place: the sign, for a cleaner, that its writer is alive.
    ::flock(fichier, LOCK_EX);
    ::fchmod(fichier, mode);
    if (!toutEcrire(fichier, static_cast<const char*>(donnees), taille) || ::fsync(fichier) != 0)
        return abandonner(errno);
    if (anonyme) {
        // A new file simply takes its name; replacing one takes a rename, and a rename a name.
        for (int essai = 0; provisoire.empty(); ++essai) {
            std::string essaiNom = essai == 0 ? nom : nomProvisoire();
            if (nommer(fichier, dossier, essaiNom) == 0) {
                if (essai == 0) return 0;
                provisoire = std::move(essaiNom);
            } else if (errno == ENOENT || errno == EPERM || errno == EOPNOTSUPP || errno == EXDEV ||
                       errno == EINVAL) {
                return SansNom; // no /proc, or a file system that links no nameless file
            } else if (errno != EEXIST || essai == 100) {
                return errno;
            }
        }
    }
    if (::renameat(dossier, provisoire.c_str(), dossier, nom.c_str()) != 0)
        return abandonner(errno);
    return 0;
}

} // namespace

bool EstNomProvisoire(const std::string& nom) {
    if (nom.size() != PrefixeProvisoire.size() + LongueurAleatoire + SuffixeProvisoire.size() ||
        nom.compare(0, PrefixeProvisoire.size(), PrefixeProvisoire) != 0 ||
        nom.compare(nom.size() - SuffixeProvisoire.size(), SuffixeProvisoire.size(),
                    SuffixeProvisoire) != 0)
        return false;
    const std::string_view milieu =
        std::string_view(nom).substr(PrefixeProvisoire.size(), LongueurAleatoire);
    return milieu.find_first_not_of(Alphabet) == std::string_view::npos;
}

bool EcrireFichierAtomique(const std::string& chemin, const void* donnees, std::size_t taille,
                           std::string& raison) {
    const auto echec = [&](int code) {
        raison = RaisonSysteme(code);
        return false;
    };
    struct stat cible {};
    const bool existe = ::stat(chemin.c_str(), &cible) == 0;
    if (existe && !S_ISREG(cible.st_mode))
        return echec(S_ISDIR(cible.st_mode) ? EISDIR : PasUnFichierOrdinaire);
    const std::size_t barre = chemin.rfind('/');
    const std::string nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
    if (nom.empty()) return echec(EISDIR);
    const std::string nomDossier = barre == std::string::npos ? "."
                                   : barre == 0               ? "/"
                                                              : chemin.substr(0, barre);
    const Descripteur dossier(::open(nomDossier.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (dossier < 0) return echec(errno);
    retirerAbandonnes(dossier);

    // Keep the permissions of the file we replace; a new file gets the usual ones.
    mode_t mode;
    if (existe) {
        mode = cible.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        mode = 0666 & ~masque;
    }

    int code = ecrireEtPlacer(dossier, nom, mode, donnees, taille, true);
    if (code == SansNom) code = ecrireEtPlacer(dossier, nom, mode, donnees, taille, false);
    if (code != 0) return echec(code);
    // The new name lasts through a power cut once the folder is on disk too.
    if (const Descripteur d(::openat(dossier, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)); d >= 0)
        ::fsync(d);
    return true;
}

std::string NomBak(const std::string& classe) {
    const std::size_t barre = classe.rfind('/');
    const std::size_t point = classe.rfind('.');
    const bool extension =
        point != std::string::npos && (barre == std::string::npos || point > barre);
    return classe.substr(0, extension ? point : classe.size()) + ".bak";
}

std::string RaisonSortieInterdite(const std::string& classe, const std::string& sortie) {
    struct stat s {};
    if (classe.empty() || ::stat(sortie.c_str(), &s) != 0) return {};
    const auto meme = [&s](const std::string& f) {
        struct stat c {};
        return ::stat(f.c_str(), &c) == 0 && c.st_dev == s.st_dev && c.st_ino == s.st_ino;
    };
    if (meme(classe)) return "C'est le fichier de la classe ; il n'est pas remplacé.";
    if (meme(NomBak(classe)))
        return "C'est la copie de secours (.bak) de la classe ; elle n'est pas remplacée.";
    // The journal holds what no save has kept yet: losing it loses grades.
    if (meme(classe + ".journal"))
        return "C'est le journal des modifications de la classe ; il n'est pas remplacé.";
    return {};
}

} // namespace quillora
