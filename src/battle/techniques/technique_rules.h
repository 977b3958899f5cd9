// What every technique shares besides the message, miss, icon and draw helpers of the skills
// (skills/skill_rules.h): the roll, whether a strike connected, the guard counter, the
// instant-death charms, the spirit contest, and the command lists it cuts.
#pragma once

#include <cstdint>
#include <string_view>

#include "form/controls.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Reseeds and draws r = Int(Rnd × 16), 0-15.
int DrawTechniqueRoll(Game& game);

// Writes "0" into the HP box; the fall itself is settled when the action ends.
void FellFighter(Game& game, SlotIndex slot);

// How strictly the guard counter keeps a technique's effect off its target.
enum class GuardTest {
    BelowTwo, // a partial guard lets the effect through
    NotTwo,   // only a guard of exactly 2 stops it
    Zero,     // any guard stops it
};
bool PassesGuard(const Game& game, SlotIndex target, GuardTest test);

// A charm against instant death: "お守り" or "アリスのハンカチ".
bool WearsDeathCharm(const Game& game, SlotIndex slot);

// The spirit contest of the status techniques: (c − k × r) × spirit(actor) against
// spirit(target), greater (or, with orEqual, greater or equal).
struct ResistTest {
    double c;
    double k;
    bool orEqual;
};
bool ResistRoll(const Game& game, SlotIndex actor, SlotIndex target, const ResistTest& test, int r);

// The text of the list's selected entry, empty when none is selected.
std::string_view SelectedEntry(const ListBox& list);

// Removes entry index; the selection stays on the entry it was on (none when that one goes).
void RemoveEntry(ListBox& list, int index);

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
