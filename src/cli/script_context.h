// What the handlers of the scenario script share: the game they drive, where output goes, and
// the reading of their arguments. A handler reports a malformed line by throwing ScriptError.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/headless_platform.h"
#include "core/random.h"
#include "model/game.h"

namespace vk2::cli {

// Exit statuses of a script: a failed check, or a line that cannot be run as written.
inline constexpr int kScriptCheckFailed = 1;
inline constexpr int kScriptMalformed = 2;

inline constexpr SlotIndex kLastBattleSlot = kBattleSlots - 1;

struct ScriptError {
    std::string reason;
    int status = kScriptMalformed;
};

struct Script {
    explicit Script(std::filesystem::path folder, std::ostream& out) : folder(std::move(folder)), out(out) {}

    HeadlessPlatform platform;
    ScriptedRandom random;
    Game game{platform, random};
    std::filesystem::path folder; // relative paths in the script start here
    std::ostream& out;
};

// The words of a line after its keyword.
using Words = std::vector<std::string>;

// Arguments: each throws ScriptError naming `what` when the word does not fit.
std::int64_t ParseInteger(const std::string& word, std::int64_t lo, std::int64_t hi, std::string_view what);
double ParseReal(const std::string& word, std::string_view what);
SlotIndex ParseSlot(const std::string& word, SlotIndex last);
// "front" or "back"; no value for "auto", the row the fighter would choose itself.
std::optional<int> ParseRow(const std::string& word);
// Throws the usage text unless there are between min and max words.
void RequireWords(const Words& words, std::size_t min, std::size_t max, std::string_view usage);

// One function per script command.
void PictureCommand(Script& script, const Words& words);
void FighterCommand(Script& script, const Words& words);
void SetCommand(Script& script, const Words& words);
void CounterCommand(Script& script, const Words& words);
void RecomputeCommand(Script& script, const Words& words);
void BackgroundCommand(Script& script, const Words& words);
void PartyCommand(Script& script, const Words& words);
void PhaseCommand(Script& script, const Words& words);
void HerbsCommand(Script& script, const Words& words);
void RandomCommand(Script& script, const Words& words);
void PrintCommand(Script& script, const Words& words);
void ExpectUnusedRollsCommand(Script& script, const Words& words);
void TickCommand(Script& script, const Words& words);
void StartCommand(Script& script, const Words& words);
void SelectEntryCommand(Script& script, const Words& words);
void ConfirmEntryCommand(Script& script, const Words& words);
void KeyCommand(Script& script, const Words& words);
void HoverCommand(Script& script, const Words& words);
void ClickCommand(Script& script, const Words& words);

} // namespace vk2::cli
