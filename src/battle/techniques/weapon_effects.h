// Eleven weapons add an effect of their own when a plain たたかう connects. A failed condition
// writes nothing: the strike itself already hit.
#pragma once

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The effect of the actor's weapon (looked up by its exact name) on the target just hit, using
// the technique roll; nothing for any other weapon.
void ApplyWeaponEffect(Game& game, SlotIndex actor, SlotIndex target);

} // namespace vk2
