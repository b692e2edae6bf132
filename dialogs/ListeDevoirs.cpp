#include "ListeDevoirs.h"

#include "ConversionsQt.h"

namespace quillora {

QComboBox* ListeDevoirs(const TClasse& classe, QWidget* parent) {
    auto* liste = new QComboBox(parent);
    liste->setObjectName(QStringLiteral("Devoirs"));
    const int s = classe.MatiereCourante, p = classe.PeriodeCourante;
    for (int a = 1; a <= classe.NbDevoir[s][p]; ++a)
        liste->addItem(QString::number(a) + QStringLiteral(" - ") +
                       texteQt(classe.Devoir[s][p][a].Commentaire));
    liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return liste;
}

} // namespace quillora
