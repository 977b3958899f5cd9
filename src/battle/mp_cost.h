// What a command really costs in MP, and the points where that cost is checked and paid.
#pragma once

#include <cstdint>

#include "core/colour.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Field effects are marked by the window's background colour while they last.
inline constexpr Colour kSilentSnowField = 0xEEEECC;   // 静寂の雪: commands that cost MP cannot be used
inline constexpr Colour kGreyCrescentField = 0xDDAADD; // 灰色三日月: nothing costs MP
inline constexpr Colour kMagneticAnomalyField = 0x88FFEE; // 磁気異常: every cost is tripled
inline constexpr Colour kKaliYugaField = 0x202000;        // カリ・ユガ

// Sets game.mpCost to the cost of entry `index` of Command(slot) (slot 0-5; -1 or an index outside
// the list costs 0). Only the entry at `index` counts, so the automatic player can price a candidate
// without selecting it.
void ComputeMpCost(Game& game, SlotIndex slot, int index);

// What the item-count attack takes from its user: 10 MP for every item it carries.
std::int64_t ItemCountAttackMp(const Game& game, SlotIndex slot);

// Whether the actor pays for its own action: not while a summoned fighter acts for it or a copied
// command runs.
bool PaysOwnMp(const Game& game);

// A command being chosen is refused when the MP is short of mpCost (unless someone else pays), or
// when 静寂の雪 is in force and the command costs anything.
bool CommandRefusedForMp(const Game& game, SlotIndex slot);

// The automatic player considers a command only when the MP covers mpCost.
bool CanAffordMpCost(const Game& game, SlotIndex slot);

// After the action: the actor's MP box loses mpCost (never below 0), unless someone else pays.
void PayMpCost(Game& game, SlotIndex actor);

} // namespace vk2
