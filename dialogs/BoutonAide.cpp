#include "BoutonAide.h"

#include "Aide.h"

namespace quillora {

QPushButton* BoutonAide(QWidget* parent, const QString& sujet) {
    auto* b = new QPushButton(QStringLiteral("Aide"), parent);
    b->setObjectName(QStringLiteral("Aide"));
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, [sujet] { AfficherAide(sujet); });
    return b;
}

} // namespace quillora
