// Reading picture files into RGB pixels. The path's last two characters decide the decoder:
// "ng" or "NG" goes to the PNG loader, anything else to Qt's image reader with the format taken
// from the extension (no content sniffing).
#pragma once

#include <string>

#include "core/picture_source.h"

namespace vk2 {

LoadedPicture LoadPicture(const std::string& path);

} // namespace vk2
