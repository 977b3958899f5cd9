#include "battle/skills/afflictions.h"

namespace vk2 {

std::span<const KeyHandler> AfflictionHandlers() {
    return {};
}

} // namespace vk2
