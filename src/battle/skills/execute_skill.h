// The first dispatcher of every action: spells, support, field, item and special commands. A key
// it does not know goes on unchanged to the techniques.
#pragma once

#include <string>
#include <string_view>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

void ExecuteSkill(Game& game, SlotIndex actor, SlotIndex& target, std::string& key);

// Whether ExecuteSkill has an effect of its own for key. The effects of a key that two commands
// share are found under the commands' full names, and the key itself counts only when both exist.
bool HasSkillHandler(std::string_view key);

} // namespace vk2
