// Moving one entry of a fighter's bag to another fighter, or throwing it away.
#pragma once

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The slot argument that discards the item instead of handing it over.
inline constexpr SlotIndex kDiscardItem = 6;

// Moves the selected entry of Item(from) to the end of Item(to) (to = kDiscardItem throws it away).
// Worn equipment is taken off first; the claw pair's combined strike follows whoever holds both
// halves; an owner left with an empty bag gets its command list back on the panel.
void TransferItem(Game& game, SlotIndex from, SlotIndex to);

} // namespace vk2
