#include "ImpressionFichier.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Dialogues.h"
#include "FichierAtomique.h"

namespace quillora {

bool ImprimerDocument(QPrinter& imprimante, const std::function<bool(QPrinter&)>& peindre,
                      std::string& raison) {
    const QString fichier = imprimante.outputFileName();
    if (fichier.isEmpty()) {
        if (peindre(imprimante)) return true;
        raison = "L'impression n'a pas pu se faire.";
        return false;
    }
    const int fd = ::memfd_create("quillora-impression", MFD_CLOEXEC);
    if (fd < 0) {
        raison = RaisonSysteme(errno);
        return false;
    }
    imprimante.setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(fd));
    bool ok = peindre(imprimante);
    imprimante.setOutputFileName(fichier);
    std::string octets;
    struct stat st {};
    if (ok && ::fstat(fd, &st) == 0 && st.st_size > 0) {
        octets.resize(static_cast<std::size_t>(st.st_size));
        ok = ::pread(fd, octets.data(), octets.size(), 0) == st.st_size;
        // The toolkit does not check its own writes: a document cut short lacks its end mark.
        const auto fin = octets.find_last_not_of(" \r\n");
        ok = ok && fin != std::string::npos && fin >= 4 && octets.compare(fin - 4, 5, "%%EOF") == 0;
    } else {
        ok = false;
    }
    ::close(fd);
    if (!ok) {
        raison = "Le document n'a pas pu être préparé.";
        return false;
    }
    return EcrireFichierAtomique(QFile::encodeName(fichier).toStdString(), octets.data(),
                                 octets.size(), raison);
}

bool DireImpression(QWidget* parent, bool ok, const QString& quoi, const QString& fichier,
                    const std::string& raison) {
    if (!ok)
        dialogues().erreur(
            parent, titreErreur(),
            QStringLiteral("Impossible d'imprimer") + (quoi.isEmpty() ? QString() : u' ' + quoi) +
                (fichier.isEmpty()
                     ? QStringLiteral(". ")
                     : QStringLiteral(" dans \"") + fichier + QStringLiteral("\". ")) +
                QString::fromStdString(raison));
    else if (!fichier.isEmpty())
        dialogues().information(parent, titreInformation(),
                                QStringLiteral("Le fichier ") +
                                    QFileInfo(fichier).absoluteFilePath() +
                                    QStringLiteral(" est créé."));
    return ok;
}

} // namespace quillora
