#include "battle/techniques/gifts.h"

namespace vk2 {

std::span<const KeyHandler> GiftHandlers() {
    return {};
}

} // namespace vk2
