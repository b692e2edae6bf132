#include "ArchiveZip.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <zip.h>

#include "FichierAtomique.h"

namespace quillora {

namespace {

std::string raisonZip(const zip_error_t* erreur) {
    if (zip_error_system_type(erreur) == ZIP_ET_SYS)
        return RaisonSysteme(zip_error_code_system(erreur));
    switch (zip_error_code_zip(erreur)) {
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
        return "Ce n'est pas une archive Zip valide.";
    case ZIP_ER_MEMORY:
        return RaisonSysteme(ENOMEM);
    default:
        return "L'archive n'a pas pu être écrite (erreur Zip " +
               std::to_string(zip_error_code_zip(erreur)) + ").";
    }
}

// One file fed to libzip by hand, so that the progress counts the bytes really read (its
// own progress counts compressed bytes written, which jump at the end).
struct Source {
    SuiviArchive* suivi;
    std::string chemin;
    std::FILE* f = nullptr;
    struct stat st {};
    zip_error_t erreur{};

    static zip_int64_t rappel(void* ud, void* donnees, zip_uint64_t n, zip_source_cmd_t cmd) {
        auto* s = static_cast<Source*>(ud);
        switch (cmd) {
        case ZIP_SOURCE_OPEN:
            s->f = std::fopen(s->chemin.c_str(), "rb");
            if (!s->f) {
                zip_error_set(&s->erreur, ZIP_ER_OPEN, errno);
                return -1;
            }
            s->suivi->Fichier(s->chemin);
            return 0;
        case ZIP_SOURCE_READ: {
            const std::size_t lus = std::fread(donnees, 1, n, s->f);
            if (lus < n && std::ferror(s->f)) {
                zip_error_set(&s->erreur, ZIP_ER_READ, errno);
                return -1;
            }
            if (!s->suivi->Lus(static_cast<std::int64_t>(lus))) {
                zip_error_set(&s->erreur, ZIP_ER_CANCELLED, 0);
                return -1;
            }
            return static_cast<zip_int64_t>(lus);
        }
        case ZIP_SOURCE_CLOSE:
            if (s->f) std::fclose(s->f);
            s->f = nullptr;
            return 0;
        case ZIP_SOURCE_STAT: {
            auto* z = ZIP_SOURCE_GET_ARGS(zip_stat_t, donnees, n, &s->erreur);
            if (!z) return -1;
            zip_stat_init(z);
            z->size = static_cast<zip_uint64_t>(s->st.st_size);
            z->mtime = s->st.st_mtime;
            z->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&s->erreur, donnees, n);
        case ZIP_SOURCE_FREE:
            if (s->f) std::fclose(s->f);
            s->f = nullptr;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                  ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&s->erreur, ZIP_ER_INVAL, 0);
            return -1;
        }
    }
};

ResultatArchive impossible(std::string raison) {
    return {ResultatArchive::Etat::ArchiveImpossible, {}, std::move(raison)};
}

} // namespace

ResultatArchive Archiver(const std::string& avant, const std::vector<FichierArchive>& fichiers,
                         SuiviArchive& suivi, std::string& apres) {
    apres.clear();
    zip_error_t erreur;
    zip_error_init(&erreur);
    // The source owns its copy of the old archive: libzip 1.7 frees a written buffer's first
    // bytes even when told they are not its own.
    void* copie = std::malloc(avant.size() + 1);
    if (copie) std::memcpy(copie, avant.data(), avant.size());
    zip_source_t* memoire =
        copie ? zip_source_buffer_create(copie, avant.size(), 1, &erreur) : nullptr;
    if (!memoire) std::free(copie);
    if (!copie) zip_error_set(&erreur, ZIP_ER_MEMORY, 0);
    zip_t* za = memoire ? zip_open_from_source(memoire, ZIP_CREATE, &erreur) : nullptr;
    if (!za) {
        ResultatArchive r = impossible(raisonZip(&erreur));
        if (memoire) zip_source_free(memoire);
        zip_error_fini(&erreur);
        return r;
    }
    zip_error_fini(&erreur);
    // Kept past the archive's close, to read the new archive from it.
    zip_source_keep(memoire);
    const auto abandonner = [&](ResultatArchive r) {
        zip_discard(za);
        zip_source_free(memoire);
        return r;
    };
    std::vector<std::unique_ptr<Source>> sources;
    std::int64_t total = 0;
    for (const FichierArchive& f : fichiers) {
        auto s = std::make_unique<Source>();
        s->suivi = &suivi;
        s->chemin = f.chemin;
        zip_error_init(&s->erreur);
        if (::stat(f.chemin.c_str(), &s->st) != 0)
            return abandonner(
                {ResultatArchive::Etat::FichierIllisible, f.chemin, RaisonSysteme(errno)});
        total += s->st.st_size;
        zip_source_t* zs = zip_source_function(za, &Source::rappel, s.get());
        if (!zs || zip_file_add(za, f.nom.c_str(), zs, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            if (zs) zip_source_free(zs);
            return abandonner(impossible(raisonZip(zip_get_error(za))));
        }
        sources.push_back(std::move(s));
    }
    zip_register_cancel_callback_with_state(
        za, [](zip_t*, void* ud) { return static_cast<SuiviArchive*>(ud)->Annule() ? 1 : 0; },
        nullptr, &suivi);

    suivi.Debut(total);
    const bool ecrit = zip_close(za) == 0;
    std::string raison;
    if (!ecrit) {
        raison = raisonZip(zip_get_error(za));
        for (const auto& s : sources)
            if (zip_error_code_zip(&s->erreur) != ZIP_ER_OK &&
                zip_error_code_zip(&s->erreur) != ZIP_ER_CANCELLED)
                raison = raisonZip(&s->erreur);
        zip_discard(za);
    }
    for (auto& s : sources) zip_error_fini(&s->erreur);

    if (ecrit && !suivi.Annule()) {
        zip_stat_t st;
        zip_stat_init(&st);
        const bool lu = zip_source_stat(memoire, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
                        zip_source_open(memoire) == 0;
        if (lu) {
            apres.resize(st.size);
            const bool entier = zip_source_read(memoire, apres.data(), st.size) ==
                                static_cast<zip_int64_t>(st.size);
            zip_source_close(memoire);
            if (!entier) apres.clear();
        }
        if (apres.empty()) raison = raisonZip(zip_source_error(memoire));
    }
    zip_source_free(memoire);
    if (suivi.Annule()) {
        apres.clear();
        return {ResultatArchive::Etat::Annule, {}, {}};
    }
    if (apres.empty()) return impossible(raison);
    return {};
}

} // namespace quillora
