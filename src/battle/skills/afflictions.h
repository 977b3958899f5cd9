// Afflictions and curses.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> AfflictionHandlers();

} // namespace vk2
