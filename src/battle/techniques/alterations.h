// Alterations: stat seals, repainting elements, electrification.
#pragma once

#include <cstdint>
#include <span>

#include "battle/action.h"

namespace vk2 {

std::span<const KeyHandler> AlterationHandlers();

// The bonds of obedience a master can force on a fighter (status counter 40).
enum class Bond : std::uint8_t {
    HandOverEquipment, // the bound fighter hands its equipment to the master
    CoverMaster,       // the bound fighter takes the master's physical blows
    AttackOwnSide,     // the bound fighter turns on its own side
};

// Binds target to master. A cover the target was giving the master ends first, so a fighter
// never both covers its master and obeys another order of it.
void ForceBond(Game& game, SlotIndex master, SlotIndex target, Bond bond);

} // namespace vk2
