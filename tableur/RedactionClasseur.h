#pragma once

#include <xlsxwriter.h>

#include "Classe.h"

namespace quillora {

// Lays out the whole class in `wb`: a sheet per subject, the synthesis and the settings.
void RedigerClasseur(const TClasse& c, lxw_workbook* wb);

} // namespace quillora
