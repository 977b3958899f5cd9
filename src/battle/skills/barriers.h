// Barriers and protective states.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> BarrierHandlers();

} // namespace vk2
