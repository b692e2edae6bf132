// The "Edition" menu's assignment clipboard: an assignment is copied or cut from one class
// window and pasted into any, this one or another class.
#include "Devoirs.h"
#include "Dialogues.h"
#include "PressePapier.h"
#include "TChild.h"
#include "TDial16.h"

namespace quillora {

namespace {

// Pastes at `a`, telling first when the grades will not meet the same students.
bool Coller(QWidget* parent, TClasse& c, int a) {
    const TPressePapier& pp = PressePapier();
    if (pp.NbEleve != c.NbEleve)
        dialogues().avertissement(parent, titreAvertissement(),
                                  QStringLiteral("Le nombre d'élève n'est pas identique !"));
    return CollerDevoir(c, c.MatiereCourante, c.PeriodeCourante, a, pp);
}

} // namespace

void TChild::creerMenuEditionDevoirs() {
    struct Entree {
        const char* nom;
        const char* texte;
        const char* aide;
        void (TChild::*commande)();
    };
    const Entree entrees[] = {
        {"M60", "Co&pier un devoir...", "Garder une copie d'un devoir", &TChild::CopierDevoir},
        {"M61", "&Couper un devoir...", "Garder une copie d'un devoir et le supprimer",
         &TChild::CouperDevoir},
        {"M62", "&Ajouter le devoir copié", "Ajouter le devoir copié après le dernier",
         &TChild::AjouterDevoirCopie},
        {"M63", "&Insérer le devoir copié...", "Insérer le devoir copié avant un autre",
         &TChild::InsererDevoirCopie},
    };
    for (std::size_t i = 0; i < std::size(entrees); ++i) {
        QAction* a = menuEdition_->addAction(QString::fromUtf8(entrees[i].texte));
        a->setObjectName(QLatin1String(entrees[i].nom));
        a->setStatusTip(QString::fromUtf8(entrees[i].aide));
        connect(a, &QAction::triggered, this, entrees[i].commande);
        mEdition_[i] = a;
    }
    menuEdition_->addSeparator();
}

void TChild::CopierDevoir() {
    if (!VueMatiere()) return;
    const int a = ChoisirDevoir(TDial16::Copier);
    if (a == NonCalculable) return;
    quillora::CopierDevoir(Classe, Classe.MatiereCourante, Classe.PeriodeCourante, a,
                           PressePapier());
    MettreAJourMenus();
}

void TChild::CouperDevoir() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    const int a = ChoisirDevoir(TDial16::Couper);
    if (a == NonCalculable) return;
    const int s = Classe.MatiereCourante, p = Classe.PeriodeCourante;
    const auto etape = Etape(QStringLiteral("la coupe du devoir %1").arg(a), 2, p);
    quillora::CopierDevoir(Classe, s, p, a, PressePapier());
    if (!quillora::SupprimerDevoir(Classe, s, p, a)) return;
    devoirsChanges();
}

void TChild::AjouterDevoirCopie() {
    if (!VueMatiere() || !PressePapier().Rempli || !VerifierSaisieFinie()) return;
    const int n = Classe.NbDevoir[Classe.MatiereCourante][Classe.PeriodeCourante];
    if (n >= MaxDevoirs) return;
    const auto etape = Etape(QStringLiteral("l'ajout du devoir copié"), 2, Classe.PeriodeCourante);
    if (!Coller(this, Classe, n + 1)) return;
    devoirsChanges();
}

void TChild::InsererDevoirCopie() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    const int s = Classe.MatiereCourante, p = Classe.PeriodeCourante;
    const int a = ChoisirDevoir(TDial16::InsererCopie);
    if (a == NonCalculable || !PressePapier().Rempli) return;
    const auto etape = Etape(QStringLiteral("l'insertion du devoir copié"), 2, p);
    if (!quillora::InsererDevoirVide(Classe, s, p, a)) return;
    Coller(this, Classe, a);
    devoirsChanges();
}

} // namespace quillora
