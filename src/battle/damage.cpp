#include "battle/damage.h"

#include <array>
#include <span>
#include <string_view>

#include "battle/counters.h"
#include "battle/damage_parts.h"
#include "battle/messages.h"
#include "battle/mp_cost.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/game.h"

namespace vk2 {
namespace damage {
namespace {

// Side-wide techniques strike the whole side, so a protector cannot step in front of them.
constexpr std::array<std::string_view, 3> kUncoverableTechniques{"飛旋", "オー", "アト"};

constexpr std::string_view kDecoyAccessory = "コバルトの的";

// Weak (1) minus a carried element (1) gives 0, resistant 4, immune 6, absorbing 8.
enum AffinityDifference { kWeakHit = 0, kResistedHit = 4, kNullifiedHit = 6, kAbsorbedHit = 8 };

// A protector takes physical blows meant for the fighter it covers.
bool RedirectToProtector(Game& game, SlotIndex attacker, SlotIndex& target) {
    const int protector = game.f.counter(target, kKarmaCounter) - 10;
    if (protector < 0 || game.actionKind < 2 || !IsBattleSlot(protector) ||
        StartsWithAny(Box(game, attacker), kUncoverableTechniques))
        return false;
    target = protector;
    AppendLine(game, target, "攻撃をかばった！");
    return true;
}

// The first fighter on the field with the decoy draws a single-target spell aimed at its side.
void RedirectToDecoy(Game& game, SlotIndex& target) {
    if (game.actionKind >= 2 || Mod(game.actionCode, 100) == 99) return;
    for (SlotIndex s = SideBase(target); s <= SideLast(game, target); ++s) {
        if (OnField(game, s) && game.f.accessory[static_cast<std::size_t>(s)] == kDecoyAccessory) {
            target = s;
            Box(game, s) = "的が攻撃を引き寄せた！\r\n";
            return;
        }
    }
}

void ResolveOne(Game& game, SlotIndex attacker, SlotIndex target, int power, int flags) {
    if (!RedirectToProtector(game, attacker, target)) RedirectToDecoy(game, target);
    Blow blow{attacker, target, power};
    if (flags >= kFixedDamage) {
        blow.m = static_cast<float>(power);
    } else {
        RollLuckAndAffinities(game, blow);
        if (game.actionKind < 2)
            ApplySpellFormula(game, blow);
        else if (!ApplyPhysicalFormula(game, blow))
            return;
    }
    SettleDamage(game, blow);
}

} // namespace

std::string ChosenCommand(const Game& game, SlotIndex slot) {
    const ListBox& list = game.form.Command[static_cast<std::size_t>(slot)];
    if (list.selected < 0 || list.selected >= list.count()) return {};
    return list.entries[static_cast<std::size_t>(list.selected)].text;
}

bool OnField(const Game& game, SlotIndex slot) {
    return game.form.ViewUnder[static_cast<std::size_t>(slot)].visible;
}

bool ActionHas(const Game& game, Element e) {
    return game.actionElements[static_cast<std::size_t>(e - 1)] != 0;
}

bool InDarkness(const Game& game) {
    return game.form.backColour == kKaliYugaField;
}

std::string& Box(Game& game, SlotIndex slot) {
    return game.form.Message[static_cast<std::size_t>(slot)].text;
}

const std::string& Box(const Game& game, SlotIndex slot) {
    return game.form.Message[static_cast<std::size_t>(slot)].text;
}

bool StartsWithAny(std::string_view text, std::span<const std::string_view> prefixes) {
    for (std::string_view prefix : prefixes)
        if (StartsWith(text, prefix)) return true;
    return false;
}

bool IsPlainAttack(const Game& game, SlotIndex attacker) {
    return ChosenCommand(game, attacker) == "たたかう" && StartsWith(Box(game, attacker), "たた");
}

void RollLuckAndAffinities(Game& game, Blow& blow) {
    const FighterTable& f = game.f;
    const auto t = static_cast<std::size_t>(blow.target);
    game.random.reseed();
    blow.r = static_cast<float>(Int(game.random.next() * 16.0));
    blow.m = blow.power == 0 ? 0.0f : 1.0f;

    bool nullified = false;
    bool elemental = false;
    for (std::size_t i = 0; i < kElements; ++i) {
        elemental = elemental || game.actionElements[i] != 0;
        switch (f.affinity[t][i] - game.actionElements[i]) {
        case kWeakHit:
            Scale(blow, 2);
            break;
        case kResistedHit:
            Scale(blow, 0.5);
            break;
        case kNullifiedHit:
            nullified = true;
            break;
        case kAbsorbedHit:
            if (blow.m > 0) blow.m = -blow.m;
            break;
        default:
            break;
        }
    }
    if (nullified || (!elemental && f.counter(blow.target, kKabosuBarrierCounter) != 0)) blow.m = 0;
    if (f.counter(blow.target, kWetCounter) + game.actionElements[kCold - 1] +
            game.actionElements[kThunder - 1] >
        1)
        Scale(blow, 1.6);
    if (InDarkness(game)) {
        if (ActionHas(game, kDark)) Scale(blow, 3);
        if (ActionHas(game, kHoly)) blow.m = static_cast<float>(blow.m / 3.0);
    }
}

void ApplySpellFormula(Game& game, Blow& blow) {
    FighterTable& f = game.f;
    const auto a = static_cast<std::size_t>(blow.attacker);
    const auto t = static_cast<std::size_t>(blow.target);
    if (f.weapon[a] == "トゥインクルロッド") Scale(blow, 1.35);
    if (f.accessory[a] == "ミラクルピアス") Scale(blow, 1.55);
    if (f.counter(blow.target, kOilCounter) == 0 && ActionHas(game, kWater))
        f.counter(blow.target, kWetCounter) = 1;

    blow.m = static_cast<float>(static_cast<double>(blow.m) * blow.power * 100 * (1 + 0.006 * blow.r) *
                                (0.66 + 0.003 * f.spirit[a]));
    const double resistance = 1.1 * f.spirit[t];
    if (resistance < blow.m) blow.m = static_cast<float>(blow.m - resistance);
    if (f.counter(blow.target, kFlameCurtainCounter) != 0) Scale(blow, 0.5);
    if (f.counter(blow.target, kMagneticShieldCounter) != 0) Scale(blow, 0.5);
    // The HP box only ever loses whole points, so the line shows the whole points it loses.
    blow.m = static_cast<float>(Int(blow.m));
}

} // namespace damage

void ResolveAttack(Game& game, SlotIndex attacker, SlotIndex target, int power, int flags) {
    if (Mod(flags, 10) == kEveryMarkedSlot) {
        for (SlotIndex s = 0; s < kBattleSlots; ++s)
            if (game.form.Cursor[static_cast<std::size_t>(s)].visible)
                ResolveAttack(game, attacker, s, power, flags - 1);
        return;
    }
    damage::ResolveOne(game, attacker, target, power, flags);
}

} // namespace vk2
