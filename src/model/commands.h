// A fighter's command list: which commands its picture gives it, plus the basic command and the
// fixed commands every battle slot carries.
#pragma once

#include <string>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// The staff that opens every acquisition table and keeps every command whatever its cost.
inline constexpr const char* kAllCommandsStaff = "エシ・メサの杖";

inline constexpr const char* kLearningCommand = "ラーニング";
inline constexpr const char* kUseItemCommand = "アイテム使用";
inline constexpr const char* kHandItemCommand = "アイテムをわたす";
inline constexpr const char* kAdvanceCommand = "前進";
inline constexpr const char* kRetreatCommand = "後退";
inline constexpr const char* kGuardCommand = "ぼうぎょ";
inline constexpr const char* kFightCommand = "たたかう";
inline constexpr const char* kSummonCommand = "召喚";
// The claw and the fang fight as one when the wielder carries the other half.
inline constexpr const char* kDragonTigerCommand = "龍虎乱舞";

// Rebuilds Command(slot) from the fighter's picture values. A battle slot keeps the commands it
// learned in battle and gets its basic command and the fixed commands; the preview slot holds the
// acquired commands only. A fighter at level 10 keeps its list as it is.
void AcquireCommands(Game& game, SlotIndex slot);

// Appends a command with its MP cost code to Command(slot).
void AddCommand(Game& game, SlotIndex slot, std::string name, int cost);

// The command at the top of a battle slot's list for the weapon it holds.
std::string BasicCommand(const std::string& weapon);

// Completes a battle slot's list: the four fixed commands at the end ("前進" from the back row,
// "後退" from the front) and the basic command on top.
void AddBasicAndFixedCommands(Game& game, SlotIndex slot, const std::string& basicCommand);

} // namespace vk2
