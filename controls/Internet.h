#pragma once

class QWidget;

namespace quillora {

// The two commands of the "&Internet" menu.
// Opens the project's web site in the desktop's browser; without one, gives its address.
void AllerAuSiteOfficiel(QWidget* parent);
// Tells where the authors can be reached: the contact page of the web site.
void ContacterAuteur(QWidget* parent);

} // namespace quillora
