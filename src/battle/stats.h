// Effective abilities: equipment part + base part + battle modifier, floored at 0.
#pragma once

#include "battle/counters.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Recomputes the six effective abilities of a battle slot and lowers its HP and MP boxes to the
// new maxima. A fighter whose maximum MP is exactly 666 is transformed and keeps its values. The
// preview slot has no modifiers, counters or boxes: its abilities are base part + equipment part.
void RecomputeStats(Game& game, SlotIndex slot);

} // namespace vk2
