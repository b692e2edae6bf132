// The workbook's file: the library writes into memory, the program puts the result in place.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Classeur.h"
#include "FichierAtomique.h"
#include "RedactionClasseur.h"

namespace quillora {

namespace {

// The library reports its failures in English on the standard error; the program says them
// in French. While it works its lines go nowhere.
class SansMessagesBibliotheque {
public:
    SansMessagesBibliotheque() : sauve_(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3)) {
        if (sauve_ < 0) return;
        std::fflush(stderr);
        if (const int nul = ::open("/dev/null", O_WRONLY | O_CLOEXEC); nul >= 0) {
            ::dup2(nul, STDERR_FILENO);
            ::close(nul);
        }
    }
    SansMessagesBibliotheque(const SansMessagesBibliotheque&) = delete;
    SansMessagesBibliotheque& operator=(const SansMessagesBibliotheque&) = delete;
    ~SansMessagesBibliotheque() {
        if (sauve_ < 0) return;
        std::fflush(stderr);
        ::dup2(sauve_, STDERR_FILENO);
        ::close(sauve_);
    }

private:
    int sauve_;
};

std::string raisonBibliotheque(lxw_error e, int code) {
    switch (e) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return RaisonSysteme(ENOMEM);
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        if (code != 0) return RaisonSysteme(code);
        [[fallthrough]];
    default:
        return "Le classeur n'a pas pu être assemblé.";
    }
}

} // namespace

// The library keeps each part of the workbook in a file of its own, which it names and
// deletes at once: a write killed in between would leave the file behind, in a folder the
// teacher never looks into. This definition takes the place of the library's (it calls it
// through its symbol table): the parts live in memory, without a name anywhere.
extern "C" FILE* lxw_tmpfile(char*) {
    const int fd = ::memfd_create("quillora-classeur", MFD_CLOEXEC);
    if (fd < 0) return nullptr;
    FILE* f = ::fdopen(fd, "w+b");
    if (!f) ::close(fd);
    return f;
}

Resultat EcrireClasseur(const TClasse& c, const std::string& chemin) {
    Resultat r;
    const auto echec = [&](const std::string& raison) {
        r.ok = false;
        r.erreur = "Impossible de créer le fichier \"" + chemin + "\". " + raison;
        return r;
    };
    // The library writes a file by name: it writes into memory, which then goes in place of
    // the old file whole, so that a failure leaves the old file, or none.
    const int memoire = ::memfd_create("quillora-classeur", MFD_CLOEXEC);
    if (memoire < 0) return echec(RaisonSysteme(errno));
    const std::string nom = "/proc/self/fd/" + std::to_string(memoire);
    // Its scratch folder, were its files ever named: the output's, not a /tmp that may be
    // full or missing.
    const std::size_t barre = chemin.rfind('/');
    std::string dossier = barre == std::string::npos ? "." : chemin.substr(0, barre + 1);
    lxw_workbook_options options{};
    options.tmpdir = dossier.data();

    lxw_error e;
    int code;
    {
        const SansMessagesBibliotheque silence;
        lxw_workbook* wb = workbook_new_opt(nom.c_str(), &options);
        if (!wb) {
            ::close(memoire);
            return echec(RaisonSysteme(ENOMEM));
        }
        RedigerClasseur(c, wb);
        errno = 0;
        e = workbook_close(wb);
        code = errno;
    }
    std::string octets;
    struct stat st {};
    if (e == LXW_NO_ERROR && ::fstat(memoire, &st) == 0 && st.st_size > 0) {
        octets.resize(static_cast<std::size_t>(st.st_size));
        if (::pread(memoire, octets.data(), octets.size(), 0) != st.st_size) {
            e = LXW_ERROR_READING_TMPFILE;
            code = errno ? errno : EIO;
        }
    } else if (e == LXW_NO_ERROR) {
        e = LXW_ERROR_READING_TMPFILE;
        code = errno ? errno : EIO;
    }
    ::close(memoire);
    if (e != LXW_NO_ERROR) return echec(raisonBibliotheque(e, code));
    std::string raison;
    if (!EcrireFichierAtomique(chemin, octets.data(), octets.size(), raison)) return echec(raison);
    return r;
}

} // namespace quillora
