// The "Statistique" menu: the windows that show the class as charts and a report, opened
// beside the sheet in the frame, then the ranking, the ages and the birthdays.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "Mosaique.h"
#include "TChild.h"
#include "TDial10.h"
#include "TDial11.h"
#include "TDial12.h"
#include "TStat01.h"
#include "TStat02.h"
#include "TStat03.h"
#include "TStat04.h"

namespace quillora {

namespace {

// The dialogs only read the class, but a grade still being typed would be missing from
// what they show: they wait for it like the commands that change the class.
template <class Dialogue> void ouvrir(TChild* feuille) {
    if (!feuille->VerifierSaisieFinie()) return;
    Dialogue d(feuille->Classe, feuille);
    d.exec();
}

} // namespace

void TChild::creerMenuStatistique() {
    menuStatistique_ = new QMenu(QStringLiteral("&Statistique"), this);
    menuStatistique_->setObjectName(QStringLiteral("MStatistique"));
    auto action = [this](const char* nom, const QString& texte, auto commande) {
        QAction* a = menuStatistique_->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        connect(a, &QAction::triggered, this, commande);
        return a;
    };
    M40 = action("M40", QStringLiteral("&Evolution des notes classe && élèves "),
                 [this] { OuvrirStatistique(1); });
    M41 = action("M41", QStringLiteral("Statistiques sur un &devoir"),
                 [this] { OuvrirStatistique(2); });
    M42 = action("M42", QStringLiteral("Statistiques sur les &moyennes"),
                 [this] { OuvrirStatistique(3); });
    M46 = action("M46", QStringLiteral("&Ouvrir les 3 fenêtres statistiques"),
                 [this] { OuvrirTroisStatistiques(); });
    M47 = action("M47", QStringLiteral("&Bilan complet classe && élèves"),
                 [this] { OuvrirStatistique(4); });
    menuStatistique_->addSeparator();
    M43 =
        action("M43", QStringLiteral("&Classement des élèves"), [this] { ouvrir<TDial10>(this); });
    MReleves =
        action("MReleves", QStringLiteral("&Relevés de notes..."), [this] { MenuReleves(); });
    MReleves->setStatusTip(QStringLiteral("Imprimer pour chaque élève ses notes et ses moyennes"));
    action("M44", QStringLiteral("&Age des élèves"), [this] { ouvrir<TDial11>(this); });
    action("M45", QStringLiteral("&Les anniversaires du mois"), [this] { ouvrir<TDial12>(this); });
}

void TChild::MettreAJourStatistiques() {
    const int s = Classe.MatiereCourante, p = Classe.PeriodeCourante;
    const int tous = Classe.NbDevoirTotal();
    const int nd = VueMatiere() ? Classe.NbDevoir[s][p] : tous;
    M40->setEnabled(nd != 0);
    M41->setEnabled(M40->isEnabled() && s != 4);
    for (QAction* a : {M42, M46, M47, M43}) a->setEnabled(tous != 0);
    // A student without any grade still gets a report that says so.
    MReleves->setEnabled(Classe.NbEleve > 0);
}

QWidget* TChild::OuvrirStatistique(int n) {
    if (!VerifierSaisieFinie()) return nullptr;
    // The forms' sizes, a little taller so that the text lines under the charts breathe.
    QWidget* fenetre = nullptr;
    QSize taille;
    switch (n) {
    case 1:
        fenetre = new TStat01(Classe);
        taille = {632, 300};
        break;
    case 2:
        fenetre = new TStat02(Classe);
        taille = {618, 340};
        break;
    case 3:
        fenetre = new TStat03(Classe);
        taille = {470, 330};
        break;
    default:
        fenetre = new TStat04(Classe);
        // Wider than the form: the cells' font follows the height, and subject names
        // such as "Physique-Chimie" must fit their column.
        taille = {540, 289};
        break;
    }
    auto* sousFenetre = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* zone = sousFenetre ? sousFenetre->mdiArea() : nullptr;
    if (!zone) {
        // Alone (no frame around the sheet), the window goes with the sheet.
        fenetre->setParent(this, Qt::Window);
        fenetre->resize(taille);
        fenetre->show();
        return fenetre;
    }
    QMdiSubWindow* cadre = zone->addSubWindow(fenetre);
    fenetre->show();
    // The window's title bar and borders are the frame's margins around the content.
    cadre->resize(taille.grownBy(cadre->contentsMargins()));
    // Placed beside the sheet when there is room, but never off the frame's edge.
    const QSize libre = zone->viewport()->size() - cadre->size();
    cadre->move(std::clamp(cadre->x(), 0, std::max(0, libre.width())),
                std::clamp(cadre->y(), 0, std::max(0, libre.height())));
    zone->setActiveSubWindow(cadre);
    return fenetre;
}

void TChild::OuvrirTroisStatistiques() {
    if (!VerifierSaisieFinie()) return;
    for (int n = 1; n <= 3; ++n) OuvrirStatistique(n);
    auto* sousFenetre = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sousFenetre && sousFenetre->mdiArea()) DisposerEnMosaique(sousFenetre->mdiArea());
}

} // namespace quillora
