#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <map>

#include "Classe.h"

class QMdiSubWindow;

namespace quillora {

class FenetreStatistique;
class TChild;
class ZoneClients;

// A menu caption as plain text: the hints of the status line show "Trimestre 2", not
// "&Trimestre 2".
QString SansMnemonique(const QString& texte);

// The program's main window: the class windows, the file, window and tools menus, the
// bar of speed buttons and the status line.
class TMDI : public QMainWindow {
    Q_OBJECT

public:
    // Reads the settings from `fichierOptions` (creating it when missing); reals in that
    // file use `separateur`.
    TMDI(const QString& fichierOptions, char separateur, QWidget* parent = nullptr);
    ~TMDI() override;

    bool MajHeure = true;
    bool FermetureOK = true;
    bool OuvrirDernier = false;

    void RetablirTitre();
    // Opens the class file in a window of its own (or shows the window that has it
    // already); null when it cannot be read, after saying why. An empty name makes a new
    // class: null when its dialog was cancelled; `depuisListe`, its students from a list.
    TChild* OuvrirClasse(const QString& nomFichier, bool depuisListe = false);
    // Offers each new class that an interruption left unsaved in the state folder.
    void ReprendreNouvellesClasses();
    void MettreAJourMenuRecents();
    void MettreAJourMenuFichier();
    void MettreAJourMenuFenetre(bool enFermeture);
    // The period panel; `classe` null empties it.
    void AfficherPeriode(const TClasse* classe, int periode);
    void DesactiverBoutons();
    void FermerTous();
    // Passes a change of some class to every statistics window, the last opened first.
    void NotifierStatistiques(int code, int periode, int item, int eleve);

    TChild* FeuilleActive() const;
    QList<TChild*> Feuilles() const;
    ZoneClients* Zone() const { return zone_; }
    QString TexteV2() const { return v2_->text(); }
    QString TexteV3() const { return v3_->text(); }
    int LargeurV1() const;
    QAction* Action(const QString& nom) const;
    QToolButton* Bouton(const QString& nom) const;

    // Ends the program at once, without the closing steps; tests replace it.
    std::function<void()> Terminer;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void creerMenus();
    // A sheet's window in the area, its signals followed.
    void installerFeuille(TChild* feuille);
    void creerPanneau();
    QToolButton* bouton(const char* nom, const QString& aide, const QIcon& icone,
                        const QString& texte, void (TMDI::*action)());
    void activation(QMdiSubWindow* fenetre);
    // What the active sheet turns on: its menus, its period, the buttons it enables.
    void activerFeuille(TChild* feuille);
    void afficherMenusFeuille(TChild* feuille);
    void activerStatistique(FenetreStatistique* fenetre);
    void periodeStatistique();
    void fermerStatistiques(const TClasse* classe);
    void suivreFeuille();
    void afficherBoutonsApercu(bool apercu);
    void afficherAide(const QString& aide);
    void remplirMenuFenetre();
    void arrangerIcones();
    // A new window: its whole sheet in sight when the area allows, never outside it.
    void placer(QMdiSubWindow* fenetre, QMdiSubWindow* avant);
    static int pasCascade(QMdiSubWindow* fenetre);
    void cascade();

    // Speed-button and menu commands.
    void sauver();
    void imprimerAvecDialogue();
    void fermerActive();
    void nouveauDevoir();
    void ouvrirGraphiques();
    void fenetreSuivante();
    void matiereSuivante();
    void periodeSuivante();
    void basculerApercu();
    void defilementH();
    void defilementV();
    void zoomPlus();
    void zoomMoins();
    void ouvrir();
    // Where a new class is put until the teacher names it.
    QString dossierClasses() const;
    void ouvrirRecent(int i);
    void options();

    QString fichierOptions_;
    char separateur_;
    ZoneClients* zone_ = nullptr;
    QMenu* menuFichier_ = nullptr;
    QMenu* menuFenetre_ = nullptr;
    QMenu* menuOutils_ = nullptr;
    QAction* separateurFenetre_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, QToolButton*> boutons_;
    QWidget* v1_ = nullptr;
    QLabel* v2_ = nullptr;
    QLabel* v3_ = nullptr;
    QTimer* timer1_ = nullptr;
    QPointer<TChild> feuilleActive_;
    // Guarded: a closed sheet takes its menus with it.
    QList<QPointer<QAction>> menusFeuille_;
};

} // namespace quillora
