// Alterations: stat seals, repainting elements, electrification.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> AlterationHandlers();

} // namespace vk2
