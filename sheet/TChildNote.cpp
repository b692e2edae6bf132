// The "Note" menu: the assignments of the subject and period shown are added, inserted,
// changed and deleted, and a period's or the year's grades cleared.
#include <memory>

#include "ConversionsQt.h"
#include "CurseurFeuille.h"
#include "Devoirs.h"
#include "Dialogues.h"
#include "PressePapier.h"
#include "TChild.h"
#include "TDial02.h"
#include "TDial06.h"
#include "TDial16.h"

namespace quillora {

namespace {

bool Oui(QWidget* parent, const QString& texte) {
    return dialogues().question(parent, titreConfirmation(), texte,
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

void TChild::creerMenuNote() {
    menuNote_ = new QMenu(QStringLiteral("&Note"), this);
    menuNote_->setObjectName(QStringLiteral("MNote"));
    struct Entree {
        int i;
        const char* nom;
        const char* texte;
        const char* aide;
        void (TChild::*commande)();
    };
    // M33's text and hint follow the class's division into periods (TexteMenus).
    const Entree entrees[] = {
        {0, "M30", "&Ajouter un nouveau devoir...", "Ajouter un devoir après le dernier",
         &TChild::AjouterDevoir},
        {5, "M35", "&Insérer un nouveau devoir...", "Insérer un devoir avant un autre",
         &TChild::InsererDevoir},
        {1, "M31", "&Modifier les informations d'un devoir...",
         "Modifier la date, la durée, le coefficient ou le commentaire d'un devoir",
         &TChild::ModifierDevoir},
        {2, "M32", "&Supprimer un devoir...", "Supprimer un devoir et ses notes",
         &TChild::SupprimerDevoir},
        {3, "M33", "", "", &TChild::ViderPeriode},
        {4, "M34", "Su&pprimer les notes de l'année",
         "Supprimer TOUTES les notes de l'année dans cette matière", &TChild::ViderAnnee},
    };
    for (const Entree& e : entrees) {
        if (e.i == 3) menuNote_->addSeparator();
        QAction* a = menuNote_->addAction(QString::fromUtf8(e.texte));
        a->setObjectName(QLatin1String(e.nom));
        a->setStatusTip(QString::fromUtf8(e.aide));
        connect(a, &QAction::triggered, this, e.commande);
        mNote_[e.i] = a;
    }
    mNote_[3]->setText(QStringLiteral("S&upprimer les notes du ") + MotPeriode());
}

void TChild::menusDevoirsAJour() {
    const bool v = VueMatiere();
    const int s = Classe.MatiereCourante;
    const int nd = v ? Classe.NbDevoir[s][Classe.PeriodeCourante] : Classe.NbDevoirTotal();
    const bool m30 = v && nd != MaxDevoirs;
    const bool m62 = m30 && PressePapier().Rempli;
    mNote_[0]->setEnabled(m30);
    for (QAction* a : {mNote_[1], mNote_[2], mNote_[3], mEdition_[0], mEdition_[1]})
        a->setEnabled(v && nd != 0);
    mNote_[4]->setEnabled(v && Classe.NbDevoirAnnee(s) > 0);
    mNote_[5]->setEnabled(m30 && nd != 0);
    mEdition_[2]->setEnabled(m62);
    mEdition_[3]->setEnabled(m62 && nd != 0);
}

// The statistics windows hear code 2: the assignments of the period shown changed.
void TChild::devoirsChanges() {
    // The cursor may stand on an assignment that is gone.
    if (marque_ && !CelluleValide(Classe, *marque_)) marque_.reset();
    Rafraichir();
    MarquerModifie();
    emit notification(2, Classe.PeriodeCourante, 0, 0);
}

int TChild::ChoisirDevoir(int but) {
    TDial16 d(Classe, static_cast<TDial16::But>(but), this);
    if (dialogues().executer(d) != QDialog::Accepted) return static_cast<int>(NonCalculable);
    return d.Choix();
}

void TChild::AjouterDevoir() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    const int n = Classe.NbDevoir[Classe.MatiereCourante][Classe.PeriodeCourante];
    if (n >= MaxDevoirs) return;
    const auto etape =
        Etape(QStringLiteral("l'ajout du devoir %1").arg(n + 1), 2, Classe.PeriodeCourante);
    // Cancelled, the dialog may have written part of the slot: the class goes back to what
    // it was, byte for byte.
    const auto avant = std::make_unique<ImageClasse>(Classe.Image());
    TDial02 d(Classe, QStringLiteral("Ajouter"), n + 1, this);
    d.MontrerConsequences(*avant, Classe.MatiereCourante, Classe.PeriodeCourante);
    if (dialogues().executer(d) != QDialog::Accepted) {
        Classe.Image() = *avant;
        return;
    }
    devoirsChanges();
}

void TChild::InsererDevoir() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    const int s = Classe.MatiereCourante, p = Classe.PeriodeCourante;
    if (Classe.NbDevoir[s][p] >= MaxDevoirs) return;
    const int a = ChoisirDevoir(TDial16::InsererNouveau);
    if (a == NonCalculable) return;
    const auto etape = Etape(QStringLiteral("l'insertion du devoir %1").arg(a), 2, p);
    const auto avant = std::make_unique<ImageClasse>(Classe.Image());
    if (!quillora::InsererDevoirVide(Classe, s, p, a)) return;
    TDial02 d(Classe, QStringLiteral("Insérer"), a, this);
    d.MontrerConsequences(*avant, s, p);
    if (dialogues().executer(d) != QDialog::Accepted) {
        Classe.Image() = *avant;
        return;
    }
    devoirsChanges();
}

void TChild::ModifierDevoir() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    if (Classe.NbDevoir[Classe.MatiereCourante][Classe.PeriodeCourante] == 0) return;
    const auto etape =
        Etape(QStringLiteral("la modification d'un devoir"), 2, Classe.PeriodeCourante);
    TDial06 d(Classe, this);
    d.MontrerConsequences(Classe.MatiereCourante, Classe.PeriodeCourante);
    if (dialogues().executer(d) != QDialog::Accepted) return;
    devoirsChanges();
}

void TChild::SupprimerDevoir() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    const int s = Classe.MatiereCourante, p = Classe.PeriodeCourante;
    const int a = ChoisirDevoir(TDial16::Supprimer);
    if (a == NonCalculable) return;
    if (!Oui(this, QStringLiteral("Supprimer définitivement le devoir n° ") + QString::number(a) +
                       QStringLiteral(" (") + texteQt(Classe.Devoir[s][p][a].Commentaire) +
                       QStringLiteral(") ?")))
        return;
    const auto etape = Etape(QStringLiteral("la suppression du devoir %1").arg(a), 2, p);
    if (!quillora::SupprimerDevoir(Classe, s, p, a)) return;
    devoirsChanges();
}

void TChild::ViderPeriode() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    const int s = Classe.MatiereCourante, p = Classe.PeriodeCourante;
    static const char* const rang[] = {"premier ", "second ", "troisième "};
    if (!Oui(this, QStringLiteral("Supprimer définitivement toutes les notes du ") +
                       QString::fromUtf8(rang[p - 1]) + MotPeriode() + QStringLiteral(" ,en ") +
                       texteQt(Classe.Matiere[s].Nom) + QStringLiteral(" ?")))
        return;
    const auto etape = Etape(QStringLiteral("la suppression des notes du ") +
                                 MotPeriode().toLower() + QLatin1Char(' ') + QString::number(p),
                             2, p);
    quillora::ViderPeriode(Classe, s, p);
    devoirsChanges();
}

void TChild::ViderAnnee() {
    if (!VueMatiere() || !VerifierSaisieFinie()) return;
    const int s = Classe.MatiereCourante;
    if (!Oui(this, QStringLiteral("Supprimer définitivement TOUTES les notes de l'année scolaire, "
                                  "en ") +
                       texteQt(Classe.Matiere[s].Nom) + QStringLiteral(" ?")))
        return;
    const auto etape =
        Etape(QStringLiteral("la suppression des notes de l'année"), 2, Classe.PeriodeCourante);
    quillora::ViderAnnee(Classe, s);
    devoirsChanges();
}

} // namespace quillora
