// The doors that need Qt or the workbook's libraries live in programs of their own, so that
// the export, the ranking and the version start without loading them.
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <langinfo.h>
#include <locale.h>
#include <ostream>
#include <unistd.h>

#include "LigneCommande.h"
#include "Options.h"

namespace quillora {

namespace {

namespace fs = std::filesystem;

// Beside this program in a build tree; under ../libexec/quillora once installed.
std::string programmeAssocie(const fs::path& soi, const char* nom) {
    for (const fs::path& p :
         {soi.parent_path() / nom, soi.parent_path().parent_path() / "libexec" / "quillora" / nom})
        if (::access(p.c_str(), X_OK) == 0) return p.string();
    return {};
}

} // namespace

char SeparateurLocal() {
    // The variables Qt reads, in its order; a locale the system does not have reads as C.
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* v = std::getenv(var);
        if (!v || !*v) continue;
        const locale_t locale = ::newlocale(LC_NUMERIC_MASK, v, static_cast<locale_t>(0));
        if (!locale) return '.';
        const char* point = ::nl_langinfo_l(RADIXCHAR, locale);
        const char separateur = point && point[0] && !point[1] ? point[0] : '.';
        ::freelocale(locale);
        return separateur;
    }
    return '.';
}

int Relayer(const Lancement& l, char** argv, std::ostream& erreurs) {
    const char* nom = l.mode == ModeLancement::Tableur ? "quillora-classeur" : "quillora-fenetre";
    const std::string soi = CheminProgramme();
    const std::string programme = programmeAssocie(soi, nom);
    if (programme.empty()) {
        erreurs << "quillora : le programme " << nom
                << " est absent ; cette installation ne contient que les commandes sans "
                   "fenêtre.\n";
        return 2;
    }
    ::setenv(VariableProgramme, soi.c_str(), 1);
    ::execv(programme.c_str(), argv);
    ::unsetenv(VariableProgramme);
    erreurs << "quillora : " << programme << " ne démarre pas : " << std::strerror(errno) << '\n';
    return 2;
}

} // namespace quillora
