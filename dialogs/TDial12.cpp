#include "TDial12.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "AgesAnniversaires.h"
#include "ListeEleves.h"

namespace quillora {

TDial12::TDial12(const TClasse& classe, QWidget* parent) : QDialog(parent) {
    setWindowTitle(texteQt(MoisEnCours()) + QStringLiteral(": Les anniversaires du mois"));
    auto* LB = new QListWidget(this);
    LB->setObjectName(QStringLiteral("LB"));
    LB->setAccessibleName(windowTitle());
    for (const std::string& ligne : AnniversairesDuMois(classe)) LB->addItem(texteQt(ligne));
    LB->setMinimumSize(420, 220);

    auto* tout = new QVBoxLayout(this);
    tout->addWidget(LB);
    tout->addLayout(BoutonsOkAide(this, QStringLiteral("LesAnniversairesDuMois")));
}

} // namespace quillora
