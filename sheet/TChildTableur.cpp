// The class written to a spreadsheet file: the whole class as a workbook that recomputes
// its averages, or the view shown as CSV for the tools that read nothing else.
#include <QApplication>
#include <QFileInfo>

#include "Classeur.h"
#include "Csv.h"
#include "Dialogues.h"
#include "TChild.h"

namespace quillora {

void TChild::ExporterTableur() {
    // The grade being typed is not in the class yet: the file would miss it.
    if (!VerifierSaisieFinie()) return;
    const QFileInfo classe(QString::fromStdString(Classe.NomFichier));
    const QString classeur = QStringLiteral("Classeur de toute la classe (*.xlsx)");
    const QString csv =
        QStringLiteral("Tableau affiché, CSV séparé par des points-virgules (*.csv)");
    QString nom = dialogues().fichierAEnregistrer(
        this, QStringLiteral("Exporter vers un fichier tableur"),
        classe.path() + QLatin1Char('/') + classe.completeBaseName() + QStringLiteral(".xlsx"),
        classeur + QStringLiteral(";;") + csv);
    if (nom.isEmpty()) return;
    const bool enCsv =
        QFileInfo(nom).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    if (!enCsv && QFileInfo(nom).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) != 0)
        nom += QStringLiteral(".xlsx");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Resultat r =
        enCsv ? EcrireCsv(Classe, Classe.MatiereCourante, Classe.PeriodeCourante, nom.toStdString())
              : EcrireClasseur(Classe, nom.toStdString());
    QApplication::restoreOverrideCursor();
    if (!r) dialogues().erreur(this, titreErreur(), QString::fromStdString(r.erreur));
}

} // namespace quillora
