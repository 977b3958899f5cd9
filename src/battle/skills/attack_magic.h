// Attack magic: elemental spells on one enemy or on a whole side, spells that deal a fixed amount,
// and the items that strike. Each plays its animation and leaves the blow itself to ResolveAttack,
// which finds the elements of the action, the misses and the damage lines.
#pragma once

#include <span>

#include "battle/action.h"

namespace vk2 {

// The family's dispatch table: one row per key.
std::span<const KeyHandler> AttackMagic();

} // namespace vk2
