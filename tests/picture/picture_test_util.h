// Reading a loaded picture back as a list of colours, for comparing with what a test wrote.
#pragma once

#include <vector>

#include "core/picture_source.h"

namespace vk2::test {

inline std::vector<Colour> PixelsOf(const LoadedPicture& picture) {
    std::vector<Colour> pixels;
    for (int y = 0; y < picture.image.height; ++y)
        for (int x = 0; x < picture.image.width; ++x) pixels.push_back(picture.image.pixel(x, y));
    return pixels;
}

} // namespace vk2::test
