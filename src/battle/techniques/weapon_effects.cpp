#include "battle/techniques/weapon_effects.h"

#include <array>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "battle/stats.h"
#include "battle/techniques/execute_technique.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// Entry 0 and the last four entries of a command list are never cut.
constexpr int kUncutCommands = 5;
// The frenzied strikes of アアアアアアアア！！！ never cut a command.
constexpr std::string_view kFrenzyKey = "アア";

constexpr int kBlindnessAdded = 3;

constexpr int kReapSound = 180;
constexpr int kCakeSound = 8;
constexpr int kBarrierBreakSound = 4;
constexpr std::string_view kCake = "うさぎ餅";
constexpr int kFullItemList = 10;

// The kill bonus to the time counter: (maximum HP mod 1500) + 2500.
constexpr int kKillBonusCycle = 1500;
constexpr int kKillBonusBase = 2500;

// How often each chance effect strikes: a technique roll below these.
constexpr int kRazorRollBelow = 8;
constexpr int kSandRollBelow = 10;
constexpr int kReapRollBelow = 4;
constexpr int kCakeRollBelow = 2;
constexpr int kReapLevelAbove = 9;

struct Hit {
    SlotIndex actor;
    SlotIndex target;
    int r;
};

void CutCommand(Game& game, const Hit& hit) {
    ListBox& commands = game.form.Command[At(hit.target)];
    const int count = commands.count();
    if (count <= kUncutCommands || hit.r >= kRazorRollBelow ||
        !PassesGuard(game, hit.target, GuardTest::BelowTwo) ||
        Left(SelectedEntry(game.form.Command[At(hit.actor)]), 2) == kFrenzyKey)
        return;
    const int n = DrawIndex(game, count - kUncutCommands) + 1;
    AppendLine(game, hit.target, "「" + commands.entries[At(n)].text + "」を");
    AppendLine(game, hit.target, "削除。");
    RemoveEntry(commands, n);
}

void MarkInBlood(Game& game, const Hit& hit) {
    std::uint8_t& mark = game.f.counter(hit.target, kBloodMarkCounter);
    if (!PassesGuard(game, hit.target, GuardTest::BelowTwo) || mark == hit.actor + 1) return;
    mark = static_cast<std::uint8_t>(hit.actor + 1);
    AppendLine(game, hit.target, "鮮血の痕を刻んだ！");
}

void ThrowSand(Game& game, const Hit& hit) {
    if (!PassesGuard(game, hit.target, GuardTest::BelowTwo) || hit.r >= kSandRollBelow) return;
    std::uint8_t& blindness = game.f.counter(hit.target, kBlindnessCounter);
    blindness = ToByte(blindness + kBlindnessAdded);
    ShowAfflictionIcon(game, hit.target, kBlindnessCounter);
    AppendLine(game, hit.target, "砂が目に入った！");
}

void Repaint(Game& game, const Hit& hit) {
    SlotIndex target = hit.target;
    std::string key = "はっ";
    ExecuteTechnique(game, hit.actor, target, key);
}

void TradeDefenseForSpirit(Game& game, const Hit& hit) {
    const auto t = At(hit.target);
    const std::int16_t d = game.f.defense[t];
    const std::int64_t gain = Int(d * 0.25);
    AppendLine(game, hit.target, "守備力半減！");
    AppendLine(game, hit.target, "精神力" + Str(gain) + "アップ。");
    game.f.defenseMod[t] = ToInt16(game.f.defenseMod[t] - Int(d * 0.5));
    game.f.spiritMod[t] = ToInt16(game.f.spiritMod[t] + gain);
    RecomputeStats(game, hit.target);
}

// The bond the slave maker forces on the fighter it strikes, and the order it gives.
struct BondOrder {
    Bond bond;
    std::string_view order;
};
// By the roll mod 3; the wielder is the master.
//                                   bond                       order
constexpr std::array<BondOrder, 3> kBondOrders{{
    {Bond::HandOverEquipment, "「装備品を私に捧げなさい」"},
    {Bond::AttackOwnSide, "「仲間を攻撃しなさい」"},
    {Bond::CoverMaster, "「私を守りなさい」"},
}};

void Enslave(Game& game, const Hit& hit) {
    const bool handkerchief = game.f.accessory[At(hit.target)] == kAliceHandkerchief;
    const bool binds = (hit.r * 10 < game.f.proficiency[At(hit.actor)][kStaff] &&
                        PassesGuard(game, hit.target, GuardTest::BelowTwo)) ||
                       (handkerchief && game.f.counter(hit.target, kSleepCounter) != 0);
    if (!binds) return;
    // The handkerchief invites the most obedient bond.
    const int r = handkerchief ? 0 : hit.r;
    const BondOrder& order = kBondOrders[At(r % 3)];
    ForceBond(game, hit.actor, hit.target, order.bond);
    AppendLine(game, hit.target, order.order);
}

void Reap(Game& game, const Hit& hit) {
    if (game.f.level[At(hit.target)] > kReapLevelAbove || hit.r >= kReapRollBelow ||
        WearsDeathCharm(game, hit.target))
        return;
    PlaySoundEffect(game, kReapSound);
    FellFighter(game, hit.target);
    AppendLine(game, hit.target, "魂を摘み取った。");
}

void PassAilmentsOn(Game& game, const Hit& hit) {
    bool ailing = false;
    for (int k = kMadnessCounter; k <= kAgeingCounter; ++k)
        ailing = ailing || game.f.counter(hit.actor, k) != 0;
    if (!ailing) return;
    SlotIndex target = hit.target;
    std::string key = "イン";
    ExecuteSkill(game, hit.actor, target, key);
}

void HastenAfterKill(Game& game, const Hit& hit) {
    if (HpOf(game, hit.target) != 0) return;
    std::int16_t& gauge = game.f.timeGauge[At(hit.actor)];
    gauge = ToInt16(gauge + Mod(game.f.maxHp[At(hit.target)], kKillBonusCycle) + kKillBonusBase);
}

void TurnIntoCake(Game& game, const Hit& hit) {
    ListBox& items = game.form.Item[At(hit.actor)];
    if (items.count() >= kFullItemList || !PassesGuard(game, hit.target, GuardTest::BelowTwo) ||
        hit.r >= kCakeRollBelow)
        return;
    FellFighter(game, hit.target);
    items.add(std::string(kCake), kItemConsumable);
    PlaySoundEffect(game, kCakeSound);
    AppendLine(game, hit.target, "うさぎ餅に変化した。");
}

void BreakBarriers(Game& game, const Hit& hit) {
    int sum = 0;
    for (int k = kLemonBarrierCounter; k <= kMirrorCounter; ++k) sum += game.f.counter(hit.target, k);
    if (sum < 1) return;
    for (int k = kLemonBarrierCounter; k <= kMirrorCounter; ++k) {
        std::uint8_t& barrier = game.f.counter(hit.target, k);
        if (barrier == 0) continue;
        barrier = 0;
        AppendLine(game, hit.target, StatusExpiryName(k));
    }
    PlaySoundEffect(game, kBarrierBreakSound);
    AppendLine(game, hit.target, "を打ち破った。");
}

struct WeaponEffect {
    std::string_view weapon;
    void (*apply)(Game&, const Hit&);
};
//                                             weapon            effect
constexpr std::array<WeaponEffect, 11> kWeaponEffects{{
    {"オッカムの剃刀", CutCommand},
    {"忘れられたメス", MarkInBlood},
    {"一握の砂", ThrowSand},
    {"パレットナイフ", Repaint},
    {"倶利伽羅不動", TradeDefenseForSpirit},
    {"スレイブメーカー", Enslave},
    {"デスサイズ", Reap},
    {"極楽鳥の爪", PassAilmentsOn},
    {"キリングサーベル", HastenAfterKill},
    {"うさぎの杵", TurnIntoCake},
    {"パラドクス", BreakBarriers},
}};

} // namespace

void ApplyWeaponEffect(Game& game, SlotIndex actor, SlotIndex target) {
    const std::string& weapon = game.f.weapon[At(actor)];
    for (const WeaponEffect& effect : kWeaponEffects) {
        if (weapon != effect.weapon) continue;
        effect.apply(game, Hit{actor, target, game.techniqueRoll});
        return;
    }
}

} // namespace vk2
