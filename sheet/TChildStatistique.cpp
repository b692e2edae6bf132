// The "&Statistique" menu: what the sheet derives from its class without changing it.
#include "TChild.h"
#include "TDial10.h"
#include "TDial11.h"
#include "TDial12.h"

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
    menuStatistique_->addSeparator(); // after the statistics windows, hidden until they come
    auto action = [this](const char* nom, const QString& texte, void (*commande)(TChild*)) {
        QAction* a = menuStatistique_->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        connect(a, &QAction::triggered, this, [this, commande] { commande(this); });
        return a;
    };
    M43 = action("M43", QStringLiteral("&Classement des élèves"), &ouvrir<TDial10>);
    action("M44", QStringLiteral("&Age des élèves"), &ouvrir<TDial11>);
    action("M45", QStringLiteral("&Les anniversaires du mois"), &ouvrir<TDial12>);
}

void TChild::majMenuStatistique() {
    M43->setEnabled(Classe.NbDevoirTotal() != 0);
}

} // namespace quillora
