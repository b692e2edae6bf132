#pragma once

class QAbstractButton;

namespace quillora {

// Gives `bouton` its tooltip as the name a screen reader reads, now and whenever the
// tooltip changes: a button that shows only an icon, or a short code ("T1" for
// "Trimestre 1"), would otherwise be read as nothing or as the code. Without a tooltip the
// button keeps its text as its name.
void NommerParBulle(QAbstractButton* bouton);

} // namespace quillora
