#pragma once

#include <QPushButton>

namespace quillora {

// The "Aide" button of a dialog, showing the help page of `sujet`.
QPushButton* BoutonAide(QWidget* parent, const QString& sujet);

} // namespace quillora
