// たたかう and its variants: one strike with the weapon, an effect of the variant when it
// connects, and the extra strikes of the multi-hit attacks and of the twin daggers.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> StrikeHandlers();

} // namespace vk2
