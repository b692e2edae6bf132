#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "Options.h"

class QPainter;

namespace quillora {

// The sample sheet of the options dialog: three students, two assignments and their
// averages, drawn from settings that are not yet in force.
constexpr int LargeurApercu = 501;
constexpr int HauteurApercu = 181;

// The sheet's font as `o` describes it, at Round(`points` x zoomP) points on the screen.
QFont PoliceApercu(const TOptions& o, int points);

// Draws the sample sheet from `o` over the whole of a 501 x 181 surface.
void DessinerApercu(QPainter& p, const TOptions& o);

// The example of a printed title with separator number `indsep`, and the school year when
// `annee` is set.
QString TitreExemple(int indsep, bool annee);

// A short line drawn in `relief` (0 simple, 1 sunken, 2 raised), for the line-style list.
QPixmap ImageStyleLigne(int relief);

// The surface the preview is painted on; it reads the settings it is given at each paint.
class SurfaceApercu : public QWidget {
    Q_OBJECT
public:
    SurfaceApercu(const TOptions& options, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const TOptions& options_;
};

} // namespace quillora
