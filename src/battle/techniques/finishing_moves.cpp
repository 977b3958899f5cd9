#include "battle/techniques/finishing_moves.h"

namespace vk2 {

std::span<const KeyHandler> FinishingMoveHandlers() {
    return {};
}

} // namespace vk2
