// The second dispatcher: weapon strikes, finishing moves, status techniques, breaks, thefts,
// curses, gifts. Every technique shares one roll drawn when it starts.
#pragma once

#include <string>
#include <string_view>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Draws the technique roll, turns a charged (or lucky) たたかう into its finishing move, and
// carries out the technique of the key; an unknown key does nothing.
void ExecuteTechnique(Game& game, SlotIndex actor, SlotIndex& target, std::string& key);

// The finishing move of a たたかう: writes the move's name into the actor's box, sets the move's
// elements and targeting, and rewrites key to the first two characters of the actor's box.
// Reads the technique roll.
void SelectFinishingMove(Game& game, SlotIndex actor, SlotIndex target, std::string& key);

bool HasTechniqueHandler(std::string_view key);

} // namespace vk2
