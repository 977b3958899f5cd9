// Everything that follows the effect of an action, in its fixed order: the actor's own timed
// effects, learning by watching, oleander smoke, reflected repeats, the bomb, regeneration, the
// proposition, the MP payment and the end of a summon, falls with their level-ups, death curses and
// testaments, mimicry, booty, and at last the passing of the turn or the end of the battle.
#pragma once

#include <string>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

struct FinishedAction {
    SlotIndex actor;
    SlotIndex target; // the clicked target as the effect left it
    std::string key;  // the command key as the effect left it
    // Extra runs for a spell a mirror sent to a slot that was marked already: the tens digit
    // counts the runs, the units digit is the slot.
    int reflections = 0;
};

void FinishAction(Game& game, FinishedAction& action);

} // namespace vk2
