#include "Formats.h"

#include <dlfcn.h>
#include <filesystem>
#include <system_error>

namespace quillora {

namespace {

namespace fs = std::filesystem;

constexpr const char* NomModule = "quillora-formats.so";

// Beside the program once installed (both live in libexec/quillora); in a build tree the
// tests and benchmarks run from folders of their own and find it where it was built.
std::vector<fs::path> emplacements() {
    std::vector<fs::path> r;
    std::error_code e;
    const fs::path soi = fs::read_symlink("/proc/self/exe", e);
    if (!e) r.push_back(soi.parent_path() / NomModule);
#ifdef QUILLORA_FORMATS_CONSTRUCTION
    r.emplace_back(QUILLORA_FORMATS_CONSTRUCTION);
#endif
    return r;
}

struct Chargement {
    const Formats* formats = nullptr;
    std::string raison;
};

Chargement charger() {
    Chargement c;
    const auto lieux = emplacements();
    for (const fs::path& p : lieux) {
        std::error_code e;
        if (!fs::exists(p, e)) continue;
        void* module = ::dlopen(p.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char* d = ::dlerror();
            c.raison = "Le module " + p.string() + " ne se charge pas : " + (d ? d : "") + ".";
            return c;
        }
        using Entree = const Formats* (*)();
        const auto entree = reinterpret_cast<Entree>(::dlsym(module, EntreeFormats));
        const Formats* f = entree ? entree() : nullptr;
        if (!f || f->version != VersionFormats) {
            c.raison = "Le module " + p.string() + " n'est pas celui de ce programme.";
            return c;
        }
        c.formats = f;
        return c;
    }
    c.raison = std::string("Le module ") + NomModule +
               " est introuvable à côté du programme : l'installation est incomplète.";
    return c;
}

} // namespace

const Formats* ChargerFormats(std::string& raison) {
    static const Chargement c = charger();
    raison = c.raison;
    return c.formats;
}

} // namespace quillora
