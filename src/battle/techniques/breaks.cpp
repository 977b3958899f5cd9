#include "battle/techniques/breaks.h"

namespace vk2 {

std::span<const KeyHandler> BreakHandlers() {
    return {};
}

} // namespace vk2
