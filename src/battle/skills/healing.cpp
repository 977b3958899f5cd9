#include "battle/skills/healing.h"

namespace vk2 {

std::span<const KeyHandler> HealingHandlers() {
    return {};
}

} // namespace vk2
