// What each usable item says about itself and which targets it may take (actionCode).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/fighter_table.h"
#include "model/types.h"

namespace vk2 {

struct Game;

using ItemTest = bool (*)(const Game&, SlotIndex);

struct ItemDescriptionRow {
    std::string_view key; // first two characters of the item's name
    std::array<std::string_view, 3> lines;
    std::uint8_t actionCode;
    std::uint8_t actionKind = 0;
    Element element = kNone;
    ItemTest when = nullptr; // while it holds, actionCode is whenCode
    std::uint8_t whenCode = 0;
};

std::span<const ItemDescriptionRow> ItemDescriptions();

// The row of an item entry by its first two characters; nullptr when none.
const ItemDescriptionRow* FindItemDescription(std::string_view entryText);

// The selected entry of Item(slot) changed: show its description in Message(slot) and prepare
// actionCode, actionKind and actionElements for using it. A weapon or accessory describes itself
// through the equipment rules. While a command that takes an item as its price or gift is chosen,
// that command decides the targets instead.
void ShowItemDescription(Game& game, SlotIndex slot);

} // namespace vk2
