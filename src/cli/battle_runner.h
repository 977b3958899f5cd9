// A whole battle without a window: fighters entered from pictures, every slot played by the
// automatic player, the clock ticked until one side is left. What each turn showed in the message
// boxes is captured at every pause, as a player would have read it before the boxes were emptied.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"
#include "model/fighter_table.h"

namespace vk2 {
struct Game;
}

namespace vk2::cli {

struct BattleSetup {
    std::vector<std::string> left;  // 1-3 pictures
    std::vector<std::string> right; // 1-3 pictures
    std::uint64_t seed = 1;
    bool booty = true;
    int maxTurns = 2000;
};

struct TurnRecord {
    int turn = 0;
    SlotIndex actor = -1; // -1 when the turn was skipped before any command was chosen
    std::string actorName;
    std::string command;
    SlotIndex target = -1;
    std::string targetName;
    std::vector<std::pair<SlotIndex, std::string>> lines; // message box lines in the order shown
};

struct BattleResult {
    enum class Ending { LeftWins, RightWins, NoneLeft, TurnLimit, Refused };
    Ending ending = Ending::Refused;
    int turns = 0;
    std::string problem; // why the battle could not be set up or went on
};

struct BattleObserver {
    std::function<void(const TurnRecord&)> turn; // after every turn
    std::function<void(const Game&)> afterTick;  // after every tick, for invariant checks
};

// Plays the battle; `files` reads the pictures (the disk, or pictures a test made in memory).
BattleResult RunBattle(const BattleSetup& setup, Platform& files, const BattleObserver& observer = {});

std::string EndingText(const BattleResult& result);

} // namespace vk2::cli
