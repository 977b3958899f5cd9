// Curses, contracts and instant death.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> CurseHandlers();

} // namespace vk2
