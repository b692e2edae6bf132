#include "FichierAtomique.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    octets.resize(maximum);
    std::size_t lus = 0;
    while (lus < maximum) {
        const ssize_t n = ::read(fd, octets.data() + lus, maximum - lus);
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

bool EcrireFichierAtomique(const std::string& chemin, const void* donnees, std::size_t taille,
                           std::string& raison) {
    if (struct stat cible{}; ::stat(chemin.c_str(), &cible) == 0 && !S_ISREG(cible.st_mode)) {
        raison = RaisonSysteme(S_ISDIR(cible.st_mode) ? EISDIR : PasUnFichierOrdinaire);
        return false;
    }
    std::string modele = chemin + ".XXXXXX";
    const int fd = ::mkstemp(modele.data());
    if (fd < 0) {
        raison = RaisonSysteme(errno);
        return false;
    }
    // Keep the permissions of the file we replace; a new file gets the usual ones.
    struct stat st {};
    mode_t mode;
    if (::stat(chemin.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        mode = 0666 & ~masque;
    }
    ::fchmod(fd, mode);

    const bool ecrit =
        toutEcrire(fd, static_cast<const char*>(donnees), taille) && ::fsync(fd) == 0;
    const int erreurEcriture = errno;
    if (::close(fd) != 0 && ecrit) {
        raison = RaisonSysteme(errno);
        ::unlink(modele.c_str());
        return false;
    }
    if (!ecrit) {
        raison = RaisonSysteme(erreurEcriture);
        ::unlink(modele.c_str());
        return false;
    }
    if (std::rename(modele.c_str(), chemin.c_str()) != 0) {
        raison = RaisonSysteme(errno);
        ::unlink(modele.c_str());
        return false;
    }
    return true;
}

} // namespace quillora
