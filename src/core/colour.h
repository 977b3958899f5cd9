// Colours are packed with red in the low byte (0xBBGGRR), the way the rules write them.
#pragma once

#include <cstdint>

namespace vk2 {

using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
           (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The window's button-face colour: the ground of the window and what shows through
// transparent pixels of a picture.
inline constexpr Colour kButtonFace = Rgb(240, 240, 240);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kBlack = Rgb(0, 0, 0);

} // namespace vk2
