#include "battle/skills/barriers.h"

namespace vk2 {

std::span<const KeyHandler> BarrierHandlers() {
    return {};
}

} // namespace vk2
