#include "battle/techniques/execute_technique.h"

#include <array>

#include "battle/action.h"
#include "core/numbers.h"
#include "model/game.h"

namespace vk2 {
namespace {

// The technique families, each a table of its own keys.
std::span<const std::span<const KeyHandler>> TechniqueFamilies() {
    static const std::array<std::span<const KeyHandler>, 0> families{};
    return families;
}

} // namespace

void ExecuteTechnique(Game& game, SlotIndex actor, SlotIndex& target, std::string& key) {
    game.random.reseed();
    game.techniqueRoll = static_cast<std::int16_t>(Int(game.random.next() * 16));
    if (const ActionHandler handler = FindHandler(TechniqueFamilies(), key)) {
        Action action{actor, target, key};
        handler(game, action);
    }
}

} // namespace vk2
