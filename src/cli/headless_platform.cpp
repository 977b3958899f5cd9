#include "cli/headless_platform.h"

#include "picture/picture_loader.h"

namespace vk2::cli {

LoadedPicture HeadlessPlatform::loadPicture(const std::string& path) {
    return LoadPicture(path);
}

} // namespace vk2::cli
