// Script commands that play a battle: the clock, the start button, the lists of the side panel,
// the target marks and the keys, each through the same handler the window calls.
#include <array>

#include "battle/clock.h"
#include "battle/targeting.h"
#include "cli/script_context.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/item_descriptions.h"
#include "play/manual_input.h"

namespace vk2::cli {
namespace {

constexpr int kEnterKey = 13;
constexpr std::int64_t kMostTicks = 100000;

// The two lists of a side panel, and what their Click and KeyPress events run.
struct PanelList {
    std::string_view name;
    ListBox& (*list)(Game&, SlotIndex);
    void (*click)(Game&, SlotIndex);
    void (*key)(Game&, SlotIndex, int);
};

// name, list, Click, KeyPress
constexpr std::array<PanelList, 2> kPanelLists{{
    {"command", [](Game& g, SlotIndex s) -> ListBox& { return g.form.Command[s]; }, ShowCommandDescription,
     CommandListKey},
    {"item", [](Game& g, SlotIndex s) -> ListBox& { return g.form.Item[s]; }, ShowItemDescription,
     ItemListKey},
}};

struct KeyTarget {
    std::string_view name;
    void (*key)(Game&, SlotIndex, int);
};

// control, its KeyPress
constexpr std::array<KeyTarget, 6> kKeyTargets{{
    {"command", CommandListKey},
    {"item", ItemListKey},
    {"target", TargetKey},
    {"mode", ModeKey},
    {"status", StatusSheetKey},
    {"winch", StatusButtonKey},
}};

const PanelList& ParsePanelList(const std::string& word) {
    for (const PanelList& row : kPanelLists)
        if (row.name == word) return row;
    throw ScriptError{"list must be command or item, not \"" + word + "\""};
}

// An entry by its exact text, or by its index in the list.
int ParseEntry(const ListBox& list, const std::string& word) {
    if (const int index = list.find(word); index >= 0) return index;
    if (list.count() > 0 && !word.empty() && word.find_first_not_of("0123456789") == std::string::npos)
        return static_cast<int>(ParseInteger(word, 0, list.count() - 1, "entry index"));
    throw ScriptError{"no entry " + word + " in the list"};
}

} // namespace

void TickCommand(Script& script, const Words& words) {
    RequireWords(words, 0, 1, "tick [N]");
    const std::int64_t ticks = words.empty() ? 1 : ParseInteger(words[0], 1, kMostTicks, "ticks");
    for (std::int64_t i = 0; i < ticks; ++i) BattleClockTick(script.game);
}

void StartCommand(Script& script, const Words& words) {
    RequireWords(words, 0, 0, "start");
    StartBattle(script.game);
}

void SelectEntryCommand(Script& script, const Words& words) {
    RequireWords(words, 3, 3, "select SLOT command|item ENTRY");
    const SlotIndex slot = ParseSlot(words[0], kLastBattleSlot);
    const PanelList& panel = ParsePanelList(words[1]);
    ListBox& list = panel.list(script.game, slot);
    list.selected = ParseEntry(list, words[2]);
    panel.click(script.game, slot);
}

void ConfirmEntryCommand(Script& script, const Words& words) {
    RequireWords(words, 2, 2, "confirm SLOT command|item");
    const SlotIndex slot = ParseSlot(words[0], kLastBattleSlot);
    ParsePanelList(words[1]).key(script.game, slot, kEnterKey);
}

void KeyCommand(Script& script, const Words& words) {
    RequireWords(words, 3, 3, "key SLOT command|item|target|mode|status|winch CODE");
    const SlotIndex slot = ParseSlot(words[0], kLastBattleSlot);
    const auto code = static_cast<int>(ParseInteger(words[2], 0, 255, "key code"));
    for (const KeyTarget& row : kKeyTargets)
        if (row.name == words[1]) return row.key(script.game, slot, code);
    throw ScriptError{"no key handler for " + words[1]};
}

void HoverCommand(Script& script, const Words& words) {
    RequireWords(words, 1, 1, "hover SLOT");
    HoverSlot(script.game, ParseSlot(words[0], kLastBattleSlot));
}

void ClickCommand(Script& script, const Words& words) {
    RequireWords(words, 1, 1, "click SLOT");
    ClickTarget(script.game, ParseSlot(words[0], kLastBattleSlot));
}

} // namespace vk2::cli
