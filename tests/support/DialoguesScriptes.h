#pragma once

#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "Dialogues.h"
#include "Plateforme.h"

namespace quillora::test {

// A responder that answers dialogs from a script and records every text shown.
// Installed for its lifetime.
class DialoguesScriptes : public Dialogues {
public:
    struct Affichage {
        QString genre; // "information", "avertissement", "erreur", "question", ...
        QString titre;
        QString texte;
    };

    DialoguesScriptes() { definirDialogues(this); }
    ~DialoguesScriptes() override { definirDialogues(nullptr); }

    // Answers for the next questions, in order; Cancel once the script runs out.
    std::deque<QMessageBox::StandardButton> reponses;
    // Paths for the next file dialogs; empty (cancelled) once they run out.
    std::deque<QString> fichiers;
    // Whether the print and set-up dialogs are confirmed, and the orientation the set-up
    // dialog then chooses.
    bool impressionAcceptee = true;
    std::optional<QPageLayout::Orientation> orientation;
    std::deque<std::optional<QColor>> couleurs;
    // What the teacher does in the program's next dialogs, in order, on the dialog shown;
    // a dialog with nothing scripted is cancelled.
    std::deque<std::function<void(QDialog&)>> gestes;

    std::vector<Affichage> affiches;
    QStringList textes() const;
    int nombre(const QString& genre) const;

    void information(QWidget*, const QString& titre, const QString& texte) override {
        affiches.push_back({QStringLiteral("information"), titre, texte});
    }
    void avertissement(QWidget*, const QString& titre, const QString& texte) override {
        affiches.push_back({QStringLiteral("avertissement"), titre, texte});
    }
    void erreur(QWidget*, const QString& titre, const QString& texte) override {
        affiches.push_back({QStringLiteral("erreur"), titre, texte});
    }
    QMessageBox::StandardButton question(QWidget*, const QString& titre, const QString& texte,
                                         QMessageBox::StandardButtons) override;
    QString fichierAOuvrir(QWidget*, const QString& titre, const QString&, const QString&) override;
    QString fichierAEnregistrer(QWidget*, const QString& titre, const QString&,
                                const QString&) override;
    bool imprimer(QPrinter*, QWidget*) override;
    bool configurerImprimante(QPrinter*, QWidget*) override;
    std::optional<QColor> couleur(QWidget*, const QColor&) override;
    int executer(QDialog& dialogue) override;
};

// A platform that counts beeps, has no printer, opens nothing and answers commands
// from a script. Installed for its lifetime.
class PlateformeFactice : public Plateforme {
public:
    PlateformeFactice() { definirPlateforme(this); }
    ~PlateformeFactice() override { definirPlateforme(nullptr); }

    int bips = 0;
    bool avecImprimante = false; // an A4 printer at 300 dpi
    QStringList urlsOuvertes;
    bool navigateur = true; // whether a web address finds a browser
    QStringList fichiersEdites;
    bool editeurDisponible = true; // whether a text editor starts
    struct Commande {
        QString programme;
        QStringList arguments;
    };
    std::vector<Commande> commandes;
    // Answer of each command, by program name; a command without one fails to start.
    std::map<QString, ResultatCommande> reponses;
    QString programme = QStringLiteral("/opt/quillora/bin/quillora");
    // Private folders, so that nothing reaches the real user's desktop files.
    QTemporaryDir bac;
    QString configuration = bac.path() + QStringLiteral("/config/quillora");
    QString documents = bac.path() + QStringLiteral("/Documents");
    QString etat = bac.path() + QStringLiteral("/state/quillora");
    QStringList donnees = {bac.path() + QStringLiteral("/local/share"),
                           bac.path() + QStringLiteral("/usr/share")};

    void bip() override { ++bips; }
    bool imprimanteInstallee() override { return avecImprimante; }
    MesuresImprimante mesurerImprimante(const QPrinter& p) override {
        return avecImprimante ? MesuresImprimante{} : MesuresSansImprimante(p.pageLayout());
    }
    int resolutionEcran() override { return 96; }
    bool ouvrirUrl(const QUrl& url) override {
        urlsOuvertes << url.toString();
        return navigateur || url.isLocalFile();
    }
    bool ouvrirEditeur(const QString& fichier) override {
        fichiersEdites << fichier;
        return editeurDisponible;
    }
    ResultatCommande executer(const QString& programme, const QStringList& arguments) override;
    QString cheminProgramme() override { return programme; }
    QString dossierConfiguration() override { return configuration; }
    QString dossierDocuments() override { return documents; }
    QString dossierEtat() override { return etat; }
    QStringList dossiersDonnees() override { return donnees; }
};

} // namespace quillora::test
