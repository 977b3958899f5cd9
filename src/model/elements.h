// Elements: their names and frame colours, the affinity table, and the rebuild of a fighter's
// affinities from its element, its status effects, its weapon and its accessory.
#pragma once

#include <string>
#include <string_view>

#include "core/colour.h"
#include "model/fighter_table.h"
#include "model/types.h"

namespace vk2 {

struct Game;

// Affinity codes towards one attacking element.
enum Affinity : std::uint8_t {
    kWeak = 1,
    kNormal = 3,
    kResist = 5,
    kImmune = 7,
    kAbsorb = 9,
};

// One character, or empty for a value outside 0-9.
std::string ElementName(int e);
// The frame colour of the element; black for a value outside 0-9.
Colour ElementColour(int e);
// The nine affinity codes of an element as digits (炎 冷 雷 風 地 水 木 魔 聖); all normal for a
// value outside 1-9.
std::string_view ElementCodeRow(int e);

// Rebuilds `affinity` and `weaponElements` of the slot (0-6). Status effects count for battle
// slots only: the preview slot has no counters.
void RecomputeAffinities(Game& game, SlotIndex slot);

} // namespace vk2
