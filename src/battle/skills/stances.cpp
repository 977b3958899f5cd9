#include "battle/skills/stances.h"

namespace vk2 {

std::span<const KeyHandler> StanceHandlers() {
    return {};
}

} // namespace vk2
