// The automatic player: plays an "Auto" or confused fighter's turn through the same controls a
// player would use. It cares for fallen, poisoned, bombed, confused and badly wounded allies first,
// then uses a charged or concentrated turn, then tries a random action, and falls back to defending
// or moving forward. Every roll goes through game.random, reseeded where the player reseeds.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// autoChoice values besides a command index.
inline constexpr std::uint8_t kItemChoiceBase = 245; // + the item's index in Item(slot)
inline constexpr std::uint8_t kNothingChosen = 255;

// Decides and carries out the actor's whole turn; it ends with a click on a target picture. When
// that click lands on a grey mark the turn stays with the fighter and waits for the player.
void ChooseAutoAction(Game& game, SlotIndex actor);

// The autoChoice value for the candidate `name`: 245 + its index for a usable item (no item ban,
// no proposition forbidding items), its index for a command whose MP cost the slot can pay, and
// the current autoChoice when the candidate cannot be used. Leaves the candidate's cost in mpCost.
std::uint8_t FindUsableEntry(Game& game, SlotIndex slot, bool isItem, std::string_view name);

// Moves the target cursor of the confirmed command to a random valid target. A confused fighter,
// or one ordered to attack its allies, turns the command against the other side first.
void RandomiseTarget(Game& game);

} // namespace vk2
