// One command carried out: who acts, on whom, and with which key. Handlers may re-aim the target
// or rewrite the key (a finishing move, a sweet handed over), and the caller goes on with the new
// values.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/fighter_table.h"

namespace vk2 {

struct Game;

struct Action {
    SlotIndex actor;
    SlotIndex& target;
    std::string& key; // the command key: the first two characters of the command or item name
};

using ActionHandler = void (*)(Game&, Action&);

// One row of a family's dispatch table.
struct KeyHandler {
    std::string_view key;
    ActionHandler handler;
};

// The handler for key among the given families, or nullptr.
ActionHandler FindHandler(std::span<const std::span<const KeyHandler>> families, std::string_view key);

} // namespace vk2
