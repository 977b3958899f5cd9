// The finishing moves a charged or lucky strike turns into.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> FinishingMoveHandlers();

} // namespace vk2
