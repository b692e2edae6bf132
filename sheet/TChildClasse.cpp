// The "Classe" menu: the students of the class and its own settings, and the new class.
#include <QDialog>

#include "Dialogues.h"
#include "LargeurNom.h"
#include "Options.h"
#include "Plateforme.h"
#include "TChild.h"
#include "TDial01.h"
#include "TDial04.h"
#include "TDial05.h"
#include "TDial07.h"
#include "TDial08.h"
#include "TDial13.h"
#include "TDialImportListe.h"

namespace quillora {

void TChild::creerMenusClasse() {
    menuClasse_ = new QMenu(QStringLiteral("&Classe"), this);
    menuClasse_->setObjectName(QStringLiteral("MClasse"));
    auto action = [this](const char* nom, const QString& texte, const QString& aide,
                         void (TChild::*commande)()) {
        QAction* a = menuClasse_->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        a->setStatusTip(aide);
        connect(a, &QAction::triggered, this, commande);
        return a;
    };
    M25 =
        action("M25", QStringLiteral("&Ajouter un élève..."),
               QStringLiteral("Ajouter un élève à la fin de la liste"), &TChild::MenuAjouterEleve);
    M27 = action("M27", QStringLiteral("&Insérer un élève..."),
                 QStringLiteral("Insérer un élève avant un autre"), &TChild::MenuInsererEleve);
    M26 = action("M26", QStringLiteral("&Supprimer un élève..."),
                 QStringLiteral("Supprimer un élève et toutes ses notes"),
                 &TChild::MenuSupprimerEleve);
    action("M28", QStringLiteral("&Modifier le nom d'un élève..."),
           QStringLiteral("Corriger le nom, le prénom ou la date de naissance d'un élève"),
           &TChild::MenuModifierEleve);
    action("MImporterListe", QStringLiteral("Importer une &liste d'élèves..."),
           QStringLiteral("Ajouter les élèves d'une liste venue d'un fichier ou d'un tableur"),
           &TChild::MenuImporterListe);
    menuClasse_->addSeparator();
    action("M29", QStringLiteral("M&odifier les paramètres de la classe"),
           QStringLiteral("Abréviation, division de l'année, professeur, arrondi des moyennes"),
           &TChild::MenuParametresClasse);
    menuClasse_->addSeparator();
    action("MTrier", QStringLiteral("&Trier par ordre alphabétique"),
           QStringLiteral("Trier les élèves par nom"), &TChild::MenuTrierEleves);
}

void TChild::menusClasseAJour() {
    M25->setEnabled(Classe.NbEleve < MaxEleves);
    M27->setEnabled(Classe.NbEleve < MaxEleves);
    M26->setEnabled(Classe.NbEleve != 1);
}

bool TChild::NouvelleClasse(const QString& dossier, QWidget* parent, bool depuisListe) {
    if (depuisListe) {
        TDialImportListe d(Classe, Options.majuscule, true, parent);
        if (dialogues().executer(d) != QDialog::Accepted) return false;
        // Only new students can come into an empty class.
        if (AppliquerImport(Classe, d.Lignes(), Options.majuscule).ajoutes == 0) return false;
    } else {
        TDial01 d(Classe, parent);
        if (dialogues().executer(d) != QDialog::Accepted) return false;
    }
    NouveauFichier = true;
    QString chemin = dossier;
    if (!chemin.endsWith(QLatin1Char('/'))) chemin += QLatin1Char('/');
    Classe.NomFichier = (chemin + QStringLiteral("Classe.cl3")).toStdString();
    cocherVue();
    TexteMatieres();
    Classe.DefautsNouvelleClasse();
    MarquerModifie();
    // Undoing every change must not make the class look saved: it is in no file yet.
    historique_.MarquerJamaisSauve();
    preparerVue();
    // Until its first save the class journals in the state folder, its whole record first.
    cheminJournal_ = JournalNouvelleClasse(plateforme().dossierEtat().toStdString());
    EnregistrementJournal creation;
    creation.genre = GenreEnregistrement::Creation;
    creation.quand = Maintenant();
    creation.chemin = Classe.NomFichier;
    const auto* octets = reinterpret_cast<const unsigned char*>(&Classe.Image());
    creation.image.assign(octets, octets + TailleFichierClasse);
    journalAjouter(std::move(creation));
    return true;
}

void TChild::elevesChanges() {
    // The rows have moved under the cursor's mark.
    effacerCurseur();
    LargeurNom = CalculerLargeurNom(Classe);
    Rafraichir();
    MarquerModifie();
    emit notification(1, 0, 0, 0);
}

namespace {
template <typename Dialogue> bool executer(TClasse& c, QWidget* parent) {
    Dialogue d(c, parent);
    return dialogues().executer(d) == QDialog::Accepted;
}
} // namespace

void TChild::MenuAjouterEleve() {
    if (!VerifierSaisieFinie()) return;
    const auto etape = Etape(QStringLiteral("l'ajout d'un élève"), 1);
    if (executer<TDial13>(Classe, this)) elevesChanges();
}

void TChild::MenuInsererEleve() {
    if (!VerifierSaisieFinie()) return;
    const auto etape = Etape(QStringLiteral("l'insertion d'un élève"), 1);
    if (executer<TDial07>(Classe, this)) elevesChanges();
}

void TChild::MenuSupprimerEleve() {
    if (!VerifierSaisieFinie()) return;
    const auto etape = Etape(QStringLiteral("la suppression d'un élève"), 1);
    if (executer<TDial04>(Classe, this)) elevesChanges();
}

void TChild::MenuModifierEleve() {
    if (!VerifierSaisieFinie()) return;
    // The dialog stores each student as it leaves him: all of them are one step.
    const auto etape = Etape(QStringLiteral("la modification des élèves"), 1);
    if (executer<TDial08>(Classe, this)) elevesChanges();
}

void TChild::MenuParametresClasse() {
    if (!VerifierSaisieFinie()) return;
    const int periodes = Classe.NbPeriode;
    const auto etape = Etape(QStringLiteral("la modification des paramètres de la classe"), 5);
    TDial05 d(Classe, this);
    d.MontrerConsequences(Classe.MatiereCourante, Classe.PeriodeCourante);
    if (dialogues().executer(d) != QDialog::Accepted) return;
    // The view first, so that redoing the step shows the one it left.
    if (Classe.NbPeriode != periodes) {
        TexteMenus();
        ChangerTrimestre(1);
    }
    Rafraichir();
    MarquerModifie();
    emit notification(5, 0, 0, 0);
}

void TChild::MenuImporterListe() {
    if (!VerifierSaisieFinie()) return;
    const auto etape = Etape(QStringLiteral("l'importation de la liste des élèves"), 1);
    TDialImportListe d(Classe, Options.majuscule, false, this);
    if (dialogues().executer(d) != QDialog::Accepted) return;
    const BilanImport b = AppliquerImport(Classe, d.Lignes(), Options.majuscule);
    if (b.ajoutes + b.completes > 0) elevesChanges();
}

void TChild::MenuTrierEleves() {
    // A grade being typed would be stored into whichever student the sort put on its row.
    if (!VerifierSaisieFinie()) return;
    const auto etape = Etape(QStringLiteral("le tri des élèves"), 1);
    Classe.TrierEleves();
    effacerCurseur();
    MarquerModifie();
    Rafraichir();
    emit notification(1, 0, 0, 0);
}

} // namespace quillora
