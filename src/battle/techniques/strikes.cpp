#include "battle/techniques/strikes.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "battle/boxes.h"
#include "battle/damage.h"
#include "battle/messages.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "battle/stats.h"
#include "battle/techniques/technique_rules.h"
#include "battle/techniques/weapon_effects.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// The twin daggers strike a second time on a roll above 8: seven chances in sixteen.
constexpr std::string_view kTwinDaggers = "双匕首";
constexpr int kTwinDaggersRollAbove = 8;
// Each extra strike hits 5 weaker than the one before.
constexpr int kExtraStrikePowerStep = 5;
constexpr std::uint8_t kPhysicalAction = 2;

constexpr double kDefenseCutRate = 0.14;

void SeekWeakness(Game& game, const Action& action) {
    if (game.f.counter(action.actor, kWeaknessSeekerCounter) != 1) return;
    const ElementCodes& affinity = game.f.affinity[At(action.target)];
    for (std::size_t i = 0; i < kElements; ++i) game.actionElements[i] = affinity[i] == kWeak ? 1 : 0;
}

void CutDefense(Game& game, const Action& action) {
    const std::int64_t n = Int(game.f.attack[At(action.actor)] * kDefenseCutRate);
    std::int16_t& mod = game.f.defenseMod[At(action.target)];
    mod = ToInt16(mod - n);
    RecomputeStats(game, action.target);
    AppendLine(game, action.target, "守備力" + Str(n) + " ダウン。");
}

void PushToBackRow(Game& game, const Action& action) {
    if (game.f.position[At(action.target)] % 3 == 0) return;
    SlotIndex target = action.target;
    std::string key = "後退";
    ExecuteSkill(game, target, target, key);
    AppendLine(game, action.target, "後列に押し戻した。");
}

void PartForever(Game& game, const Action& action) {
    if (HpOf(game, action.target) != 0) return;
    ReplaceLine(game, action.target, "今生の別れ！");
}

void WeaponEffectOnHit(Game& game, const Action& action) {
    ApplyWeaponEffect(game, action.actor, action.target);
}

struct StrikeVariant {
    std::string_view key;
    bool seeksWeakness; // the weakness seeker's elements replace the strike's
    int extraStrikes;   // beyond the first, each 5 weaker
    void (*onConnect)(Game&, const Action&);
};
//                                      key    seeksWeakness extraStrikes onConnect
constexpr std::array<StrikeVariant, 8> kStrikeVariants{{
    {"たた", true, 0, WeaponEffectOnHit}, // たたかう
    {"おし", false, 0, nullptr},          // おしびたる
    {"二連", false, 1, nullptr},          // 二連撃
    {"三連", false, 2, nullptr},          // 三連撃
    {"そぎ", false, 0, CutDefense},       // そぎ落とす
    {"突撃", false, 0, PushToBackRow},    // 突撃
    {"一期", false, 0, PartForever},      // 一期一会
    {"ああ", false, 0, nullptr},          // one strike of アアアアアアアア！！！
}};

const StrikeVariant& VariantOf(std::string_view key) {
    for (const StrikeVariant& variant : kStrikeVariants)
        if (variant.key == key) return variant;
    return kStrikeVariants.front();
}

int ExtraStrikes(const Game& game, const Action& action, const StrikeVariant& variant) {
    const bool twinDaggers =
        game.f.weapon[At(action.actor)] == kTwinDaggers && game.techniqueRoll > kTwinDaggersRollAbove;
    return std::max(variant.extraStrikes, twinDaggers ? 1 : 0);
}

// Every strike is made, even on a target the first one felled.
void Strike(Game& game, Action& action) {
    const StrikeVariant& variant = VariantOf(action.key);
    if (variant.seeksWeakness) SeekWeakness(game, action);
    const std::int16_t& attack = game.f.attack[At(action.actor)]; // a strike may change it
    ResolveAttack(game, action.actor, action.target, attack, 0);
    if (variant.onConnect != nullptr && StrikeConnected(game, action.target)) variant.onConnect(game, action);
    const int extra = ExtraStrikes(game, action, variant);
    for (int i = 1; i <= extra; ++i) {
        game.actionKind = kPhysicalAction;
        ResolveAttack(game, action.actor, action.target, ToInt16(attack - kExtraStrikePowerStep * i), 0);
    }
}

constexpr std::array<KeyHandler, kStrikeVariants.size()> StrikeTable() {
    std::array<KeyHandler, kStrikeVariants.size()> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = {kStrikeVariants[i].key, Strike};
    return table;
}

constexpr auto kStrikeHandlers = StrikeTable();

} // namespace

std::span<const KeyHandler> StrikeHandlers() {
    return kStrikeHandlers;
}

} // namespace vk2
