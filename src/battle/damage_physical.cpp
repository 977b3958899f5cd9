// Physical blows: hit, miss, block or critical, the weapon specials of both fighters, and the
// physical damage formula with its positional, stance and barrier factors.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "battle/damage_parts.h"
#include "battle/messages.h"
#include "battle/skills/execute_skill.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/elements.h"
#include "model/game.h"

namespace vk2::damage {
namespace {

enum class Outcome { Normal = 0, Miss = 1, Blocked = 2, Critical = 3, SureHit = 10 };

struct EffectColours {
    Colour a;
    Colour b;
};

// Weapons that turn a lucky blow into a critical hit against one element.
struct ElementBreaker {
    std::string_view weapon;
    Element element;
};
//                                                 weapon          target's element
constexpr std::array<ElementBreaker, 4> kElementBreakers{{
    {"竹槍", kThunder},
    {"つるはし", kEarth},
    {"草刈り鎌", kWood},
    {"アイスピック", kCold},
}};

// Luck by weapon kind: r + (proficiency - pivot) × step.
struct KindLuck {
    int pivot;
    double step;
};
//                                       pivot  step
constexpr KindLuck kFistLuck{40, 0.08};   // 拳・爪
constexpr KindLuck kBowGunLuck{67, 0.11}; // 弓・銃
constexpr KindLuck kOtherLuck{50, 0.09};  // every other kind

// The target's last chosen command and what it does to physical damage.
struct Stance {
    std::string_view command;
    double factor;
};
//                                   command      factor
constexpr std::array<Stance, 3> kStances{{
    {"ぼうぎょ", 0.4},
    {"精神統一", 1.5},
    {"瞑想", 2},
}};

// Techniques of many quick blows: each blow's animation is short.
constexpr std::array<std::string_view, 7> kQuickBlowTechniques{"血肉", "烈火", "飛旋", "オー",
                                                               "アト", "皆殺", "龍虎"};
// A physical hit shifts the attacker's tension towards this for any technique but the plain attack.
constexpr int kTechniqueTension = 64;
constexpr int kCriticalTension = 65;

// Level × 1, 11, 111 or 1111, by the luck rounded mod 4.
constexpr std::array<int, 4> kRepunits{1, 11, 111, 1111};

// Messages that keep damage above the usual 9999.
constexpr std::array<std::string_view, 2> kUncappedTechniques{"骨を", "ウッ"};

const std::string& Weapon(const Game& game, SlotIndex slot) {
    return game.f.weapon[static_cast<std::size_t>(slot)];
}
const std::string& Accessory(const Game& game, SlotIndex slot) {
    return game.f.accessory[static_cast<std::size_t>(slot)];
}

int Distance(const Game& game, const Blow& blow) {
    return static_cast<int>(Abs(game.f.position[static_cast<std::size_t>(blow.attacker)] -
                                game.f.position[static_cast<std::size_t>(blow.target)]));
}

// The blink colours: the lowest and the highest element of the action.
EffectColours ColoursOfAction(const Game& game) {
    EffectColours colours{kBlinkMarker, kBlinkMarker};
    bool first = true;
    for (int e = 1; e <= kElements; ++e) {
        if (!ActionHas(game, static_cast<Element>(e))) continue;
        if (first) colours.a = ElementColour(e);
        colours.b = ElementColour(e);
        first = false;
    }
    if (colours.a == colours.b) colours.b = kBlinkMarker;
    return colours;
}

Outcome PresetOutcome(const Game& game, const Blow& blow) {
    if (game.f.counter(blow.target, kHiddenCounter) != 0) return Outcome::Miss;
    const bool huntersAim = Accessory(game, blow.attacker) == "狩人の帽子" &&
                            game.f.equippedKind[static_cast<std::size_t>(blow.attacker)] == kBowGun;
    if (game.f.counter(blow.attacker, kSureHitCounter) == 1 || huntersAim) return Outcome::SureHit;
    return Outcome::Normal;
}

// Every blow with a trainable weapon kind trains it, up to 99; returns the proficiency after. A
// kind outside the table (a damaged fighter file) counts as untrainable.
int TrainProficiency(Game& game, SlotIndex attacker) {
    const auto a = static_cast<std::size_t>(attacker);
    if (game.f.equippedKind[a] >= kWeaponKinds) return 0;
    std::uint8_t& p = game.f.proficiency[a][game.f.equippedKind[a]];
    if (p != 0 && p < 99) ++p;
    return p;
}

void AddLuckByKind(Blow& blow, int kind, int proficiency) {
    const KindLuck luck = kind == kFist ? kFistLuck : kind == kBowGun ? kBowGunLuck : kOtherLuck;
    blow.r = static_cast<float>(blow.r + (proficiency - luck.pivot) * luck.step);
}

void ApplyNamedWeapon(Game& game, Blow& blow, Outcome& outcome) {
    const std::string& weapon = Weapon(game, blow.attacker);
    const auto t = static_cast<std::size_t>(blow.target);
    if (weapon == "セルゲンブレイド") blow.power = game.f.attack[t];
    if (weapon == "クローバーレイピア" && HpOf(game, blow.target) < 2100)
        blow.r = static_cast<float>(blow.r + 5);
    for (const ElementBreaker& breaker : kElementBreakers)
        if (weapon == breaker.weapon && blow.r > 9 && game.f.element[t] == breaker.element)
            outcome = Outcome::Critical;
    if (weapon == "平八郎") Scale(blow, 1 + 0.1 * game.form.Item[t].count());
}

// High tension makes low luck rolls miss and lowers the bar for a critical.
int TensionAllowance(const Game& game, SlotIndex attacker) {
    return static_cast<int>(
        RoundHalfEven(std::pow(game.f.tension[static_cast<std::size_t>(attacker)], 2.2) * 0.00024));
}

bool HitsByChance(const Game& game, const Blow& blow, int allowance) {
    const std::int64_t luck = Int(blow.r);
    const bool oilSlips = Mod(luck, 7) < 2 && game.f.counter(blow.attacker, kOilCounter) == 1;
    const bool blindMisses = Mod(luck, 2) == 1 && game.f.counter(blow.attacker, kBlindnessCounter) != 0;
    return blow.r >= allowance && !oilSlips && !blindMisses;
}

Outcome BlockOrCritical(const Game& game, const Blow& blow, Outcome outcome, int allowance) {
    const bool targetAlert = game.f.counter(blow.target, kSleepCounter) == 0 &&
                             game.f.counter(blow.target, kParalysisCounter) == 0;
    if (Weapon(game, blow.target) == "御用十手" && Mod(Int(blow.r), 3) == 0 && targetAlert)
        return Outcome::Blocked;
    if (StartsWith(Box(game, blow.attacker), "たた") && outcome == Outcome::Normal) {
        const double base = Accessory(game, blow.attacker) == "仕置きのかんざし" ? 13.5 : 16.5;
        if (blow.r > RoundHalfEven(base - allowance)) return Outcome::Critical;
    }
    return outcome;
}

void AdjustTensionBySpirit(Game& game, SlotIndex attacker) {
    AdjustTension(game, attacker,
                  static_cast<int>(Int((game.f.spirit[static_cast<std::size_t>(attacker)] - 300) / 30.0)));
}

// A critical hit breaks the brainwashing of the target, or the hold the target has over others.
void BreakBrainwashing(Game& game, SlotIndex target) {
    std::uint8_t& own = game.f.counter(target, kBondCounter);
    if (own >= 1 && own <= 9) {
        own = 0;
        Box(game, target) += std::string(kCrLf) + "洗脳が解けた。";
        return;
    }
    for (SlotIndex i = 0; i < kBattleSlots; ++i) {
        if (game.f.counter(i, kBondCounter) != target + 10) continue;
        game.f.counter(i, kBondCounter) = 0;
        Box(game, target) += std::string(kCrLf) + "洗脳が解けた。";
    }
}

// The wind blade's critical becomes a spell over the target's whole side.
void UnleashWindRush(Game& game, const Blow& blow) {
    Box(game, blow.target) += kCrLf;
    for (SlotIndex s = SideBase(blow.target); s <= SideLast(game, blow.target); ++s)
        game.form.Cursor[static_cast<std::size_t>(s)].visible = OnField(game, s);
    game.actionKind = 0;
    SlotIndex target = blow.target;
    std::string key = "カマ";
    ExecuteSkill(game, blow.attacker, target, key);
}

// Shows the outcome; false when the blow has turned into something else and ends here.
bool ShowOutcome(Game& game, Blow& blow, Outcome outcome, EffectColours colours) {
    switch (outcome) {
    case Outcome::Miss:
        Box(game, blow.target) += "ミス！";
        blow.m = 0;
        AdjustTensionBySpirit(game, blow.attacker);
        break;
    case Outcome::Blocked:
        Box(game, blow.target) += "攻撃を受け止めた！";
        PlaySoundEffect(game, 17);
        blow.m = 0;
        break;
    case Outcome::Critical: {
        PlayActionEffect(game, blow.target, 19, 4, colours.a, colours.b, 1);
        Box(game, blow.target) += "会心の一撃！";
        std::uint8_t& proposition = game.f.counter(blow.attacker, kPropositionCounter);
        if (proposition / 10 == 1) proposition = 20;
        BreakBrainwashing(game, blow.target);
        if (Weapon(game, blow.attacker) == "ウインドラッシュ") {
            UnleashWindRush(game, blow);
            return false;
        }
        game.actionKind = 3;
        break;
    }
    case Outcome::Normal:
    case Outcome::SureHit:
        break;
    }
    return true;
}

// What the target's box ends with tells how the blow went, whoever wrote it; false after a miss
// or a block.
bool FollowUp(Game& game, Blow& blow, EffectColours colours, bool plain) {
    const std::string& box = Box(game, blow.target);
    const std::string tail = Right(box, 3);
    const auto a = static_cast<std::size_t>(blow.attacker);
    const bool reckoning = blow.m > 0 && Weapon(game, blow.attacker) == "ラスコリニコフ";
    if (tail == "一撃！" || tail == "けた。") {
        if (reckoning)
            AdjustTension(game, blow.attacker, game.f.level[a] - 22);
        else if (plain)
            AdjustTension(game, blow.attacker, kCriticalTension - game.f.tension[a]);
        Box(game, blow.target) += kCrLf;
        return true;
    }
    if (tail == "ミス！" || EndsWith(box, "攻撃を受け止めた！")) {
        blow.m = 0;
        if (EndsWith(ChosenCommand(game, blow.attacker), "連撃")) Box(game, blow.target) += " ";
        Box(game, blow.target) += kCrLf;
        if (plain) AdjustTensionBySpirit(game, blow.attacker);
        return false;
    }
    const int frames = StartsWithAny(Box(game, blow.attacker), kQuickBlowTechniques) ? 3 : 15;
    PlayActionEffect(game, blow.target, frames, 4, colours.a, colours.b, 0);
    const int delta = !plain ? kTechniqueTension - game.f.tension[a] : reckoning ? game.f.level[a] - 16 : 5;
    AdjustTension(game, blow.attacker, delta);
    return true;
}

void ApplyFormula(Game& game, Blow& blow, int proficiency) {
    const auto a = static_cast<std::size_t>(blow.attacker);
    const double divisor = Weapon(game, blow.attacker) == "斬鉄剣"
                               ? 124
                               : game.f.defense[static_cast<std::size_t>(blow.target)] + 68;
    blow.m = static_cast<float>((game.f.tension[a] / 4.0 + blow.power) * blow.m *
                                (proficiency + 111 + blow.r) * 8 / divisor);
}

void AddCriticalBonus(Game& game, Blow& blow) {
    if (blow.m == 0 || game.actionKind != 3) return;
    const int sign = blow.m > 0 ? 248 : -248;
    blow.m = static_cast<float>(static_cast<double>(blow.m) + (6 - Distance(game, blow)) * sign +
                                4.0 * blow.power);
}

void ApplyPositionAndGuards(Game& game, Blow& blow) {
    const std::string stance = ChosenCommand(game, blow.target);
    for (const Stance& s : kStances)
        if (stance == s.command) Scale(blow, s.factor);
    const int distance = Distance(game, blow);
    if (game.f.longReach[static_cast<std::size_t>(blow.attacker)] == 0 && distance != 0)
        Scale(blow, 1.2 - 0.2 * distance);
    for (int k : {kEarthProtectCounter, kIceWallCounter, kWindGuardCounter})
        if (game.f.counter(blow.target, k) != 0) Scale(blow, 0.5);
}

void ApplySpecialDamage(Game& game, Blow& blow) {
    const auto a = static_cast<std::size_t>(blow.attacker);
    if (blow.m < 0 && ChosenCommand(game, blow.attacker) == "たたかう" && blow.attacker == blow.target) {
        blow.m = static_cast<float>(-(Mod(game.f.timeGauge[a], 20) + 10) * (game.f.level[a] + 1));
    } else if (blow.m != 0 && Weapon(game, blow.attacker) == "ノワールダーツ") {
        // The luck can be negative; the repunit still takes one of its four lengths.
        const auto k = static_cast<std::size_t>(ModPositive(RoundHalfEven(blow.r), 4));
        blow.m = static_cast<float>(game.f.level[a] * kRepunits[k]);
    }
}

void StrikeBack(Game& game, const Blow& blow) {
    if (ChosenCommand(game, blow.target) != "修羅　相斬") return;
    PlayActionEffect(game, blow.attacker, 19, 4, kBlinkMarker, kBlinkMarker, 1);
    const std::int64_t h = Int(0.44 * game.f.maxHp[static_cast<std::size_t>(blow.attacker)]);
    SetHp(game, blow.attacker, static_cast<double>(HpOf(game, blow.attacker) - h));
    AppendLine(game, blow.attacker, "反撃！" + Str(h) + " のダメージ！");
}

void ChainsawRecoil(Game& game, const Blow& blow) {
    if (Accessory(game, blow.attacker) == "アリスのハンカチ" ||
        Weapon(game, blow.attacker) != "チェーンソー" || Mod(HpOf(game, blow.target), 3) != 0)
        return;
    ResolveAttack(game, blow.attacker, blow.attacker, static_cast<int>(Int(blow.m / 8.0)), kFixedDamage);
}

void CapDamage(Game& game, Blow& blow) {
    if (blow.m > kDamageCap && !StartsWithAny(Box(game, blow.attacker), kUncappedTechniques))
        blow.m = kDamageCap;
    else
        blow.m = static_cast<float>(Int(blow.m));
}

} // namespace

bool ApplyPhysicalFormula(Game& game, Blow& blow) {
    const EffectColours colours = ColoursOfAction(game);
    Outcome outcome = PresetOutcome(game, blow);
    const int proficiency = TrainProficiency(game, blow.attacker);
    AddLuckByKind(blow, game.f.equippedKind[static_cast<std::size_t>(blow.attacker)], proficiency);
    ApplyNamedWeapon(game, blow, outcome);
    if (game.f.counter(blow.target, kSleepCounter) != 0) blow.r = static_cast<float>(blow.r + 6);

    const int allowance = TensionAllowance(game, blow.attacker);
    const bool plain = IsPlainAttack(game, blow.attacker);
    if (outcome == Outcome::Normal && plain && !HitsByChance(game, blow, allowance)) outcome = Outcome::Miss;
    outcome = BlockOrCritical(game, blow, outcome, allowance);
    if (!ShowOutcome(game, blow, outcome, colours)) return false;

    if (Weapon(game, blow.attacker) == "三途之舟漕" && game.f.counter(blow.target, kSleepCounter) != 0)
        blow.m = 0;
    if (!FollowUp(game, blow, colours, plain)) return false;

    ApplyFormula(game, blow, proficiency);
    AddCriticalBonus(game, blow);
    ApplyPositionAndGuards(game, blow);
    ApplySpecialDamage(game, blow);
    StrikeBack(game, blow);
    ChainsawRecoil(game, blow);
    CapDamage(game, blow);
    return true;
}

} // namespace vk2::damage
