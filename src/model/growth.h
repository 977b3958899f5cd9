// A fighter's base abilities follow from its picture and its level alone.
#pragma once

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Recomputes the six base abilities of the slot (0-6) from its digit code, colour sums, element
// and level: the level-0 values, then one growth step per level.
void ApplyLevel(Game& game, SlotIndex slot);

} // namespace vk2
