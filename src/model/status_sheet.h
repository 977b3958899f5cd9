// The status sheet: a fighter's abilities, weaknesses, equipment and proficiency as fixed-layout
// text in two halves.
#pragma once

#include <string>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

enum SheetHalf : int {
    kSheetAbilities = 0, // element, level and the six abilities
    kSheetEquipment = 1, // weaknesses, equipment and proficiency; starts with a line break
};

// The sheet of the fighter in view: the preview candidate while an entry is under way, otherwise
// the fighter whose turn it is. Empty when neither applies.
std::string BuildStatusSheet(const Game& game, int half);

std::string BuildStatusSheetFor(const Game& game, SlotIndex slot, int half);

// The entry panel's two sheet boxes show the preview candidate: abilities beside equipment.
void ShowPreviewSheets(Game& game);

} // namespace vk2
