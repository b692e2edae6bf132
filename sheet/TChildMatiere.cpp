// The "Matière" menu: the subjects' coefficients, their number and their names.
#include <QDialog>

#include "Dialogues.h"
#include "TChild.h"
#include "TDial14.h"
#include "TDial15.h"

namespace quillora {

void TChild::creerMenuMatiere() {
    menuMatiere_ = new QMenu(QStringLiteral("&Matière"), this);
    menuMatiere_->setObjectName(QStringLiteral("MMatiere"));
    QAction* coefs = menuMatiere_->addAction(QStringLiteral("&Changer les coefficients..."));
    coefs->setObjectName(QStringLiteral("MCoefficients"));
    coefs->setStatusTip(QStringLiteral("Changer les coefficients des matières par période"));
    connect(coefs, &QAction::triggered, this, &TChild::MenuCoefficients);
    QAction* noms = menuMatiere_->addAction(QStringLiteral("C&hanger le nombre et le nom..."));
    noms->setObjectName(QStringLiteral("MMatieres"));
    noms->setStatusTip(QStringLiteral("Changer le nombre et le nom des matières"));
    connect(noms, &QAction::triggered, this, &TChild::MenuMatieres);
}

void TChild::MenuCoefficients() {
    // An entry still open would close its own step under this command's name.
    if (!VerifierSaisieFinie()) return;
    const int p = Classe.PeriodeCourante, s = Classe.MatiereCourante;
    const auto etape = Etape(QStringLiteral("la modification des coefficients"), 7, p, s);
    TDial14 d(Classe, this);
    d.MontrerConsequences(s, p);
    if (dialogues().executer(d) != QDialog::Accepted) return;
    Rafraichir();
    MarquerModifie();
    emit notification(7, p, s, 0);
}

void TChild::MenuMatieres() {
    if (!VerifierSaisieFinie()) return;
    const int p = Classe.PeriodeCourante, s = Classe.MatiereCourante;
    const auto etape = Etape(QStringLiteral("la modification des matières"), 7, p, s);
    TDial15 d(Classe, this);
    if (dialogues().executer(d) != QDialog::Accepted) return;
    TexteMatieres();
    // A subject taken out of use would stay on screen with its menu item hidden; changed
    // before the step ends, so that redoing it shows the same view.
    if (Classe.MatiereCourante != 4 && Classe.MatiereCourante > Classe.NbMatiere) ChangerMatiere(1);
    Rafraichir();
    MarquerModifie();
    emit notification(7, p, s, 0);
}

} // namespace quillora
