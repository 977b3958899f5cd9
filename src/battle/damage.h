// One blow against one fighter: hit or miss, the affinities, the specials of both fighters'
// equipment, the message lines, the hit animation, the tension bars, and finally the HP it takes
// from (or gives to) the target. Falling is left to the end of the action.
#pragma once

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// flags mod 10 = 1: the blow falls on every slot whose cursor is shown, one by one.
inline constexpr int kEveryMarkedSlot = 1;
// flags of 10 and more: power is the damage itself, with no luck, affinities or formula.
inline constexpr int kFixedDamage = 10;

void ResolveAttack(Game& game, SlotIndex attacker, SlotIndex target, int power, int flags);

} // namespace vk2
