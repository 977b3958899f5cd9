#include "battle/action.h"

namespace vk2 {

ActionHandler FindHandler(std::span<const std::span<const KeyHandler>> families, std::string_view key) {
    for (const auto& family : families)
        for (const KeyHandler& row : family)
            if (row.key == key) return row.handler;
    return nullptr;
}

} // namespace vk2
