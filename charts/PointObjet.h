#pragma once

#include <vector>

namespace quillora {

// One control point of the smoothed curve, in pixels relative to the chart's rectangle.
struct TPointObjet {
    int X = 0;
    int Y = 0;
};

using TListPoint = std::vector<TPointObjet>;

} // namespace quillora
