// Equipping weapons and accessories, the equipment parts of the abilities, and the proficiency
// the medal overrides.
#pragma once

#include <array>
#include <string>

#include "form/controls.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// What ApplyEquipment and ApplyAccessory are asked to do.
enum EquipMode : int {
    kEquipRemove = 0,   // take the equipped one off
    kEquipRefresh = 1,  // recompute the equipment parts from what is worn (accessories: nothing)
    kEquipDescribe = 2, // describe the selected item entry in the slot's message box
    kEquipSelected = 3, // put on the selected item entry
};

// The item list of a slot: Item(slot) for a battle slot, ItemPrev for the preview slot.
ListBox& ItemList(Game& game, SlotIndex slot);
const ListBox& ItemList(const Game& game, SlotIndex slot);

// The command at the top of a battle list for what the fighter holds: the weapon's own, or
// "龍虎乱舞" when the claw and the fang fight as one (the wielder carries the other half).
std::string BattleBasicCommand(const Game& game, SlotIndex slot);

void ApplyEquipment(Game& game, SlotIndex slot, int mode);
void ApplyAccessory(Game& game, SlotIndex slot, int mode);

// The medal sets every proficiency to 99; without it they follow from the digit code and the
// current level, capped at 90, and whatever was trained in battle is lost.
void RecomputeProficiency(Game& game, SlotIndex slot);

// The player releases the mouse on a battle slot's item list: while "アイテム使用" is the chosen
// command, a weapon or accessory entry is put on, or taken off when it is the one worn.
void ClickItemEntry(Game& game, SlotIndex slot);

} // namespace vk2
