// What the rules need from a picture file: its size and its pixels, or why it could not be read.
// The loader behind this interface lives outside the core (it decodes through libpng and Qt).
#pragma once

#include <string>

#include "core/image.h"

namespace vk2 {

struct LoadedPicture {
    enum class Status { Ok, TooLarge, Failed };
    Status status = Status::Failed;
    int width = 0;     // known for Ok and TooLarge
    int height = 0;    // known for Ok and TooLarge
    RgbImage image;    // filled for Ok only
    std::string error; // a clear reason for Failed
};

// Pictures wider or higher than this are refused from their header, before pixel memory is taken.
inline constexpr int kMaxPictureSide = 5000;

} // namespace vk2
