// Entering a fighter: the preview candidate in slot 6 is copied into a battle slot with a fresh
// battle state.
#pragma once

#include <string>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The two entry buttons.
enum EntryRow : int {
    kBackRow = 0,
    kFrontRow = 1,
};

// The row a fighter takes when nobody chooses: sturdy close fighters go to the front, casters and
// long-reach weapons to the back. Reads the preview slot.
int AutoRow(const Game& game);

// The fighter's name: the file name of its path without folder and extension.
std::string FighterName(const std::string& path);

// Copies the preview fighter into battle slot `slot` in the given row (kFrontRow or kBackRow):
// full HP and MP, tension 50, no counters, its items and its battle command list, shown on the
// field with its element's frame. A fighter already in the slot is replaced completely.
void EnterFighter(Game& game, SlotIndex slot, int row);

} // namespace vk2
