// The platform of the command-line tool: pictures come from disk, pauses return at once, and
// nothing is shown or played.
#pragma once

#include "core/platform.h"

namespace vk2::cli {

class HeadlessPlatform : public Platform {
  public:
    LoadedPicture loadPicture(const std::string& path) override;
};

} // namespace vk2::cli
