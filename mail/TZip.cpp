#include "TZip.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <vector>

#include "Dialogues.h"
#include "FichierAtomique.h"
#include "Formats.h"
#include "Programme.h"
#include "TProgressForm.h"

namespace quillora {

namespace {

QString messageCreation(const QString& chemin, const QString& raison) {
    return QStringLiteral("Impossible de créer le fichier \"") + chemin + QStringLiteral("\". ") +
           raison;
}

QString messageOuverture(const QString& chemin, const QString& raison) {
    return QStringLiteral("Impossible d'ouvrir le fichier \"") + chemin + QStringLiteral("\". ") +
           raison;
}

} // namespace

// What the archive's writer tells as it reads the files: the progress window follows it, and
// its button cancels.
struct TZip::Suivi : SuiviArchive {
    TZip* zip;
    std::unique_ptr<TProgressForm> progres;

    explicit Suivi(TZip* z) : zip(z) {}
    void Debut(std::int64_t total) override {
        zip->total_ = total;
        if (!zip->AfficherProgres) return;
        progres = std::make_unique<TProgressForm>(zip->fenetre_);
        progres->setWindowModality(Qt::ApplicationModal);
        connect(progres.get(), &TProgressForm::annulation, zip, [z = zip] { z->Annuler = true; });
        progres->show();
        zip->progres_ = progres.get();
        QCoreApplication::processEvents();
    }
    void Fichier(const std::string& chemin) override {
        if (zip->progres_)
            zip->progres_->Fichier(QFileInfo(QFile::decodeName(chemin.c_str())).fileName());
    }
    bool Lus(std::int64_t n) override { return zip->lire(n); }
    bool Annule() const override { return zip->Annuler; }
};

TZip::TZip(QWidget* fenetre) : fenetre_(fenetre) {}

TZip::~TZip() = default;

bool TZip::SetZipFileName(const QString& chemin) {
    ZipFileName.clear();
    if (!QFileInfo::exists(chemin)) {
        const std::string vide = ArchiveVide();
        if (!ecrire(QByteArray(vide.data(), static_cast<qsizetype>(vide.size())), chemin))
            return false;
    }
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

    std::string raison;
    const Formats* formats = ChargerFormats(raison);
    if (!formats) {
        dialogues().erreur(fenetre_, titreErreur(),
                           messageCreation(ZipFileName, QString::fromStdString(raison)));
        return 0;
    }
    // The new archive is made in memory from the old one and put in its place whole once
    // complete: a cancel, a failure or a killed program leaves the old archive as it was,
    // and no half-written copy anywhere.
    QFile archive(ZipFileName);
    if (!archive.open(QIODevice::ReadOnly)) {
        dialogues().erreur(fenetre_, titreErreur(),
                           messageOuverture(ZipFileName, archive.errorString()));
        return 0;
    }
    const QByteArray lu = archive.readAll();
    archive.close();

    std::vector<FichierArchive> aAjouter;
    for (const QString& f : fichiers)
        aAjouter.push_back(
            {QFile::encodeName(f).toStdString(), QFileInfo(f).fileName().toStdString()});
    fait_ = total_ = 0;
    Suivi suivi(this);
    std::string apres;
    const ResultatArchive r = formats->Archiver(lu.toStdString(), aAjouter, suivi, apres);
    progres_ = nullptr;
    suivi.progres.reset();
    switch (r.etat) {
    case ResultatArchive::Etat::Annule:
        return 0;
    case ResultatArchive::Etat::FichierIllisible:
        dialogues().erreur(fenetre_, titreErreur(),
                           messageOuverture(QFile::decodeName(r.fichier.c_str()),
                                            QString::fromStdString(r.raison)));
        return 0;
    case ResultatArchive::Etat::ArchiveImpossible:
        dialogues().erreur(fenetre_, titreErreur(),
                           messageCreation(ZipFileName, QString::fromStdString(r.raison)));
        return 0;
    case ResultatArchive::Etat::Fait:
        break;
    }
    return ecrire(QByteArray(apres.data(), static_cast<qsizetype>(apres.size())), ZipFileName)
               ? static_cast<int>(fichiers.size())
               : 0;
}

} // namespace quillora
