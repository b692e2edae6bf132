#pragma once

#include <QIcon>

namespace quillora {

// The statistics windows' button pictures, drawn rather than loaded: the chart modes have no
// equivalent in the desktop's icon themes.
enum class PictoStat { Ligne, Barres, Tendance, Aide, Imprimante };

QIcon IconeStatistique(PictoStat p);

} // namespace quillora
