#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QPageLayout;
class QPrinter;

namespace quillora {

// What the program asks of the desktop and the system: the warning beep, printers, web
// pages, the text editor and external commands. Tests replace it to run without touching
// the real desktop.
class Plateforme {
public:
    virtual ~Plateforme() = default;

    virtual void bip();

    struct MesuresImprimante {
        int resolution = 300; // dots per inch
        int largeur = 2481;   // physical page size in dots (A4 at 300 dpi)
        int hauteur = 3507;
        // The printable area in dots; without a printer, the page less Qt's default PDF
        // margins of 10 pt on every side, which is what printing to a file then gives.
        int largeurImprimable = 2397;
        int hauteurImprimable = 3423;
    };
    virtual bool imprimanteInstallee();
    // The measurements of `imprimante` in the paper and orientation it was set up with.
    virtual MesuresImprimante mesurerImprimante(const QPrinter& imprimante);
    // Without a printer, pages go to a PDF file at 300 dpi: `mise`'s paper less Qt's
    // default margins, A4 giving the values above.
    static MesuresImprimante MesuresSansImprimante(const QPageLayout& mise);
    // Logical dots per inch of the primary screen.
    virtual int resolutionEcran();

    virtual bool ouvrirUrl(const QUrl& url);
    // Opens a text file in the desktop's text editor.
    virtual bool ouvrirEditeur(const QString& fichier);

    struct ResultatCommande {
        bool demarree = false;
        int code = -1;
        QString sortie;
    };
    // Runs an external program to its end (xdg-mime and the like).
    virtual ResultatCommande executer(const QString& programme, const QStringList& arguments);

    // Hands a new message to the desktop's mail program: runs xdg-email with `arguments`
    // and waits for its end without a time limit (a mail program started by it may live as
    // long as its compose window). Its exit status, 127 when it is not installed, -1 when it
    // crashed.
    // Called from a worker thread.
    virtual int remettreCourrier(const QStringList& arguments);

    // The running program's full path.
    virtual QString cheminProgramme();

    // The user's configuration folder for this program (~/.config/quillora), for the files
    // the program cannot keep beside itself.
    virtual QString dossierConfiguration();
    // The user's documents folder, home of the backup copies unless the settings name
    // another.
    virtual QString dossierDocuments();
    // The user's state folder for this program (~/.local/state/quillora): the journals of
    // classes never saved, or kept in a folder the program cannot write.
    virtual QString dossierEtat();
    // The freedesktop data folders, the user's own first (~/.local/share, then the
    // system's): where file types, applications and icons are declared.
    virtual QStringList dossiersDonnees();
};

Plateforme& plateforme();
// Installs `p` (not owned); null restores the real platform.
void definirPlateforme(Plateforme* p);

// To be called before the application object exists. Qt draws text taller than 64 pixels
// from its outlines at every call; the preview's zoom and charts on a printed page write
// much of it, so the glyph cache keeps larger sizes.
void PreparerRenduTexte();

// The program's one printer: the default printer, or a PDF file without one. Its set-up
// (paper, orientation) lasts for the whole run, for printing and the preview alike.
QPrinter& ImprimanteProgramme();

// Fills the model's printer measurements from the program's printer and returns them with
// the printable area, which the model does not keep.
Plateforme::MesuresImprimante MesurerImprimante();

} // namespace quillora
