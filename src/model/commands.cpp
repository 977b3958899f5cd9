#include "model/commands.h"

#include <vector>

#include "model/command_tables.h"
#include "model/digit_code.h"
#include "model/game.h"

namespace vk2 {
namespace {

// A fighter at this level keeps whatever list it has.
constexpr int kListFixedLevel = 10;
// A fighter whose picture gives it no command learns in battle when its first two digits pass this.
constexpr int kLearningThreshold = 75;

bool HoldsAllCommandsStaff(const Game& game, SlotIndex slot) {
    return game.f.weapon[slot] == kAllCommandsStaff;
}

// "ラーニング" follows the basic command and every learned command follows "ラーニング", so the
// learned ones are the entries right after the basic command. The list may be shorter than the
// count says (a command can be taken away in battle); then everything after the basic command stays.
void KeepLearnedCommands(ListBox& list, int learnedCount) {
    std::vector<ListEntry>& entries = list.entries;
    if (!entries.empty()) entries.erase(entries.begin());
    const std::size_t keep = static_cast<std::size_t>(learnedCount) + 1;
    if (entries.size() > keep) entries.resize(keep);
}

void PrepareList(Game& game, SlotIndex slot, bool staff) {
    ListBox& list = game.form.Command[slot];
    list.selected = -1;
    if (!staff && IsBattleSlot(slot) && game.f.learnedCount[slot] > 0) {
        KeepLearnedCommands(list, game.f.learnedCount[slot]);
        return;
    }
    game.f.learnedCount[slot] = 0;
    list.clear();
}

void AddAcquiredCommands(Game& game, SlotIndex slot, bool staff) {
    const FighterTable& f = game.f;
    const AcquisitionInputs inputs{f.digitCode[slot], f.redSum[slot],  f.greenSum[slot], f.blueSum[slot],
                                   f.level[slot],     f.element[slot], f.baseMaxMp[slot]};
    for (const CommandTable& table : AcquisitionTables()) {
        if (!TableApplies(table, inputs.E, staff)) continue;
        for (const CommandRow& row : table.rows)
            if (staff || row.holds(inputs)) AddCommand(game, slot, std::string(row.name), row.cost);
    }
}

void RemoveUnaffordableCommands(ListBox& list, int baseMaxMp) {
    std::erase_if(list.entries, [baseMaxMp](const ListEntry& entry) { return entry.number > baseMaxMp; });
}

} // namespace

void AddBasicAndFixedCommands(Game& game, SlotIndex slot, const std::string& basicCommand) {
    const bool backRow = game.f.position[slot] % 3 == 0;
    AddCommand(game, slot, kUseItemCommand, kNoCost);
    AddCommand(game, slot, kHandItemCommand, kNoCost);
    AddCommand(game, slot, backRow ? kAdvanceCommand : kRetreatCommand, kNoCost);
    AddCommand(game, slot, kGuardCommand, kNoCost);
    game.form.Command[slot].insert(0, basicCommand, kNoCost);
}

std::string BasicCommand(const std::string& weapon) {
    if (weapon == "眉間尺") return "アアアアアアアア！！！";
    if (weapon == "平和のためのミトン") return "トリート";
    return "たたかう";
}

void AddCommand(Game& game, SlotIndex slot, std::string name, int cost) {
    game.form.Command[slot].add(std::move(name), cost);
}

void AcquireCommands(Game& game, SlotIndex slot) {
    if (game.f.level[slot] == kListFixedLevel) return;
    const bool staff = HoldsAllCommandsStaff(game, slot);
    PrepareList(game, slot, staff);
    AddAcquiredCommands(game, slot, staff);

    ListBox& list = game.form.Command[slot];
    if (list.entries.empty() && DigitAt(game.f.digitCode[slot], 1, 2) > kLearningThreshold)
        AddCommand(game, slot, kLearningCommand, kNoCost);
    if (IsBattleSlot(slot)) AddBasicAndFixedCommands(game, slot, BasicCommand(game.f.weapon[slot]));
    if (!staff) RemoveUnaffordableCommands(list, game.f.baseMaxMp[slot]);
}

} // namespace vk2
