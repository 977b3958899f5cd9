// Techniques that put sleep, paralysis, blindness, confusion and other ailments on a target.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> AilmentTechniqueHandlers();

} // namespace vk2
