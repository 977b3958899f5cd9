// PNG files, decoded through libpng into 8-bit RGB whatever their colour type, depth or interlacing.
#pragma once

#include <string>

#include "core/picture_source.h"

namespace vk2 {

LoadedPicture LoadPng(const std::string& path);

} // namespace vk2
