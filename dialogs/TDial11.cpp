#include "TDial11.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "AgesAnniversaires.h"
#include "ListeEleves.h"

namespace quillora {

TDial11::TDial11(const TClasse& classe, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Age des éleves ( ") + texteQt(MoisEnCours()) +
                   QStringLiteral(" )"));
    QTableWidget* ST = CreerGrille(
        this, {171, 142, 124},
        {QStringLiteral("  Elève"), QStringLiteral("  Né(e) le"), QStringLiteral("  Age")}, 16);
    RemplirGrille(ST, ListeAges(classe));
    ST->setAccessibleName(windowTitle());

    auto* ordre =
        new QLabel(QStringLiteral("( Les élèves sont classés par âge décroissant )"), this);
    ordre->setAlignment(Qt::AlignCenter);

    auto* panneau = new QFrame(this);
    panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* ligne = new QHBoxLayout(panneau);
    ligne->addWidget(new QLabel(QStringLiteral("Moyenne d'âge de la classe :"), panneau));
    auto* age = new QLabel(texteQt(classe.AgeMoyen()), panneau);
    age->setObjectName(QStringLiteral("Label3"));
    QFont gras = age->font();
    gras.setBold(true);
    age->setFont(gras);
    ligne->addWidget(age);
    ligne->addStretch();

    auto* tout = new QVBoxLayout(this);
    tout->addWidget(ordre);
    tout->addWidget(ST, 1, Qt::AlignHCenter);
    tout->addWidget(panneau);
    tout->addLayout(BoutonsOkAide(this, QStringLiteral("AgeDesEleves")));
}

} // namespace quillora
