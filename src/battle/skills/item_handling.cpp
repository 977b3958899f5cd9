#include "battle/skills/item_handling.h"

namespace vk2 {

std::span<const KeyHandler> ItemHandlingHandlers() {
    return {};
}

} // namespace vk2
