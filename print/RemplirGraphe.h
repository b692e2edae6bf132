#pragma once

namespace quillora {

class TNewGraphe;
struct GrapheStat;

// Puts a computed chart into the chart control: its bars, green at or above the pass mark
// and red below (named so for a screen reader), their texts, the scale, the lines under the plot
// and the average line. The statistics windows and the printed reports draw their charts through it
// alike.
void RemplirGraphe(TNewGraphe& G, const GrapheStat& g);

} // namespace quillora
