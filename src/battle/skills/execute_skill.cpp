#include "battle/skills/execute_skill.h"

#include <array>

#include "battle/action.h"
#include "battle/skills/afflictions.h"
#include "battle/skills/attack_magic.h"
#include "battle/skills/barriers.h"
#include "battle/skills/field_effects.h"
#include "battle/skills/healing.h"
#include "battle/skills/item_handling.h"
#include "battle/skills/stances.h"
#include "battle/techniques/execute_technique.h"
#include "model/game.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

// The skill families, each a table of its own keys.
std::span<const std::span<const KeyHandler>> SkillFamilies() {
    static const std::array<std::span<const KeyHandler>, 7> families{
        AttackMagic(),        HealingHandlers(),     BarrierHandlers(),     StanceHandlers(),
        AfflictionHandlers(), FieldEffectHandlers(), ItemHandlingHandlers()};
    return families;
}

// A key that two commands share. The action tells them apart, and each command's effect is
// registered under its full name so that the families never claim the same key.
struct SharedKey {
    std::string_view key;
    bool (*isFirst)(const Game&, SlotIndex actor);
    std::array<std::string_view, 2> commands;
};

// clang-format off
//   key     the first command when                               first command        second command
constexpr std::array<SharedKey, 4> kSharedKeys{{
    {"アイ", [](const Game& g, SlotIndex) { return g.actionCode == 6; }, {"アイスウォール", "アイテムをわたす"}},
    {"バイ", [](const Game& g, SlotIndex) { return g.actionCode >= 100; }, {"バイオスティング", "バイタルドリンク"}},
    {"プラ", [](const Game& g, SlotIndex a) { return SelectedCommand(g, a) == "プラズマ"; }, {"プラズマ", "プライドブレイク"}},
    {"大地", [](const Game& g, SlotIndex a) { return SelectedCommand(g, a) == "大地震"; }, {"大地震", "大地の恵み"}},
}};
// clang-format on

const SharedKey* FindSharedKey(std::string_view key) {
    for (const SharedKey& shared : kSharedKeys)
        if (shared.key == key) return &shared;
    return nullptr;
}

// The name the families know the action's effect by.
std::string_view EffectName(const Game& game, SlotIndex actor, std::string_view key) {
    const SharedKey* shared = FindSharedKey(key);
    if (shared == nullptr) return key;
    return shared->commands[shared->isFirst(game, actor) ? 0 : 1];
}

} // namespace

void ExecuteSkill(Game& game, SlotIndex actor, SlotIndex& target, std::string& key) {
    if (const ActionHandler handler = FindHandler(SkillFamilies(), EffectName(game, actor, key))) {
        Action action{actor, target, key};
        handler(game, action);
        return;
    }
    ExecuteTechnique(game, actor, target, key);
}

bool HasSkillHandler(std::string_view key) {
    const SharedKey* shared = FindSharedKey(key);
    if (shared == nullptr) return FindHandler(SkillFamilies(), key) != nullptr;
    for (std::string_view command : shared->commands)
        if (FindHandler(SkillFamilies(), command) == nullptr) return false;
    return true;
}

} // namespace vk2
