#pragma once

#include <QColor>
#include <QString>

namespace quillora {

// One bar of a chart. A negative Valeur (the statistics use -1789) means "no value": only
// Texte is shown, at the foot of the slot. Texte and Legende hold at most 4 characters, longer
// values are cut. Copying a bar copies all four fields.
class TBarre {
public:
    double Valeur = 0.0;
    QColor CouleurBarre = Qt::red;

    const QString& Texte() const { return texte_; }
    void SetTexte(const QString& texte);
    const QString& Legende() const { return legende_; }
    void SetLegende(const QString& legende);

    static constexpr int LongueurTexte = 4;

private:
    QString texte_;
    QString legende_;
};

} // namespace quillora
