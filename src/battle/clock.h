// The battle clock. One tick a second refreshes the caption, the looping music and the status
// icons; while a battle runs it also advances every fighter's time counter until one passes 1000,
// runs that fighter's start-of-turn upkeep and hands it the turn.
#pragma once

#include <cstdint>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Game phases of a battle; the acting slot s has phase kPhaseTurn + s.
inline constexpr std::int16_t kPhaseNoBattle = 7;
inline constexpr std::int16_t kPhaseClockRuns = 9;
inline constexpr std::int16_t kPhaseTurn = 10;

// A fighter may act once its time counter passes this; an action costs as much.
inline constexpr std::int16_t kTurnCost = 1000;

// Whether the game window is the active window; keyboard focus moves only then.
bool IsOwnWindowActive(Game& game);

// The ATB timer's event.
void BattleClockTick(Game& game);

// Timed effects of slot s that run out as its turn begins, in their fixed order. Returns true
// when sleep or paralysis skips the turn (the skip costs the turn's 1000).
bool StartOfTurnUpkeep(Game& game, SlotIndex s);

// The click on ReadyGo: counters, tension and status carry over from any earlier battle.
void StartBattle(Game& game);

// After a fighter of `side` (0 left, 1 right) enters or leaves: offers the start of a battle once
// both sides have a fighter on the field, otherwise ends any battle.
void CheckSidesReady(Game& game, int side);

} // namespace vk2
