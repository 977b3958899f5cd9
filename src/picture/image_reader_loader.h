// BMP, GIF and JPEG files, decoded by Qt's image reader. The format is the one the file's
// extension names; the content is never sniffed, so a PNG named .bmp fails here.
#pragma once

#include <string>

#include "core/picture_source.h"

namespace vk2 {

LoadedPicture LoadWithImageReader(const std::string& path);

} // namespace vk2
