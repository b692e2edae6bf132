#pragma once

#include <QRect>

#include "Classe.h"
#include "GeometrieFeuille.h"
#include "PeintreFeuille.h"

// The pieces DessinerFeuille puts together; L is the name column's width in columns.
namespace quillora {

// Student numbers and names, down the left of every view.
void DessinerEleves(PeintreFeuille& f, const TClasse& c, int L);
// One subject in one period: grades, averages, assignment headers.
void DessinerVueMatiere(PeintreFeuille& f, const TClasse& c, int L);
// The synthesis of the subjects, or one subject over the year: a column of averages each.
void DessinerVueSynthese(PeintreFeuille& f, const TClasse& c, int L);

// The preview's frame around the sheet just drawn: the page beyond the printable area,
// the surroundings, the shadow and the outlines.
void EncadrerPageApercu(QPainter& painter, const PageApercu& page, const EtatFeuille& etat,
                        const CouleursFeuille& couleurs);

} // namespace quillora
