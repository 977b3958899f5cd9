// The first dispatcher of every action: spells, support, field, item and special commands. A key
// it does not know goes on unchanged to the techniques.
#pragma once

#include <string>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

void ExecuteSkill(Game& game, SlotIndex actor, SlotIndex& target, std::string& key);

} // namespace vk2
