// The command catalogue: for every command a fighter can have, its description, the targets it may
// take (actionCode), its kind, its elements and whether it can be used right now.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/fighter_table.h"
#include "model/types.h"

namespace vk2 {

struct Game;
struct CommandSituation;

// actionCode of a command or item that cannot be used now: no target can be marked for it.
inline constexpr std::uint8_t kUnusable = 255;

// A fighter in automatic mode shows a black Mode box.
bool IsAutomatic(const Game& game, SlotIndex slot);

// Description lines as message box text: the lines that are not empty, joined with CR LF.
std::string JoinDescriptionLines(std::span<const std::string_view> lines);

using CommandTest = bool (*)(const CommandSituation&);

enum class DescriptionLayout : std::uint8_t {
    AsWritten, // exactly its lines
    FourLines, // padded with empty lines so that a cost line is always the fifth
};

// What a row takes from the fighter's weapon.
enum class FromWeapon : std::uint8_t { Nothing, Elements, NameAndElements };

// While `when` holds the command shows these lines instead and cannot be used.
struct CommandShortfall {
    CommandTest when = nullptr;
    std::array<std::string_view, 2> lines{};
};

struct CommandCatalogueRow {
    std::array<std::string_view, 3> keys; // first two characters of the entries it describes
    std::string_view entry;               // non-empty: only the entry whose whole text is this
    std::array<std::string_view, 4> lines;
    DescriptionLayout layout;
    std::uint8_t actionCode;
    std::uint8_t actionKind; // 0 other, 1 a spell mirrors reflect, 2 and 3 physical
    std::array<Element, 2> elements;
    CommandTest when = nullptr; // while it holds, actionCode is whenCode
    std::uint8_t whenCode = kUnusable;
    std::string_view costNote = {}; // the fifth line of the commands that state their own cost rule
    CommandShortfall shortfall = {};
    FromWeapon fromWeapon = FromWeapon::Nothing;
};

std::span<const CommandCatalogueRow> CommandCatalogue();

// The row describing a command entry: a row naming the whole entry text wins over a row of its key;
// nullptr when none.
const CommandCatalogueRow* FindCommandRow(std::string_view entryText);

// Choosing a command or an item ends the entry panel's background-choice layout; returns whether the
// panel was in it.
bool LeaveBackgroundChoice(Game& game);

// The selected entry of Command(slot) changed: describe it in Message(slot) with its MP cost and
// prepare actionCode, actionKind, actionElements and mpCost. The preview slot and an empty
// selection are ignored.
void ShowCommandDescription(Game& game, SlotIndex slot);

} // namespace vk2
