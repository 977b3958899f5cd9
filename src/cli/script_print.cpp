// Script commands that report: printed values and the check on unused random values.
#include <array>
#include <ostream>

#include "cli/script_context.h"
#include "cli/script_fields.h"
#include "core/text.h"
#include "files/entry.h"
#include "model/equipment.h"

namespace vk2::cli {
namespace {

using Printer = std::string (*)(Script&, SlotIndex);

struct PrintRow {
    std::string_view name;
    Printer print;
    int slots; // 7 when the preview slot has it, 6 for battle slots only
};

std::string ColourText(Colour c) {
    return Num(RedOf(c)) + "," + Num(GreenOf(c)) + "," + Num(BlueOf(c));
}

std::string ShownText(bool visible) {
    return visible ? "shown" : "hidden";
}

// Entries in brackets with their numbers; the selected one is marked with ">".
std::string ListText(const ListBox& list) {
    if (list.entries.empty()) return "(none)";
    std::string text;
    for (int i = 0; i < list.count(); ++i) {
        const ListEntry& entry = list.entries[static_cast<std::size_t>(i)];
        if (i > 0) text += " ";
        text += i == list.selected ? "[>" : "[";
        text += entry.text + " " + Num(entry.number) + "]";
    }
    return text;
}

// A message keeps to one output line: line breaks are written as \n.
std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            line += "\\n";
            ++i;
        } else if (text[i] == '\n' || text[i] == '\r') {
            line += text[i] == '\n' ? "\\n" : "\\r";
        } else {
            line += text[i];
        }
    }
    return line;
}

template <std::size_t N> std::string NumbersText(const std::array<std::uint8_t, N>& values) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) text += " ";
        text += Num(values[i]);
    }
    return text;
}

// name, what it prints, slots that have it
constexpr std::array<PrintRow, 15> kPrintRows{{
    {"hp", [](Script& s, SlotIndex slot) { return s.game.form.HP[slot].text; }, kBattleSlots},
    {"mp", [](Script& s, SlotIndex slot) { return s.game.form.MP[slot].text; }, kBattleSlots},
    {"commands", [](Script& s, SlotIndex slot) { return ListText(s.game.form.Command[slot]); }, kSlots},
    {"items", [](Script& s, SlotIndex slot) { return ListText(ItemList(s.game, slot)); }, kSlots},
    {"message", [](Script& s, SlotIndex slot) { return OneLine(s.game.form.Message[slot].text); },
     kBattleSlots},
    {"cursor",
     [](Script& s, SlotIndex slot) {
         const Label& cursor = s.game.form.Cursor[slot];
         return ShownText(cursor.visible) + " " + ColourText(cursor.foreColour);
     },
     kBattleSlots},
    {"mode", [](Script& s, SlotIndex slot) { return s.game.form.Mode[slot].text; }, kBattleSlots},
    {"name", [](Script& s, SlotIndex slot) { return FighterName(s.game.f.filePath[slot]); }, kSlots},
    {"weapon", [](Script& s, SlotIndex slot) { return s.game.f.weapon[slot]; }, kSlots},
    {"accessory", [](Script& s, SlotIndex slot) { return s.game.f.accessory[slot]; }, kSlots},
    {"digits", [](Script& s, SlotIndex slot) { return s.game.f.digitCode[slot]; }, kSlots},
    {"affinity", [](Script& s, SlotIndex slot) { return NumbersText(s.game.f.affinity[slot]); }, kSlots},
    {"weaponElements", [](Script& s, SlotIndex slot) { return NumbersText(s.game.f.weaponElements[slot]); },
     kSlots},
    {"proficiency", [](Script& s, SlotIndex slot) { return NumbersText(s.game.f.proficiency[slot]); },
     kSlots},
    {"frame",
     [](Script& s, SlotIndex slot) {
         const Form& form = s.game.form;
         return ShownText(form.ViewUnder[slot].visible) + " border " + Num(form.ViewFrame[slot].borderStyle) +
                " " + ColourText(form.ViewFrame[slot].borderColour);
     },
     kSlots},
}};

struct GameRow {
    std::string_view name;
    std::string (*print)(Script&);
};

// name, what it prints
constexpr std::array<GameRow, 5> kGameRows{{
    {"phase", [](Script& s) { return Num(s.game.phase); }},
    {"background", [](Script& s) { return ColourText(s.game.form.backColour); }},
    {"party", [](Script& s) { return Num(s.game.partySize[0]) + " " + Num(s.game.partySize[1]); }},
    {"actionCode", [](Script& s) { return Num(s.game.actionCode); }},
    {"unusedRolls", [](Script& s) { return Num(static_cast<std::int64_t>(s.random.unused())); }},
}};

void RequireSlotHas(SlotIndex slot, int slots, std::string_view name) {
    if (slot >= slots)
        throw ScriptError{std::string(name) + " exists for slots 0 to " + Num(slots - 1) + " only"};
}

std::string SlotValue(Script& script, SlotIndex slot, const std::string& name) {
    for (const PrintRow& row : kPrintRows) {
        if (row.name != name) continue;
        RequireSlotHas(slot, row.slots, name);
        return row.print(script, slot);
    }
    const NumericField* field = FindNumericField(name);
    if (field == nullptr) throw ScriptError{"unknown field " + name};
    RequireSlotHas(slot, field->slots, name);
    return Num(field->get(script.game.f, slot));
}

void PrintSlot(Script& script, SlotIndex slot, const Words& words) {
    const std::string prefix = "slot " + Num(slot) + " ";
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "counter") {
            if (++i == words.size()) throw ScriptError{"counter needs its number"};
            RequireSlotHas(slot, kBattleSlots, "counter");
            const auto k = static_cast<int>(ParseInteger(words[i], 0, kCounters - 1, "counter"));
            script.out << prefix << "counter " << k << " = " << Num(script.game.f.counter(slot, k)) << "\n";
        } else {
            script.out << prefix << words[i] << " = " << SlotValue(script, slot, words[i]) << "\n";
        }
    }
}

void PrintGame(Script& script, const Words& words) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        const GameRow* found = nullptr;
        for (const GameRow& row : kGameRows)
            if (row.name == words[i]) found = &row;
        if (found == nullptr) throw ScriptError{"unknown game value " + words[i]};
        script.out << "game " << words[i] << " = " << found->print(script) << "\n";
    }
}

} // namespace

void PrintCommand(Script& script, const Words& words) {
    RequireWords(words, 2, SIZE_MAX, "print SLOT|game WHAT...");
    if (words[0] == "game") return PrintGame(script, words);
    PrintSlot(script, ParseSlot(words[0], kPreviewSlot), words);
}

void ExpectUnusedRollsCommand(Script& script, const Words& words) {
    RequireWords(words, 1, 1, "expect-unused-rolls N");
    const auto expected = ParseInteger(words[0], 0, INT32_MAX, "the number of rolls");
    const auto unused = static_cast<std::int64_t>(script.random.unused());
    if (unused != expected)
        throw ScriptError{Num(unused) + " random values unused, expected " + Num(expected),
                          kScriptCheckFailed};
}

} // namespace vk2::cli
