// Field effects and whole-field commands.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> FieldEffectHandlers();

} // namespace vk2
