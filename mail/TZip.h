#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace quillora {

class TProgressForm;

// Adds files to a zip archive, with a progress window driven by the bytes really read and
// a cancel that leaves the previous archive as it was. The archive is only ever replaced
// whole, by its complete new version.
class TZip : public QObject {
    Q_OBJECT
public:
    // `fenetre` is the parent of the boxes and of the progress window.
    explicit TZip(QWidget* fenetre = nullptr);
    ~TZip() override;

    QString ZipFileName;         // set through SetZipFileName
    QStringList FichiersAjouter; // emptied by each Ajouter
    bool AfficherProgres = true;
    bool Annuler = false; // set by the progress window's button

    // Names the archive and creates it empty when it does not exist yet. False, after an
    // error box, when it cannot be created.
    bool SetZipFileName(const QString& chemin);

    // Adds the files of FichiersAjouter, each under its own name; the number added, 0 after
    // an information or error box, or on cancel (the archive is then as it was before).
    int Ajouter();

    // The progress window of the running Ajouter, null otherwise.
    TProgressForm* Progres() const { return progres_; }

signals:
    // Bytes read of all the files being added.
    void progression(qint64 fait, qint64 total);

private:
    struct Suivi;
    bool lire(qint64 n);
    bool ecrire(const QByteArray& octets, const QString& chemin);

    QWidget* fenetre_;
    TProgressForm* progres_ = nullptr;
    qint64 fait_ = 0, total_ = 0;
};

} // namespace quillora
