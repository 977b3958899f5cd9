// Current HP and MP are the texts of a slot's HP and MP boxes. Every write goes through the
// box's correction, so a box never shows a fraction, a value below 0 or one above its maximum.
#pragma once

#include <cstdint>

#include "form/controls.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The whole number a box shows; anything unreadable counts as 0.
std::int64_t BoxValue(const TextBox& box);

std::int64_t HpOf(const Game& game, SlotIndex slot);
std::int64_t MpOf(const Game& game, SlotIndex slot);

// Writes Int(value), raised to 0 and lowered to the slot's maximum HP (maximum MP).
void SetHp(Game& game, SlotIndex slot, double value);
void SetMp(Game& game, SlotIndex slot, double value);

} // namespace vk2
