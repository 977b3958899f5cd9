// The ability chart of the preview candidate: a hexagon of its six abilities over a fixed
// background, filled in its element colour.
#pragma once

#include "core/colour.h"
#include "core/image.h"

namespace vk2 {

struct Game;

inline constexpr int kChartWidth = 149;
inline constexpr int kChartHeight = 141;

// Draws the chart of slot 6 in the colour of its picture frame.
RgbImage DrawChart(const Game& game);

// Paints from (x, y) outward until pixels of the boundary colour are met (4-connected). A start
// outside the image or on the boundary colour paints nothing.
void BoundaryFill(RgbImage& image, int x, int y, Colour fill, Colour boundary);

} // namespace vk2
