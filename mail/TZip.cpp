#include "TZip.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <vector>
#include <zip.h>

#include "Dialogues.h"
#include "FichierAtomique.h"
#include "Programme.h"
#include "TProgressForm.h"

namespace quillora {

namespace {

// An archive with no entry: its end-of-central-directory record alone.
const QByteArray ArchiveVide = QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0');

QString raisonZip(const zip_error_t* erreur) {
    if (zip_error_system_type(erreur) == ZIP_ET_SYS)
        return QString::fromStdString(RaisonSysteme(zip_error_code_system(erreur)));
    switch (zip_error_code_zip(erreur)) {
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
        return QStringLiteral("Ce n'est pas une archive Zip valide.");
    case ZIP_ER_MEMORY:
        return QString::fromStdString(RaisonSysteme(ENOMEM));
    default:
        return QStringLiteral("L'archive n'a pas pu être écrite (erreur Zip %1).")
            .arg(zip_error_code_zip(erreur));
    }
}

QString messageCreation(const QString& chemin, const QString& raison) {
    return QStringLiteral("Impossible de créer le fichier \"") + chemin + QStringLiteral("\". ") +
           raison;
}

} // namespace

// One file fed to libzip by hand, so that the progress counts the bytes really read (its
// own progress counts compressed bytes written, which jump at the end).
struct TZip::Source {
    TZip* zip;
    QString chemin;
    std::FILE* f = nullptr;
    struct stat st {};
    zip_error_t erreur{};

    static zip_int64_t rappel(void* ud, void* donnees, zip_uint64_t n, zip_source_cmd_t cmd) {
        auto* s = static_cast<Source*>(ud);
        switch (cmd) {
        case ZIP_SOURCE_OPEN:
            s->f = std::fopen(QFile::encodeName(s->chemin).constData(), "rb");
            if (!s->f) {
                zip_error_set(&s->erreur, ZIP_ER_OPEN, errno);
                return -1;
            }
            if (s->zip->progres_) s->zip->progres_->Fichier(QFileInfo(s->chemin).fileName());
            return 0;
        case ZIP_SOURCE_READ: {
            const std::size_t lus = std::fread(donnees, 1, n, s->f);
            if (lus < n && std::ferror(s->f)) {
                zip_error_set(&s->erreur, ZIP_ER_READ, errno);
                return -1;
            }
            if (!s->zip->lire(static_cast<qint64>(lus))) {
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

TZip::TZip(QWidget* fenetre) : fenetre_(fenetre) {}

TZip::~TZip() = default;

bool TZip::SetZipFileName(const QString& chemin) {
    ZipFileName.clear();
    if (!QFileInfo::exists(chemin) && !ecrire(ArchiveVide, chemin)) return false;
    ZipFileName = chemin;
    return true;
}

bool TZip::ecrire(const QByteArray& octets, const QString& chemin) {
    std::string raison;
    if (EcrireFichierAtomique(QFile::encodeName(chemin).toStdString(), octets.constData(),
                              static_cast<std::size_t>(octets.size()), raison))
        return true;
    dialogues().erreur(fenetre_, titreErreur(),
                       messageCreation(chemin, QString::fromStdString(raison)));
    return false;
}

bool TZip::lire(qint64 n) {
    fait_ += n;
    emit progression(fait_, total_);
    if (progres_) progres_->Progression(fait_, total_);
    // The window stays alive, and its button can be pressed, while the archive is written.
    QCoreApplication::processEvents();
    return !Annuler;
}

int TZip::Ajouter() {
    Annuler = false;
    const QStringList fichiers = FichiersAjouter;
    FichiersAjouter.clear();
    const auto information = [this](const QString& texte) {
        dialogues().information(fenetre_, TitreProgramme(), texte);
        return 0;
    };
    if (ZipFileName.isEmpty())
        return information(QStringLiteral(
            "Une archive Zip doit tout d'abord être ouverte ou créée\navant de pouvoir y "
            "Ajouter, Supprimer ou Extraire des fichiers."));
    if (fichiers.isEmpty())
        return information(QStringLiteral("Aucun fichier n'a été sélectionné."));

    // The new archive is made in memory from the old one and put in its place whole once
    // complete: a cancel, a failure or a killed program leaves the old archive as it was,
    // and no half-written copy anywhere.
    QFile archive(ZipFileName);
    if (!archive.open(QIODevice::ReadOnly)) {
        dialogues().erreur(fenetre_, titreErreur(),
                           QStringLiteral("Impossible d'ouvrir le fichier \"") + ZipFileName +
                               QStringLiteral("\". ") + archive.errorString());
        return 0;
    }
    const QByteArray avant = archive.readAll();
    archive.close();

    zip_error_t erreur;
    zip_error_init(&erreur);
    // The source owns its copy of the old archive: libzip 1.7 frees a written buffer's first
    // bytes even when told they are not its own.
    void* copie = std::malloc(static_cast<std::size_t>(avant.size()) + 1);
    if (copie) std::memcpy(copie, avant.constData(), static_cast<std::size_t>(avant.size()));
    zip_source_t* memoire =
        copie ? zip_source_buffer_create(copie, static_cast<zip_uint64_t>(avant.size()), 1, &erreur)
              : nullptr;
    if (!memoire) std::free(copie);
    if (!copie) zip_error_set(&erreur, ZIP_ER_MEMORY, 0);
    zip_t* za = memoire ? zip_open_from_source(memoire, ZIP_CREATE, &erreur) : nullptr;
    if (!za) {
        dialogues().erreur(fenetre_, titreErreur(),
                           messageCreation(ZipFileName, raisonZip(&erreur)));
        if (memoire) zip_source_free(memoire);
        zip_error_fini(&erreur);
        return 0;
    }
    zip_error_fini(&erreur);
    // Kept past the archive's close, to read the new archive from it.
    zip_source_keep(memoire);
    const auto abandonner = [&] {
        zip_discard(za);
        zip_source_free(memoire);
        return 0;
    };
    std::vector<std::unique_ptr<Source>> sources;
    fait_ = total_ = 0;
    for (const QString& f : fichiers) {
        auto s = std::make_unique<Source>();
        s->zip = this;
        s->chemin = f;
        zip_error_init(&s->erreur);
        if (::stat(QFile::encodeName(f).constData(), &s->st) != 0) {
            dialogues().erreur(fenetre_, titreErreur(),
                               QStringLiteral("Impossible d'ouvrir le fichier \"") + f +
                                   QStringLiteral("\". ") +
                                   QString::fromStdString(RaisonSysteme(errno)));
            return abandonner();
        }
        total_ += s->st.st_size;
        zip_source_t* zs = zip_source_function(za, &Source::rappel, s.get());
        const QByteArray nom = QFileInfo(f).fileName().toUtf8();
        if (!zs || zip_file_add(za, nom.constData(), zs, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            if (zs) zip_source_free(zs);
            dialogues().erreur(fenetre_, titreErreur(),
                               messageCreation(ZipFileName, raisonZip(zip_get_error(za))));
            return abandonner();
        }
        sources.push_back(std::move(s));
    }
    zip_register_cancel_callback_with_state(
        za, [](zip_t*, void* ud) { return static_cast<TZip*>(ud)->Annuler ? 1 : 0; }, nullptr,
        this);

    std::unique_ptr<TProgressForm> progres;
    if (AfficherProgres) {
        progres = std::make_unique<TProgressForm>(fenetre_);
        progres->setWindowModality(Qt::ApplicationModal);
        connect(progres.get(), &TProgressForm::annulation, this, [this] { Annuler = true; });
        progres->show();
        progres_ = progres.get();
        QCoreApplication::processEvents();
    }
    const bool ecrit = zip_close(za) == 0;
    QString raison;
    if (!ecrit) {
        raison = raisonZip(zip_get_error(za));
        for (const auto& s : sources)
            if (zip_error_code_zip(&s->erreur) != ZIP_ER_OK &&
                zip_error_code_zip(&s->erreur) != ZIP_ER_CANCELLED)
                raison = raisonZip(&s->erreur);
        zip_discard(za);
    }
    progres_ = nullptr;
    progres.reset();
    for (auto& s : sources) zip_error_fini(&s->erreur);

    QByteArray apres;
    if (ecrit && !Annuler) {
        zip_stat_t st;
        zip_stat_init(&st);
        const bool lu = zip_source_stat(memoire, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
                        zip_source_open(memoire) == 0;
        if (lu) {
            apres.resize(static_cast<qsizetype>(st.size));
            const bool entier = zip_source_read(memoire, apres.data(), st.size) ==
                                static_cast<zip_int64_t>(st.size);
            zip_source_close(memoire);
            if (!entier) apres.clear();
        }
        if (apres.isEmpty()) raison = raisonZip(zip_source_error(memoire));
    }
    zip_source_free(memoire);
    if (Annuler) return 0;
    if (apres.isEmpty()) {
        dialogues().erreur(fenetre_, titreErreur(), messageCreation(ZipFileName, raison));
        return 0;
    }
    return ecrire(apres, ZipFileName) ? static_cast<int>(fichiers.size()) : 0;
}

} // namespace quillora
