// Curses, contracts and instant death: the death contract, the proposition, the wheel of birth,
// age, sickness and death, spiriting away, and the two killing techniques.
#pragma once

#include <span>

#include "battle/action.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

std::span<const KeyHandler> CurseHandlers();

// Takes the fighter in slot off the battle in the middle of an action: the slot is emptied as a
// withdrawal from the menu would empty it, but the battle goes on and the end of the action
// decides whether a side is left.
void WithdrawDuringAction(Game& game, SlotIndex slot);

} // namespace vk2
