#include "battle/techniques/curses.h"

namespace vk2 {

std::span<const KeyHandler> CurseHandlers() {
    return {};
}

} // namespace vk2
