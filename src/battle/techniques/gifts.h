// Gifts, healing and revival techniques.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> GiftHandlers();

} // namespace vk2
