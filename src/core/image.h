// A plain 8-bit RGB image: what the picture loaders decode into and what the chart is drawn on.
// Kept in the core so the rules, the CLI and the tests need no display.
#pragma once

#include <cstdint>
#include <vector>

#include "core/colour.h"

namespace vk2 {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, rows top to bottom

    RgbImage() = default;
    RgbImage(int w, int h, Colour fill = kBlack);

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour c);
};

} // namespace vk2
