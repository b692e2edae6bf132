// The class written to a spreadsheet file: the whole class as a workbook that recomputes
// its averages, or the view shown as CSV for the tools that read nothing else.
#include <QApplication>
#include <QFileInfo>

#include "Csv.h"
#include "Dialogues.h"
#include "Formats.h"
#include "TChild.h"

namespace quillora {

void TChild::ExporterTableur() {
    // The grade being typed is not in the class yet: the file would miss it.
    if (!VerifierSaisieFinie()) return;
    const QFileInfo classe(QString::fromStdString(Classe.NomFichier));
    const QString classeur = QStringLiteral("Classeur de toute la classe (*.xlsx)");
    const QString csv =
        QStringLiteral("Tableau affiché, CSV séparé par des points-virgules (*.csv)");
    const auto suffixe = [](const QString& nom, const char* attendu) {
        return QFileInfo(nom).suffix().compare(QLatin1String(attendu), Qt::CaseInsensitive) == 0;
    };
    // A name without either extension is a workbook's.
    const QString nom = FichierAEnregistrer(
        this, QStringLiteral("Exporter vers un fichier tableur"),
        classe.path() + QLatin1Char('/') + classe.completeBaseName() + QStringLiteral(".xlsx"),
        classeur + QStringLiteral(";;") + csv,
        [&](const QString& n) {
            return suffixe(n, "csv") || suffixe(n, "xlsx") ? n : n + QStringLiteral(".xlsx");
        },
        Classe.NomFichier);
    if (nom.isEmpty()) return;
    const bool enCsv = suffixe(nom, "csv");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Resultat r;
    if (enCsv) {
        r = EcrireCsv(Classe, Classe.MatiereCourante, Classe.PeriodeCourante, nom.toStdString());
    } else if (const Formats* f = ChargerFormats(r.erreur)) {
        r = f->EcrireClasseur(EtatCourant(), Classe, nom.toStdString());
    } else {
        r.ok = false;
        r.erreur = "Impossible de créer le fichier \"" + nom.toStdString() + "\". " + r.erreur;
    }
    QApplication::restoreOverrideCursor();
    if (!r) dialogues().erreur(this, titreErreur(), QString::fromStdString(r.erreur));
}

} // namespace quillora
