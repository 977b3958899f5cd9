// Stances, self-enhancement and stat changes.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> StanceHandlers();

} // namespace vk2
