#include "battle/techniques/alterations.h"

namespace vk2 {

std::span<const KeyHandler> AlterationHandlers() {
    return {};
}

} // namespace vk2
