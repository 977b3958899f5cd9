// What every blow shares once its damage is known, fixed damage included: fire on oil, the
// untouchable, the result line, the on-hit effects of both fighters, and the HP change.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/damage_parts.h"
#include "battle/messages.h"
#include "battle/stats.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/elements.h"
#include "model/game.h"

namespace vk2::damage {
namespace {

// Accessories that grow a modifier of their wearer by 0.9 % of each physical hit taken.
struct HardeningAccessory {
    std::string_view accessory;
    PerBattleSlot<std::int16_t> FighterTable::*modifier;
    std::string_view ability;
};
//                                                          accessory       modifier                   ability
constexpr std::array<HardeningAccessory, 2> kHardeningAccessories{{
    {"イラキの貝殻", &FighterTable::defenseMod, "守備力"},
    {"黒狼の牙", &FighterTable::attackMod, "攻撃力"},
}};

// Commands that drain the damage they deal.
constexpr std::array<std::string_view, 3> kDrainCommands{"吸血", "養分吸収", "血の大絡"};

constexpr Colour kBombColour = Rgb(255, 136, 68);
constexpr int kBombDamage = 4000;
constexpr int kShockDamage = 1111;
constexpr int kOleanderFuel = 100;

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

int Flag(const Game& game, Element e) {
    return ActionHas(game, e) ? 1 : 0;
}

float TripledWithinCap(float m) {
    return 3 * m > kDamageCap ? kDamageCap : 3 * m;
}

// Runs an animation as if the action were of the given kind, which decides whether it shakes.
void PlayEffectAsKind(Game& game, std::uint8_t kind, SlotIndex slot, int frames, int halfPeriod, Colour a,
                      Colour b, int sound) {
    const std::uint8_t actionKind = game.actionKind;
    game.actionKind = kind;
    PlayActionEffect(game, slot, frames, halfPeriod, a, b, sound);
    game.actionKind = actionKind;
}

void ClearStatus(Game& game, SlotIndex slot, int k) {
    game.f.counter(slot, k) = 0;
    RefreshStatusIconVisibility(game, slot);
}

// The fire spell that leaves just the given HP, oil burning away, and darkness feeding 魔.
void AmplifyByField(Game& game, Blow& blow) {
    if (ChosenCommand(game, blow.attacker) == "おしびたる") {
        const double hp = static_cast<double>(HpOf(game, blow.target));
        blow.m = hp > blow.m && hp - blow.m < 10000 ? static_cast<float>(hp - blow.m) : 0.0f;
    } else if (game.f.counter(blow.target, kOilCounter) == 1 && ActionHas(game, kFire)) {
        blow.m = TripledWithinCap(blow.m);
        AppendLine(game, blow.target, "オイル燃焼！");
        ClearStatus(game, blow.target, kOilCounter);
        RecomputeAffinities(game, blow.target);
    } else if (ActionHas(game, kDark) && InDarkness(game)) {
        blow.m = TripledWithinCap(blow.m);
    }
}

void ShieldUntouchable(Game& game, Blow& blow) {
    const bool handkerchief =
        game.f.accessory[At(blow.target)] == kAliceHandkerchief && blow.attacker != blow.target;
    if (handkerchief || StartsWith(Box(game, blow.target), "的"))
        blow.m = game.f.counter(blow.target, kSleepCounter) != 0 ? kDamageCap : 0.0f;
}

void ConfuseOrCalm(Game& game, const Blow& blow) {
    if (game.actionKind <= 1) return;
    std::uint8_t& confusion = game.f.counter(blow.target, kConfusionCounter);
    const bool confusing = game.f.weapon[At(blow.attacker)] == "ぴよぴよハンマー" ||
                           game.f.counter(blow.attacker, kConfusionCounter) == 2;
    if (game.f.accessory[At(blow.target)] != kAliceHandkerchief && confusing) {
        confusion = static_cast<std::uint8_t>(confusion / 2 + 1);
        game.f.statusIconIndex[At(blow.target)] =
            static_cast<std::uint8_t>(kConfusionCounter - kHiddenCounter);
        game.form.StPic[At(blow.target)].visible = true;
        ShowStatusIcon(game, blow.target);
        AppendLine(game, blow.target, "混乱した。");
    } else if (confusion != 0) {
        AppendLine(game, blow.target, "我に返った。");
        ClearStatus(game, blow.target, kConfusionCounter);
    }
}

void ShowResult(Game& game, const Blow& blow) {
    if (game.f.counter(blow.target, kUndeadMarkCounter) == 1 && ActionHas(game, kHoly)) {
        SetHp(game, blow.target, 0);
        AppendLine(game, blow.target, "即死！");
        return;
    }
    const auto m = static_cast<std::int64_t>(blow.m);
    AppendLine(game, blow.target, blow.m > -1 ? Str(m) + " のダメージ！" : Str(-m) + " HP回復。");
    ConfuseOrCalm(game, blow);
    if (game.f.counter(blow.target, kSleepCounter) != 0) {
        AppendLine(game, blow.target, "目を覚ました。");
        ClearStatus(game, blow.target, kSleepCounter);
    }
}

void ReturnKarma(Game& game, const Blow& blow) {
    if (blow.attacker == blow.target) return;
    if (game.f.accessory[At(blow.target)] != "仏罰の数珠" && game.f.counter(blow.target, kKarmaCounter) != 9)
        return;
    const std::int64_t h = Int(blow.m * 0.5);
    SetHp(game, blow.attacker, static_cast<double>(HpOf(game, blow.attacker) - h));
    AppendLine(game, blow.attacker, "因果応報！");
    AppendLine(game, blow.attacker, Str(h) + " のダメージ！");
}

void HardenTarget(Game& game, const Blow& blow) {
    for (const HardeningAccessory& row : kHardeningAccessories) {
        if (game.f.accessory[At(blow.target)] != row.accessory) continue;
        const std::int64_t gain = Int(blow.m * 0.009);
        std::int16_t& modifier = (game.f.*row.modifier)[At(blow.target)];
        modifier = ToInt16(modifier + gain);
        AppendLine(game, blow.target, std::string(row.ability) + Str(gain) + " アップ。");
        RecomputeStats(game, blow.target);
    }
}

std::int64_t ShockByAffinity(std::int64_t s, int affinity) {
    switch (affinity) {
    case kWeak:
        return s * 2;
    case kResist:
        return Int(s * 0.5);
    case kImmune:
        return 0;
    case kAbsorb:
        return -s;
    default:
        return s;
    }
}

// An electrified target shocks whoever strikes it in reach; the blow also reveals a hidden attacker.
void ShockAttacker(Game& game, const Blow& blow) {
    if (game.f.equippedKind[At(blow.attacker)] == kBowGun) return;
    if (game.f.counter(blow.target, kElectrifiedCounter) != 0 && game.f.weapon[At(blow.attacker)] != "竹槍") {
        PlayEffectAsKind(game, 0, blow.attacker, 14, 5, ElementColour(kThunder), kBlinkMarker, 130);
        const std::int64_t s = ShockByAffinity(Mod(game.f.timeGauge[At(blow.target)], 200) + kShockDamage,
                                               game.f.affinity[At(blow.attacker)][kThunder - 1]);
        AppendLine(game, blow.attacker, "感電！" + Str(s) + (s < 0 ? "回復。" : " のダメージ！"));
        SetHp(game, blow.attacker, static_cast<double>(HpOf(game, blow.attacker) - s));
    }
    if (game.f.counter(blow.attacker, kHiddenCounter) != 0) ClearStatus(game, blow.attacker, kHiddenCounter);
}

void MoveTargetTension(Game& game, const Blow& blow) {
    const int k = blow.m * 0.04 > game.f.spirit[At(blow.target)] ? -1 : 1;
    const int elements =
        6 * Flag(game, kFire) - 6 * Flag(game, kCold) + 3 * Flag(game, kThunder) - 4 * Flag(game, kWater);
    AdjustTension(game, blow.target, static_cast<int>(k * Int(blow.m * 0.005) + elements));
}

bool IsDrainCommand(const std::string& command) {
    for (std::string_view drain : kDrainCommands)
        if (command == drain) return true;
    return false;
}

void Drain(Game& game, const Blow& blow) {
    const int halvings = game.f.counter(blow.attacker, kHealHalvingCounter);
    std::int64_t h = 0;
    if (IsDrainCommand(ChosenCommand(game, blow.attacker)))
        h = Int(blow.m / std::pow(2.0, halvings));
    else if (game.f.weapon[At(blow.attacker)] == "ブラッディシザー" && game.actionKind > 1 &&
             !StartsWith(Box(game, blow.attacker), "血肉"))
        h = Int(blow.m / std::pow(2.0, halvings + 1));
    else
        return;
    SetHp(game, blow.attacker, static_cast<double>(HpOf(game, blow.attacker) + h));
    AppendLine(game, blow.attacker, Str(h) + " HP回復。");
}

void ApplyOnHitEffects(Game& game, const Blow& blow) {
    ReturnKarma(game, blow);
    if (game.actionKind > 1) {
        HardenTarget(game, blow);
        ShockAttacker(game, blow);
        MoveTargetTension(game, blow);
    }
    Drain(game, blow);
    // Fire feeds the oleander; its smoke bursts once the action is over.
    std::uint8_t& oleander = game.f.counter(blow.target, kOleanderCounter);
    if (oleander != 0 && ActionHas(game, kFire)) oleander = ToByte(oleander + kOleanderFuel);
}

void IgniteOrDouseBomb(Game& game, SlotIndex target) {
    if (game.f.counter(target, kTimeBombCounter) == 0) return;
    if (ActionHas(game, kFire)) {
        AppendLine(game, target, "爆弾に引火！");
        PlayEffectAsKind(game, 2, target, 27, 4, kBombColour, kBlinkMarker, 112);
        const std::int64_t blast = game.f.timeGauge[At(target)] + kBombDamage;
        AppendLine(game, target, "爆発！" + Str(blast) + " のダメージ！");
        SetHp(game, target, static_cast<double>(HpOf(game, target) - blast));
        ClearStatus(game, target, kTimeBombCounter);
    } else if (ActionHas(game, kWater)) {
        AppendLine(game, target, "導火線の火が消えた。");
        ClearStatus(game, target, kTimeBombCounter);
    }
}

// The ice-tempered blade grows sharper with every cold blow its bearer takes.
void TemperIceBlade(Game& game, SlotIndex target) {
    std::int16_t& edge = game.f.equipAttack[At(target)];
    if (game.f.weapon[At(target)] != "クトネシリカ" || !ActionHas(game, kCold) || edge >= 1000) return;
    edge = static_cast<std::int16_t>(edge > 963 ? 999 : edge + 36);
    RecomputeStats(game, target);
    AppendLine(game, target, "冷気に刃が冴える！");
}

// The chisel carves the damage off the target's maximum HP.
void Carve(Game& game, const Blow& blow) {
    if (game.f.weapon[At(blow.attacker)] != "円空のノミ" || game.actionKind <= 1) return;
    if (blow.m < game.f.maxHp[At(blow.target)]) {
        std::int32_t& hpMod = game.f.hpMod[At(blow.target)];
        hpMod = ToInt32(hpMod - static_cast<std::int64_t>(blow.m));
    }
    RecomputeStats(game, blow.target);
}

} // namespace

void SettleDamage(Game& game, Blow& blow) {
    AmplifyByField(game, blow);
    ShieldUntouchable(game, blow);
    ShowResult(game, blow);
    if (blow.m > 0) ApplyOnHitEffects(game, blow);
    IgniteOrDouseBomb(game, blow.target);
    TemperIceBlade(game, blow.target);
    SetHp(game, blow.target, static_cast<double>(HpOf(game, blow.target)) - blow.m);
    Carve(game, blow);
}

} // namespace vk2::damage
