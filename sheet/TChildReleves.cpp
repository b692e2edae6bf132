// The students' grade reports: the choice of students and period, then their preview, from
// which they are printed or saved as one PDF file.
#include <QApplication>

#include "ApercuReleves.h"
#include "Dialogues.h"
#include "TChild.h"
#include "TDialReleves.h"

namespace quillora {

void TChild::MenuReleves() {
    // A grade still being typed would be missing from the reports.
    if (!VerifierSaisieFinie()) return;
    TDialReleves choix(Classe, this);
    if (dialogues().executer(choix) != QDialog::Accepted) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<Releve> releves = CalculerReleves(Classe, choix.Choix());
    QApplication::restoreOverrideCursor();
    if (releves.empty()) return;
    ApercuReleves apercu(std::move(releves), QString::fromStdString(Classe.NomFichier), this);
    dialogues().executer(apercu);
}

} // namespace quillora
