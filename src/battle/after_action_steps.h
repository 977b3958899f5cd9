// The families of after-action rules, each in a file of its own, and the little they share.
#pragma once

#include <string_view>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// A fighter that falls shows exactly this line until the fall has been dealt with.
inline constexpr std::string_view kFallenLine = "力尽きた…\r\n";

bool ShowsFallenLine(const Game& game, SlotIndex slot);
bool OnField(const Game& game, SlotIndex slot);
// Hides the slot's target mark and the marker beside its frame.
void HideMark(Game& game, SlotIndex slot);

// Hides and empties what a summon borrowed of the entry panel: the preview picture and the
// candidate's status texts.
void EndSummonPreview(Game& game);

// The actor's poison, dash, ageing, blessing bell, blood mark and wandering madness.
void RunOwnTimedEffects(Game& game, SlotIndex actor);

// Smoke from the oleander of every member of the aimed side whose counter passed 100.
void ReleaseOleanderSmoke(Game& game, SlotIndex actor, SlotIndex target);

// Fighters at 0 HP fall (or hold on by their headband); the fallen leave the field, the actor may
// level up, death curses and testaments take effect.
void ResolveFalls(Game& game, SlotIndex actor, SlotIndex target);

// A fallen fighter leaves the field and loses its battle state; what others held on it is released.
void RemoveFromField(Game& game, SlotIndex slot);

// The contract of fallen fighter f (counter 42) takes effect.
void ApplyDeathCurse(Game& game, SlotIndex actor, SlotIndex target, SlotIndex f);

} // namespace vk2
