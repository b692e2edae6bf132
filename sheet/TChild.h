#pragma once

#include <QAbstractScrollArea>
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <array>
#include <memory>
#include <optional>

#include "Classe.h"
#include "EtatFeuille.h"
#include "GeometrieFeuille.h"
#include "Historique.h"
#include "Journal.h"
#include "JournalReprise.h"
#include "TEdition.h"
#include "TableLisible.h"

class QPrinter;

namespace quillora {

// The window of one class: its grade sheet, painted by the program itself, the menus that
// choose the view, the preview, printing, saving and closing. It owns its class. Screen
// readers read the sheet as a table whose focus is the grade cursor.
class TChild : public QAbstractScrollArea, public GrilleLisible {
    Q_OBJECT

public:
    explicit TChild(QWidget* parent = nullptr);

    TClasse Classe;
    bool Modifie = false;
    bool NouveauFichier = false;
    bool ModeApercu = false;
    double ZoomApercu = 0.5;
    bool PremierDessin = true;
    int LargeurNom = 5;
    bool DefilementRapideH = true;
    bool DefilementRapideV = true;

    // The grade cursor: the cell it is on (255: none yet), the cell last marked (row 255:
    // none), the last mouse position seen, and whether the pointer is over a cell.
    int Ligne = 255;
    int Colonne = 255;
    int AncienneLigne = 255;
    int AncienneColonne = 255;
    int SourisX = -1;
    int SourisY = -1;
    bool SurCellule = false;
    // Visible while a grade or a coefficient is being typed.
    TEdition* EditNote = nullptr;

    // Loads an existing class file; on failure the message is returned and nothing shown.
    Resultat OuvrirFichier(const std::string& chemin);
    // A class from nothing: its students typed in the new-class dialog (over `parent`), then a
    // made-up file name in `dossier`; false when the dialog was cancelled.
    // With `depuisListe`, the students come from a list read in the import dialog instead.
    bool NouvelleClasse(const QString& dossier, QWidget* parent, bool depuisListe = false);

    void MarquerModifie();
    void MarquerSauve();
    void Rafraichir();

    // Undo and redo. A command names its step before it touches the class; the step is
    // taken when the change is marked (`MarquerModifie`), so a cancelled command leaves none.
    // `code` and its arguments are the notification the command sends, sent again on undo.
    void DebutEtape(const QString& nom, int code = 0, int periode = 0, int item = 0, int eleve = 0);
    void Annuler();
    void Retablir();
    const Historique& HistoriqueClasse() const { return historique_; }

    // The class journal. Once the window is shown: tells what a damaged journal lost, and
    // offers the steps an interruption left after the last save.
    void ReprendreJournal();
    // A new class rebuilt from its journal in the state folder, when the teacher says Oui
    // (asked over `parent`); false otherwise.
    bool RecupererNouvelleClasse(const std::string& journal, QWidget* parent);
    // The change-log window.
    void AfficherJournal();
    // The journal's file, once there is one; everything queued is on disk on return.
    std::string FichierJournal();

    // Typing on the sheet.
    bool SaisieEnCours() const { return !EditNote->isHidden(); }
    // False, after saying so, while an entry is open: the caller gives up its command.
    bool VerifierSaisieFinie();
    // Draws the mark at the cursor, scrolling first when `Defiler`; always erases the old one.
    void MarquerCurseur(bool Afficher, bool Defiler);
    // Opens the edit control on the cursor's cell with `TexteInitial`, or else with what the
    // cell holds.
    void OuvrirSaisie(const QString& TexteInitial);
    // The edit control's end: `ligne` is TEdition::Abandon when nothing was stored.
    void FinSaisie(int ligne, int colonne);
    // The status line's text for the cursor's cell.
    QString TexteAide() const;

    // View.
    void ChangerTrimestre(int n);
    void ChangerMatiere(int n);
    void PeriodeSuivante();
    void PeriodePrecedente();
    void MatiereSuivante();
    void TexteMenus();
    void TexteMatieres();
    void MettreAJourMenus();
    void BasculerApercu();
    // The frame's preview command: refuses without a printer.
    void AfficherApercu();
    void ZoomPlus();
    void ZoomMoins();
    void DefilementRapide(bool horizontal);
    // "Trimestre" or "Semestre", for the frame's hints.
    QString MotPeriode() const;
    bool VueMatiere() const { return Classe.MatiereCourante != 4 && Classe.PeriodeCourante != 4; }

    // The "Classe" and "Matière" menus.
    void MenuAjouterEleve();
    void MenuInsererEleve();
    void MenuSupprimerEleve();
    void MenuModifierEleve();
    void MenuParametresClasse();
    void MenuTrierEleves();
    void MenuImporterListe();
    void MenuCoefficients();
    void MenuMatieres();
    // Statistics windows: 1 evolution, 2 one assignment, 3 averages, 4 full report; the
    // window opened, or null when an entry is open.
    QWidget* OuvrirStatistique(int n);
    void OuvrirTroisStatistiques();
    // "Relevés de notes...": the students' grade reports, previewed, printed or saved as PDF.
    void MenuReleves();

    // Printing and export.
    void Imprimer(bool SansDialogue);
    void ConfigurerImprimante();
    void ExporterTableau();
    // The whole class as a workbook, or the view as CSV, in a file the teacher names.
    void ExporterTableur();

    // The assignments of the subject and period shown (the "Note" menu).
    void AjouterDevoir();
    void InsererDevoir();
    void ModifierDevoir();
    void SupprimerDevoir();
    void ViderPeriode();
    void ViderAnnee();
    // The assignment clipboard (the "Edition" menu).
    void CopierDevoir();
    void CouperDevoir();
    void AjouterDevoirCopie();
    void InsererDevoirCopie();
    // Runs the choice of an assignment for `but` (TDial16's purposes); -1789 when cancelled.
    int ChoisirDevoir(int but);

    // Saving; each returns false when nothing was written. A failure is shown, or given in
    // `echec` when there is one.
    bool Enregistrer(bool ajouterRecent, QString* echec = nullptr);
    bool EnregistrerSous(QString* echec = nullptr);
    bool EnregistrerAvecCopie();
    // Asks, then deletes the class file and closes the window without the save prompt.
    void EffacerFichier();
    // Saves the class as Save does, then mails its file packed in a zip archive.
    void MenuEnvoyerMail();

    // The options dialog; true when it was confirmed. Re-cases the names when their capitals
    // changed. `fichierOptions` is the settings file that OK writes, its reals with
    // `separateur`.
    bool OuvrirOptions(const QString& fichierOptions, char separateur);
    // Measures the names again and repaints in the options now in force.
    void OptionsChangees();

    // The last close's outcome: false when the teacher cancelled it.
    bool FermetureOK() const { return fermetureOK_; }

    QMenu* MenuEdition() const { return menuEdition_; }
    QMenu* MenuClasse() const { return menuClasse_; }
    QMenu* MenuMatiere() const { return menuMatiere_; }
    QMenu* MenuAffichage() const { return menuAffichage_; }
    QMenu* MenuNote() const { return menuNote_; }
    QMenu* MenuStatistique() const { return menuStatistique_; }
    QMenu* MenuPopup() const { return popup_; }
    const GeometrieFeuille& Geometrie() const { return geometrie_; }
    // The whole sheet of the view shown, in pixels: what the window needs to show it all.
    QSize TailleFeuille() const;
    EtatFeuille Etat() const;

    // The sheet as a screen reader reads it.
    QString NomTable() const override;
    int NbLignesLisibles() const override;
    int NbColonnesLisibles() const override;
    QString NomCase(CaseLisible c) const override;
    QRect RectangleCase(CaseLisible c) const override;
    std::optional<CaseLisible> CaseCourante() const override;
    QWidget* ControleSurGrille() const override;

signals:
    // The period shown changed (or the window opened): the frame shows it.
    void periodeChangee();
    // The state the frame's menus and buttons follow has changed.
    void etatChange();
    // The list of recent files changed.
    void fichiersRecentsChanges();
    // The window is closing: the frame stops showing its period.
    void fermeture();
    // The sheet has just been painted on the window.
    void feuilleDessinee();
    // The frame's status line shows `texte`; `heure` lets its clock replace it again.
    void statut(const QString& texte, bool heure);
    // The class changed under the statistics windows: `code` 1 for the students (no argument),
    // 3 for a grade (period, assignment, student), 4 for an assignment's coefficient (period,
    // assignment, 0), 5 for the class parameters (0) or the period shown (period), 6 for the
    // options (0, 0, 0), 7 for the subjects or the subject shown (period, subject).
    void notification(int code, int periode, int item, int eleve);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // A command's step, from before its dialog or change to the end of the command: a
    // command that ends without marking a change leaves nothing pending, which the next
    // change would otherwise close under this command's name.
    class EtapeCommande {
    public:
        explicit EtapeCommande(Historique& h) : historique_(h) {}
        EtapeCommande(const EtapeCommande&) = delete;
        EtapeCommande& operator=(const EtapeCommande&) = delete;
        ~EtapeCommande() { historique_.Abandon(); }

    private:
        Historique& historique_;
    };
    // Begins the step of a command that has passed the entry guard.
    [[nodiscard]] EtapeCommande Etape(const QString& nom, int code = 0, int periode = 0,
                                      int item = 0, int eleve = 0);

    void creerMenus();
    void creerMenusClasse();
    void creerMenuMatiere();
    void menusClasseAJour();
    // What every window does once its class is there, new or read.
    void preparerVue();
    // After a student command: the names' column fits the names again.
    void elevesChanges();
    void creerMenuStatistique();
    void MettreAJourStatistiques();
    void cocherVue();
    void appliquerDefilement();
    void majTitre();
    void sauvegardeDeFermeture();
    void effacerCurseur();
    void defilerVers(Cellule cellule);
    bool toucheCurseur(const QKeyEvent* event);
    void deplacerCurseur(int touche);
    void curseurDeplace();
    void creerMenuNote();
    void creerMenuEditionDevoirs();
    void menusDevoirsAJour();
    void devoirsChanges();
    void creerMenusHistorique();
    void majMenusHistorique();
    void montrerEtape(const Historique::Contexte& etape, int matiere, int periode);
    void journaliser(GenreEtape genre, const Historique::Etape& etape);
    void journalAjouter(EnregistrementJournal e);
    void journalSauvegarde();
    void journalMiseDeCote(RaisonMiseDeCote raison);
    void journalEfface();
    // Re-applies the journal's steps as undoable ones; how many could be.
    std::size_t recuperer(const LectureJournal& l, const std::vector<std::size_t>& etapes);
    void preparerJournal();
    // What a screen reader, when one listens, hears of the cursor, the view, a stored value
    // and the edit control.
    void annoncerCurseur();
    void annoncerVue();
    void annoncerValeur(Cellule cellule);
    void nommerSaisie();

    QMenu* menuEdition_ = nullptr;
    QMenu* menuAffichage_ = nullptr;
    QMenu* menuNote_ = nullptr;
    QMenu* popup_ = nullptr;
    QMenu* menuStatistique_ = nullptr;
    QAction* M64 = nullptr;
    QMenu* menuClasse_ = nullptr;
    QMenu* menuMatiere_ = nullptr;
    QAction* M25 = nullptr;
    QAction* M26 = nullptr;
    QAction* M27 = nullptr;
    QAction* annuler_ = nullptr;
    QAction* retablir_ = nullptr;
    Historique historique_;
    QAction* M43 = nullptr;
    QAction* M40 = nullptr;
    QAction* M41 = nullptr;
    QAction* M42 = nullptr;
    QAction* M46 = nullptr;
    QAction* M47 = nullptr;
    QAction* MReleves = nullptr;
    QAction* MTableur = nullptr;
    std::array<QAction*, 5> ntrim_{};  // [1..4]: Ntrim1..Ntrim3, NBilan
    std::array<QAction*, 5> menuM_{};  // [1..4]: MenuM1..MenuM4
    std::array<QAction*, 9> mpopup_{}; // [1..8]: MPopup1..MPopup8
    // The "Note" menu's M30..M35 and the "Edition" menu's M60..M63.
    std::array<QAction*, 6> mNote_{};
    std::array<QAction*, 4> mEdition_{};
    GeometrieFeuille geometrie_;
    std::optional<Cellule> marque_; // where the cursor's mark is drawn
    QCursor pointeur_;              // the pointer over the cells
    bool fermetureOK_ = true;
    bool effacement_ = false;
    // The journal: its writer, its file, the checksum of the class's file as last read or
    // saved, what opening found in it until ReprendreJournal deals with it, and how many
    // steps it holds past its last mark.
    std::unique_ptr<Journal> journal_;
    std::string cheminJournal_;
    std::uint32_t sommeFichier_ = 0;
    std::optional<JournalPrepare> journalLu_;
    std::size_t etapesJournal_ = 0;
    bool sansJournal_ = false;
};

} // namespace quillora
