// Saving an RGB image as a PNG file (the ability chart, for example).
#pragma once

#include <string>

#include "core/image.h"

namespace vk2 {

// Returns an empty string on success, otherwise a readable reason; an existing file is kept on failure.
std::string SavePng(const std::string& path, const RgbImage& image);

} // namespace vk2
