#include "battle/skills/execute_skill.h"

#include <array>

#include "battle/action.h"
#include "battle/techniques/execute_technique.h"

namespace vk2 {
namespace {

// The skill families, each a table of its own keys.
std::span<const std::span<const KeyHandler>> SkillFamilies() {
    static const std::array<std::span<const KeyHandler>, 0> families{};
    return families;
}

} // namespace

void ExecuteSkill(Game& game, SlotIndex actor, SlotIndex& target, std::string& key) {
    if (const ActionHandler handler = FindHandler(SkillFamilies(), key)) {
        Action action{actor, target, key};
        handler(game, action);
        return;
    }
    ExecuteTechnique(game, actor, target, key);
}

} // namespace vk2
