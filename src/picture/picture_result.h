// What every picture decoder shares: the size limit, the ways a load ends, and how a
// see-through pixel shows the window's button face behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/picture_source.h"

namespace vk2 {

bool ExceedsMaxPictureSide(long long width, long long height);

LoadedPicture FailedPicture(std::string reason);
LoadedPicture TooLargePicture(int width, int height);
LoadedPicture DecodedPicture(RgbImage image);

// Blends `pixels` RGBA pixels over the button-face colour into RGB. `rgb` may be the same buffer
// as `rgba`: each pixel is written no further along than where it was read.
void CompositeOverButtonFace(const std::uint8_t* rgba, std::uint8_t* rgb, std::size_t pixels);

} // namespace vk2
