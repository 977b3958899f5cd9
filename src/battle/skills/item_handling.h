// Item handling and the commands that act through other commands: giving items, summons, copies.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> ItemHandlingHandlers();

} // namespace vk2
