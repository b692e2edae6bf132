// The class journal seen from its window: every step recorded as it closes, the save marks,
// what opening a class finds after an interruption, and the change-log window.
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

#include "ConversionsQt.h"
#include "Dialogues.h"
#include "JournalTexte.h"
#include "LargeurNom.h"
#include "Plateforme.h"
#include "TChild.h"
#include "TDialJournal.h"

namespace quillora {

namespace {

std::string dossierEtat() {
    return plateforme().dossierEtat().toStdString();
}

QString nomFichier(const std::string& chemin) {
    return QFileInfo(QString::fromStdString(chemin)).fileName();
}

bool existe(const std::string& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0;
}

// The name a recovered step takes in the undo menu: "Annuler l'annulation de la saisie...".
std::string nomRepris(const EnregistrementJournal& e) {
    if (e.etape == GenreEtape::Modification) return e.nom;
    std::string t = ActionEtape(e.etape, e.nom);
    if (e.etape == GenreEtape::Annulation) return "l'a" + t.substr(1);
    return "le r" + t.substr(1);
}

} // namespace

void TChild::preparerJournal() {
    journalLu_.reset();
    cheminJournal_.clear();
    etapesJournal_ = 0;
    const std::string etat = dossierEtat();
    const std::string trouve = TrouverJournal(Classe.NomFichier, etat);
    if (trouve.empty()) return;
    journalLu_ = PreparerJournal(trouve, nomFichier(Classe.NomFichier).toStdString());
    cheminJournal_ =
        journalLu_->chemin.empty() ? JournalDansEtat(Classe.NomFichier, etat) : journalLu_->chemin;
}

void TChild::ReprendreJournal() {
    if (!journalLu_) return;
    const JournalPrepare p = std::move(*journalLu_);
    journalLu_.reset();
    for (const std::string& m : p.messages)
        dialogues().avertissement(this, titreAvertissement(), QString::fromStdString(m));
    const QString nom = nomFichier(Classe.NomFichier);
    if (p.occupe) {
        sansJournal_ = true;
        dialogues().avertissement(
            this, titreAvertissement(),
            QStringLiteral("Le journal des modifications de ") + nom +
                QStringLiteral(" est tenu par un autre programme Quillora, où cette classe est "
                               "sans doute ouverte : les modifications faites dans cette "
                               "fenêtre ne seront pas journalisées."));
        return;
    }
    const EtatReprise r = AnalyserReprise(p.lecture);
    if (r.marque == EtatReprise::Aucune) return;
    if (r.somme != sommeFichier_ || r.nouvelle) {
        // A file restored from a copy, changed elsewhere, or another class's journal: what
        // follows the mark does not apply to it.
        if (!r.etapes.empty())
            dialogues().information(
                this, titreInformation(),
                QString::fromStdString(MessageFichierDifferent(nom.toStdString(), p.lecture, r)));
        journalMiseDeCote(RaisonMiseDeCote::FichierDifferent);
        return;
    }
    if (r.etapes.empty()) return;
    etapesJournal_ = r.etapes.size();
    const QString question =
        QString::fromStdString(QuestionReprise(nom.toStdString(), p.lecture, r));
    if (dialogues().question(this, titreConfirmation(), question,
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        journalMiseDeCote(RaisonMiseDeCote::Refus);
        return;
    }
    const std::size_t faites = recuperer(p.lecture, r.etapes);
    if (faites == r.etapes.size()) {
        EnregistrementJournal reprise;
        reprise.genre = GenreEnregistrement::Reprise;
        reprise.quand = Maintenant();
        journalAjouter(std::move(reprise));
    } else {
        // The steps that did not fit are set aside; those recovered become this session's.
        journalMiseDeCote(RaisonMiseDeCote::Refus);
        for (std::size_t k = 0; k < faites; ++k)
            journalAjouter(p.lecture.enregistrements[r.etapes[k]]);
        etapesJournal_ = faites;
        dialogues().avertissement(
            this, titreAvertissement(),
            QStringLiteral("%1 des modifications n'ont pas pu être récupérées : elles ne "
                           "s'appliquent pas à ce fichier. Elles restent dans le journal des "
                           "modifications.")
                .arg(r.etapes.size() - faites));
    }
}

std::size_t TChild::recuperer(const LectureJournal& l, const std::vector<std::size_t>& etapes) {
    std::size_t faites = 0;
    for (std::size_t i : etapes) {
        const EnregistrementJournal& e = l.enregistrements[i];
        Historique::Contexte c = e.contexte;
        c.matiere = Classe.MatiereCourante;
        c.periode = Classe.PeriodeCourante;
        historique_.Debut(Classe, nomRepris(e), c);
        if (!AppliquerEtape(Classe, e)) {
            historique_.Abandon();
            break;
        }
        historique_.Fin(Classe);
        ++faites;
    }
    if (faites == 0) return 0;
    LargeurNom = CalculerLargeurNom(Classe);
    TexteMenus();
    TexteMatieres();
    cocherVue();
    majMenusHistorique();
    Modifie = !historique_.EstSauve();
    setWindowModified(Modifie);
    Rafraichir();
    emit periodeChangee();
    emit notification(1, 0, 0, 0);
    emit etatChange();
    return faites;
}

bool TChild::RecupererNouvelleClasse(const std::string& journal, QWidget* parent) {
    JournalPrepare p = PreparerJournal(journal, "la nouvelle classe");
    for (const std::string& m : p.messages)
        dialogues().avertissement(parent, titreAvertissement(), QString::fromStdString(m));
    const EtatReprise r = AnalyserReprise(p.lecture);
    if (p.occupe || !r.nouvelle || p.chemin.empty()) return false;
    const EnregistrementJournal& creation = p.lecture.enregistrements[r.marque];
    cheminJournal_ = p.chemin;
    Classe.NomFichier = creation.chemin;
    const QString question = QString::fromStdString(
        QuestionReprise(nomFichier(creation.chemin).toStdString(), p.lecture, r));
    if (dialogues().question(parent, titreConfirmation(), question,
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        journalMiseDeCote(RaisonMiseDeCote::Refus);
        return false;
    }
    if (!Classe.ChargerOctets(creation.image.data(), creation.image.size(), creation.chemin))
        return false;
    Classe.NomFichier = creation.chemin;
    NouveauFichier = true;
    cocherVue();
    TexteMatieres();
    historique_.MarquerJamaisSauve();
    preparerVue();
    recuperer(p.lecture, r.etapes);
    Modifie = true;
    setWindowModified(true);
    EnregistrementJournal reprise;
    reprise.genre = GenreEnregistrement::Reprise;
    reprise.quand = Maintenant();
    journalAjouter(std::move(reprise));
    etapesJournal_ = r.etapes.size() + 1;
    return true;
}

void TChild::journaliser(GenreEtape genre, const Historique::Etape& etape) {
    EnregistrementJournal e;
    e.quand = Maintenant();
    e.etape = genre;
    e.nom = etape.nom;
    e.contexte = etape.contexte;
    e.morceaux =
        genre == GenreEtape::Annulation ? MorceauxInverses(etape.morceaux) : etape.morceaux;
    e.lignes = LignesEtape(Classe, e.morceaux);
    ++etapesJournal_;
    journalAjouter(std::move(e));
}

void TChild::journalAjouter(EnregistrementJournal e) {
    // A window without a file (tests, benchmarks) keeps no journal.
    if (sansJournal_ || Classe.NomFichier.empty()) return;
    if (!journal_) journal_ = std::make_unique<Journal>();
    if (!journal_->Ouvert()) {
        // Steps an opening left undecided (the window was never asked) are set aside first.
        journalLu_.reset();
        const std::string etat = dossierEtat();
        if (cheminJournal_.empty()) cheminJournal_ = JournalPour(Classe.NomFichier, etat);
        std::string raison;
        bool ouvert = false;
        for (int essai = 0; essai < 2 && !ouvert; ++essai) {
            if (essai == 1) {
                const std::string repli = JournalDansEtat(Classe.NomFichier, etat);
                if (repli == cheminJournal_) break;
                cheminJournal_ = repli;
            }
            const std::string dossier =
                QFileInfo(QString::fromStdString(cheminJournal_)).absolutePath().toStdString();
            if (cheminJournal_.rfind(etat, 0) == 0) CreerDossiers(dossier);
            const bool nouveau = !existe(cheminJournal_);
            bool occupe = false;
            ouvert = journal_->Ouvrir(cheminJournal_, raison, &occupe);
            if (occupe) break;
            if (ouvert && nouveau && e.genre != GenreEnregistrement::Creation) {
                EnregistrementJournal creation;
                creation.genre = GenreEnregistrement::Creation;
                creation.quand = Maintenant();
                creation.somme = sommeFichier_;
                creation.chemin = Classe.NomFichier;
                journal_->Ajouter(std::move(creation));
            }
        }
        if (!ouvert) {
            sansJournal_ = true;
            dialogues().avertissement(
                this, titreAvertissement(),
                QStringLiteral("Le journal des modifications de ") + nomFichier(Classe.NomFichier) +
                    QStringLiteral(" ne peut pas être écrit : les modifications ne seront pas "
                                   "journalisées. ") +
                    QString::fromStdString(raison));
            return;
        }
    }
    journal_->Ajouter(std::move(e));
}

void TChild::journalSauvegarde() {
    sommeFichier_ = SommeImage(Classe);
    etapesJournal_ = 0;
    if (sansJournal_ || Classe.NomFichier.empty()) return;
    const std::string etat = dossierEtat();
    const std::string voulu = JournalPour(Classe.NomFichier, etat);
    if (journal_ && journal_->Ouvert()) {
        if (journal_->Chemin() != voulu) {
            // A new class's journal goes with its first save; a class saved under another
            // name takes a copy of its history and leaves the old file its own.
            const bool copier = journal_->Chemin().rfind(DossierNouvelles(etat), 0) != 0;
            std::string raison;
            if (!journal_->Deplacer(voulu, copier, raison))
                dialogues().avertissement(
                    this, titreAvertissement(),
                    QStringLiteral("Le journal des modifications n'a pas pu être placé à côté "
                                   "de ") +
                        nomFichier(Classe.NomFichier) + QStringLiteral(" : il reste dans « ") +
                        QString::fromStdString(journal_->Chemin()) + QStringLiteral(" ». ") +
                        QString::fromStdString(raison));
            cheminJournal_ = journal_->Chemin();
        }
    } else {
        // Saved under another name: a journal already there is another file's history.
        if (cheminJournal_ != voulu && existe(voulu)) MettreJournalDeCote(voulu, "ancien");
        cheminJournal_ = voulu;
        // No journal yet: the first step starts one from this file.
        if (!existe(voulu)) return;
    }
    EnregistrementJournal e;
    e.genre = GenreEnregistrement::Sauvegarde;
    e.quand = Maintenant();
    e.somme = sommeFichier_;
    e.chemin = Classe.NomFichier;
    journalAjouter(std::move(e));
    if (const std::string erreur = journal_ ? journal_->Erreur() : std::string(); !erreur.empty())
        dialogues().avertissement(this, titreAvertissement(), QString::fromStdString(erreur));
}

void TChild::journalMiseDeCote(RaisonMiseDeCote raison) {
    EnregistrementJournal e;
    e.genre = GenreEnregistrement::MiseDeCote;
    e.quand = Maintenant();
    e.somme = sommeFichier_;
    e.raison = raison;
    etapesJournal_ = 0;
    journalAjouter(std::move(e));
}

void TChild::journalEfface() {
    const std::string chemin = FichierJournal();
    if (journal_) journal_->Fermer();
    // The class is gone from the disk at the teacher's word: its grades go with it.
    if (!chemin.empty()) ::unlink(chemin.c_str());
    sansJournal_ = true;
}

std::string TChild::FichierJournal() {
    if (journal_ && journal_->Ouvert()) {
        journal_->Attendre();
        return journal_->Chemin();
    }
    if (!cheminJournal_.empty() && existe(cheminJournal_)) return cheminJournal_;
    return Classe.NomFichier.empty() ? std::string()
                                     : TrouverJournal(Classe.NomFichier, dossierEtat());
}

void TChild::AfficherJournal() {
    const std::string chemin = FichierJournal();
    const LectureJournal l = chemin.empty() ? LectureJournal{} : LireJournal(chemin);
    const QFileInfo f(QString::fromStdString(Classe.NomFichier));
    TDialJournal d(EntreesJournal(l), f.fileName(),
                   f.path() + QLatin1Char('/') + f.completeBaseName() +
                       QStringLiteral("-journal.pdf"),
                   Classe.NomFichier, this);
    dialogues().executer(d);
}

} // namespace quillora
