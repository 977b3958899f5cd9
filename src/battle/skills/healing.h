// Healing, revival and cures.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> HealingHandlers();

} // namespace vk2
