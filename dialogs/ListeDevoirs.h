#pragma once

#include <QComboBox>

#include "Classe.h"

namespace quillora {

// The assignments of the subject and period shown, one line each: "3 - Contrôle".
QComboBox* ListeDevoirs(const TClasse& classe, QWidget* parent);

} // namespace quillora
