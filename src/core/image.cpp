#include "core/image.h"

#include <cstddef>

namespace vk2 {

RgbImage::RgbImage(int w, int h, Colour fill) : width(w), height(h) {
    rgb.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = static_cast<std::uint8_t>(RedOf(fill));
        rgb[i + 1] = static_cast<std::uint8_t>(GreenOf(fill));
        rgb[i + 2] = static_cast<std::uint8_t>(BlueOf(fill));
    }
}

Colour RgbImage::pixel(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 3;
    return Rgb(rgb[i], rgb[i + 1], rgb[i + 2]);
}

void RgbImage::setPixel(int x, int y, Colour c) {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 3;
    rgb[i] = static_cast<std::uint8_t>(RedOf(c));
    rgb[i + 1] = static_cast<std::uint8_t>(GreenOf(c));
    rgb[i + 2] = static_cast<std::uint8_t>(BlueOf(c));
}

} // namespace vk2
