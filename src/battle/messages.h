// Each battle slot's message box collects that slot's lines of battle text.
#pragma once

#include <string_view>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Appends text and a line break (CR LF) to Message(slot).
void AppendLine(Game& game, SlotIndex slot, std::string_view text);

// Places Message(slot) beside the slot's side panel and records `shifted` (0 or 1) in
// messageOffset. A lone member's box stands clear of its panel towards the middle; otherwise a
// shifted box moves one panel width, to the side given by the fighter's position.
void PlaceMessageBox(Game& game, SlotIndex slot, int shifted);

} // namespace vk2
