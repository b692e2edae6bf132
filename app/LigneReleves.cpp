// The grade reports from the command line: the very pages of the preview's PDF.
#include <QApplication>
#include <QPageLayout>
#include <iostream>

#include "ApplicationFenetre.h"
#include "FichierAtomique.h"
#include "ImpressionReleves.h"
#include "Options.h"
#include "Plateforme.h"

namespace quillora {

namespace {

void messagesBoiteAOutils(QtMsgType type, const QMessageLogContext&, const QString& texte) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << texte.toLocal8Bit().constData() << '\n';
}

// 0, or 2 with the reason, when the class lacks the period or a student asked for.
int VerifierChoix(const TClasse& classe, const ChoixReleves& choix, std::ostream& erreurs) {
    if (choix.periode != 4 && choix.periode > classe.NbPeriode) {
        erreurs << "La période " << choix.periode << " n'existe pas dans cette classe ("
                << int(classe.NbPeriode)
                << (classe.NbPeriode == 2 ? " semestres).\n" : " trimestres).\n");
        return 2;
    }
    if (classe.NbEleve == 0) {
        erreurs << "La classe n'a aucun élève : il n'y a pas de relevé à écrire.\n";
        return 2;
    }
    for (int e : choix.eleves)
        if (e > classe.NbEleve) {
            erreurs << "L'élève " << e << " n'existe pas dans cette classe (" << int(classe.NbEleve)
                    << (classe.NbEleve > 1 ? " élèves).\n" : " élève).\n");
            return 2;
        }
    return 0;
}

} // namespace

int ExecuterReleves(int argc, char** argv, const Lancement& l) {
    qInstallMessageHandler(messagesBoiteAOutils);
    if (const int code = VerifierSortie(l, std::cerr)) return code;
    // The charts are widgets; the offscreen platform gives them all they need.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PreparerRenduTexte();
    QApplication app(argc, argv);
    TClasse classe;
    if (const int code = PreparerClasse(l, SeparateurDecimal(), classe, std::cerr)) return code;
    ChoixReleves choix;
    choix.periode = l.periode.value_or(classe.PeriodeCourante);
    choix.eleves = l.eleves;
    choix.rangs = l.rangs;
    if (const int code = VerifierChoix(classe, choix, std::cerr)) return code;

    const std::vector<Releve> releves = CalculerReleves(classe, choix);
    // A4 as a printer without margins of its own gives it: Qt's 10 points.
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Point);
    QByteArray pdf;
    std::string raison = "Le document n'a pas pu être préparé.";
    if (!PdfReleves(releves, Options.noirblanc, a4, TitreReleves(releves), pdf) ||
        !EcrireFichierAtomique(l.sortie, pdf.constData(), static_cast<std::size_t>(pdf.size()),
                               raison)) {
        std::cerr << "Impossible de créer le fichier \"" << l.sortie << "\". " << raison << '\n';
        return 1;
    }
    return 0;
}

} // namespace quillora
