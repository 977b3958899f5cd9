// The second dispatcher: weapon strikes, finishing moves, status techniques, breaks, thefts,
// curses, gifts. Every technique shares one roll drawn when it starts.
#pragma once

#include <string>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

void ExecuteTechnique(Game& game, SlotIndex actor, SlotIndex& target, std::string& key);

} // namespace vk2
