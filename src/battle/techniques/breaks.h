// Breaking equipment, skills and memories; thefts and item transfer.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> BreakHandlers();

} // namespace vk2
