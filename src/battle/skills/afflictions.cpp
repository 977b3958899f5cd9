#include "battle/skills/afflictions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// The HP/MP label's background: the window colour while the numbers can be read, the window-text
// colour once they are blacked out for good.
constexpr Colour kNumbersReadable = kWhite;
constexpr Colour kNumbersBlackedOut = kBlack;

// --- Single-target afflictions ----------------------------------------------------------------

void ReverseHealing(Game& game, Action& action) {
    game.f.counter(action.target, kReversedHealingCounter) = 1;
    AppendLine(game, action.target, "DNAを蝕まれた。");
}

constexpr std::uint8_t kWeakToEverything = 200;
constexpr int kSufferingTension = -5;

void MakeWeakToEverything(Game& game, Action& action) {
    AppendLine(game, action.target, "一切諸行皆悉是苦！");
    game.f.counter(action.target, kElementFactorCounter) = kWeakToEverything;
    AdjustTension(game, action.target, kSufferingTension);
    RecomputeAffinities(game, action.target);
}

// The maximum is written directly, with a modifier that keeps it when the stats are recomputed.
void CapMaxHpAtCurrent(Game& game, Action& action) {
    const SlotIndex t = action.target;
    ReplaceLine(game, t, "現在のHPが上限になった！");
    const std::int64_t hp = HpOf(game, t);
    game.f.hpMod[At(t)] = ToInt32(hp - game.f.baseMaxHp[At(t)] - game.f.equipHp[At(t)]);
    game.f.maxHp[At(t)] = ToInt32(hp);
}

void BlackOutNumbers(Game& game, Action& action) {
    const std::size_t t = At(action.target);
    game.form.HP[t].visible = false;
    game.form.MP[t].visible = false;
    game.form.HPMP[t].backColour = kNumbersBlackedOut;
    ReplaceLine(game, action.target, "HP、MP確認不能！");
}

constexpr int kStingDose = 6;
constexpr int kStingTension = -6;

void PoisonByNeedle(Game& game, Action& action) {
    Poison(game, action.target, kStingDose);
    AdjustTension(game, action.target, kStingTension);
}

void BanItems(Game& game, Action& action) {
    AppendLine(game, action.target, "アイテム使用禁止。");
    game.f.counter(action.target, kItemBanCounter) = 1;
    PlaySoundEffect(game, 190);
}

// Only a fighter of no higher spirit than the caster, and without the handkerchief, is driven to
// the brink: one HP more than its level.
void DriveToTheBrink(Game& game, Action& action) {
    const SlotIndex t = action.target;
    if (game.f.accessory[At(t)] == kAliceHandkerchief ||
        game.f.spirit[At(action.actor)] < game.f.spirit[At(t)]) {
        AppendMiss(game, t);
        return;
    }
    SetHp(game, t, game.f.level[At(t)] + 1);
    AppendLine(game, t, "死の間際に追いやられた！");
}

constexpr std::uint8_t kBombFuse = 5;

void PlantBomb(Game& game, Action& action) {
    PlaySoundEffect(game, 22);
    game.f.counter(action.target, kTimeBombCounter) = kBombFuse;
    AppendLine(game, action.target, "設置！");
    ShowAfflictionIcon(game, action.target, kTimeBombCounter);
}

void SpreadOil(Game& game, Action& action) {
    game.f.counter(action.target, kOilCounter) = 1;
    RecomputeAffinities(game, action.target);
    ShowAfflictionIcon(game, action.target, kOilCounter);
    PlaySoundEffect(game, 160);
    AppendLine(game, action.target, "油をまかれた。");
}

// --- Drain --------------------------------------------------------------------------------------

// The sleeper is left with 1 HP and wakes; the drainer gains what it took, halved as any heal of
// the victim would be. A fighter already at 0 HP has nothing to give and is not raised by it.
void DrainInSleep(Game& game, Action& action) {
    const SlotIndex t = action.target;
    const std::int64_t drained = std::max<std::int64_t>(HpOf(game, t) - 1, 0);
    const std::int64_t gained =
        Int(static_cast<double>(drained) / std::pow(2.0, game.f.counter(t, kHealHalvingCounter)));
    SetHp(game, action.actor, static_cast<double>(HpOf(game, action.actor) + gained));
    SetHp(game, t, static_cast<double>(HpOf(game, t) - drained));
    AppendLine(game, action.actor, Str(gained) + " HP回復。");
    AppendLine(game, t, "生気を吸い取られた！");
    AppendLine(game, t, "目を覚ました。");
    game.f.counter(t, kSleepCounter) = 0;
    RefreshStatusIconVisibility(game, t);
}

// --- Madness ------------------------------------------------------------------------------------

constexpr int kMadnessTension = 10;
constexpr int kScarletSkyMadness = 5;

void MaddenEveryone(Game& game, Action&) {
    PlaySoundEffect(game, 111);
    ForEachSlot(game, SlotTest::OnField, [&](SlotIndex j) {
        if (IsGuarded(game, j)) return;
        AppendLine(game, j, "狂気に駆られた！");
        std::uint8_t& madness = game.f.counter(j, kMadnessCounter);
        madness = ToByte(madness + kScarletSkyMadness); // repeated madness stays at the limit
        game.f.statusIconIndex[At(j)] = static_cast<std::uint8_t>(kMadnessCounter - kHiddenCounter);
        ShowStatusIcon(game, j);
        AdjustTension(game, j, kMadnessTension);
    });
}

void Madden(Game& game, SlotIndex target, std::uint8_t turns) {
    ReplaceLine(game, target, "狂気に駆られた！");
    game.f.counter(target, kMadnessCounter) = turns;
    ShowAfflictionIcon(game, target, kMadnessCounter);
    AdjustTension(game, target, kMadnessTension);
}

// This madness never wears off; it wanders from fighter to fighter instead.
constexpr std::uint8_t kWanderingMadness = 100;

void MaddenForGood(Game& game, Action& action) {
    Madden(game, action.target, kWanderingMadness);
}

void MaddenBySpirit(Game& game, Action& action) {
    Madden(game, action.target, ToByte(Int(game.f.spirit[At(action.actor)] * 0.04) + 2));
}

// The wandering madness strikes one of the marked fighters at random, and the action goes on
// against that one. With nobody marked it stays on the target chosen.
void AimAtRandomMarkedSlot(Game& game, Action& action) {
    bool anyMarked = false;
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        anyMarked = anyMarked || Passes(game, s, SlotTest::MarkedWhite);
    if (!anyMarked) return;
    SlotIndex victim = DrawIndex(game, kBattleSlots);
    while (!Passes(game, victim, SlotTest::MarkedWhite)) victim = DrawIndex(game, kBattleSlots);
    action.target = victim;
}

// --- Whole-side curses --------------------------------------------------------------------------

constexpr std::uint8_t kHolyVoidTurns = 10;

void VoidElementalDefence(Game& game, Action& action) {
    ForEachOnSide(game, action.target, SlotTest::Marked, [&](SlotIndex j) {
        AppendLine(game, j, "全ての属性防御無効。");
        game.f.counter(j, kHolyVoidCounter) = kHolyVoidTurns;
        RecomputeAffinities(game, j);
    });
}

void SeparateFromCompanions(Game& game, Action& action) {
    const SlotIndex t = action.target;
    game.separatedMember[SideOf(t)] = static_cast<std::uint8_t>(t % 3);
    for (SlotIndex s = SideBase(t); s <= SideLast(game, t); ++s)
        if (s != t) game.form.ViewUnder[At(s)].visible = false;
    PlaySoundEffect(game, 190);
    AppendLine(game, t, "仲間との離別。");
}

// --- Passing afflictions on ---------------------------------------------------------------------

constexpr int kFirstPassedCounter = kMadnessCounter;
constexpr int kLastPassedCounter = kConfusionCounter;

void PassCounters(Game& game, SlotIndex actor, SlotIndex target) {
    FighterTable& f = game.f;
    for (int k = kFirstPassedCounter; k <= kLastPassedCounter; ++k) {
        // Afflictions added on top of the target's own stay at the counter's limit.
        f.counter(target, k) = ToByte(f.counter(target, k) + f.counter(actor, k));
        f.counter(actor, k) = 0;
    }
    f.counter(target, kHealHalvingCounter) = f.counter(actor, kHealHalvingCounter);
    f.counter(target, kUndeadMarkCounter) = f.counter(actor, kUndeadMarkCounter);
    // The blood mark names its bearer's victim (slot + 1); passed to that very victim it lapses.
    const std::uint8_t mark = f.counter(actor, kBloodMarkCounter);
    f.counter(target, kBloodMarkCounter) = target == mark - 1 ? 0 : mark;
    for (int k : {kHealHalvingCounter, kUndeadMarkCounter, kBloodMarkCounter}) f.counter(actor, k) = 0;
}

void PassAfflictions(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    const SlotIndex t = action.target;
    Form& form = game.form;
    PlaySoundEffect(game, 3);
    PassCounters(game, a, t);
    if (form.HPMP[At(t)].visible) {
        form.HP[At(t)].visible = form.HP[At(a)].visible;
        form.MP[At(t)].visible = form.MP[At(a)].visible;
    }
    form.HPMP[At(t)].backColour = form.HPMP[At(a)].backColour;
    game.f.statusIconIndex[At(t)] = game.f.statusIconIndex[At(a)];
    RefreshStatusIconVisibility(game, t);
    AppendLine(game, t, "ステータス異常を移された！");

    form.HPMP[At(a)].backColour = kNumbersReadable;
    form.HP[At(a)].visible = form.HPMP[At(a)].visible;
    form.MP[At(a)].visible = form.HPMP[At(a)].visible;
    RefreshStatusIconVisibility(game, a);
    AppendLine(game, a, "ステータス回復。");
}

// --- Rebirth of the element ---------------------------------------------------------------------

struct Rebirth {
    Element element;
    bool takesOffering; // the item selected in the caster's list is used up
    Animation animation;
};
//                            element  takesOffering  slot frames/half colour A/colour B sound
constexpr Rebirth kBaptism{kHoly, false, {EffectSlot::Target, 20, 7, Ec(kHoly), kTransparent, 160}};
constexpr Rebirth kBlackMass{kDark, true, {EffectSlot::Target, 20, 7, Ec(kDark), Fixed(0x220077), 184}};

void BeReborn(Game& game, Action& action, const Rebirth& rebirth) {
    const SlotIndex t = action.target;
    game.f.element[At(t)] = rebirth.element;
    game.form.ViewFrame[At(t)].borderColour = ElementColour(rebirth.element);
    ListBox& items = game.form.Item[At(action.actor)];
    if (rebirth.takesOffering && items.selected >= 0 && items.selected < items.count())
        RemoveEntry(items, items.selected);
    PlayAnimation(game, t, rebirth.animation);
    RecomputeAffinities(game, t);
    AcquireCommands(game, t);
    game.platform.repaint();
    AppendLine(game, t, ElementName(rebirth.element) + "属性に生まれ変わった。");
}

void Baptise(Game& game, Action& action) {
    BeReborn(game, action, kBaptism);
}

void HoldBlackMass(Game& game, Action& action) {
    BeReborn(game, action, kBlackMass);
}

// --- Undead -------------------------------------------------------------------------------------

constexpr int kUndeadHaste = 999;

void RaiseAsUndead(Game& game, SlotIndex j) {
    Form& form = game.form;
    SetHp(game, j, 1);
    form.ViewUnder[At(j)].visible = true;
    form.ViewFrame[At(j)].borderStyle = 0;
    form.ViewFrame[At(j)].borderColour = ElementColour(game.f.element[At(j)]);
    for (int k : {kConfusionCounter, kUndeadMarkCounter, kReversedHealingCounter}) game.f.counter(j, k) = 1;
    game.f.timeGauge[At(j)] = ToInt16(game.f.timeGauge[At(j)] + kUndeadHaste);
    AppendLine(game, j, "亡者として蘇った。");
    ShowAfflictionIcon(game, j, kConfusionCounter);
    form.TGage[At(j)].visible = true;
}

void RaiseTheDead(Game& game, Action& action) {
    PlaySoundEffect(game, 183);
    for (SlotIndex j = SideBase(action.target); j <= SideLast(game, action.target); ++j)
        if (HpOf(game, j) == 0) RaiseAsUndead(game, j);
}

// --- The table ----------------------------------------------------------------------------------

// When the full status guard stops an affliction.
enum class Guard : std::uint8_t {
    None,            // never, or by a test of the effect's own
    BeforeAnimation, // nothing is shown to a guarded target
    AfterAnimation,  // the animation plays whatever the guard
};

struct Affliction {
    std::string_view key;
    Guard guard;
    Animation animation;
    ActionHandler inflict;
    ActionHandler aim = nullptr; // picks the target before anything is shown
};

constexpr EffectSlot kOne = EffectSlot::Target;
constexpr EffectSlot kAll = EffectSlot::Marked;
constexpr Animation kNoAnimation{};
constexpr Tint kT = kTransparent;
constexpr Guard kNoGuard = Guard::None;
constexpr Guard kGuardFirst = Guard::BeforeAnimation;
constexpr Guard kGuardAfter = Guard::AfterAnimation;

// clang-format off
//   key     guard        slot frames/half colour A/colour B                   sound  inflict                  aim
constexpr std::array kAfflictions{
    Affliction{"ヴェ", kGuardFirst, {kOne, 17, 6, Fixed(0x668811), Fixed(0x666666), 21},  ReverseHealing},         // ヴェノム・ゲノム
    Affliction{"一切", kGuardFirst, {kOne, 17, 6, Fixed(0xAACCCC), Ec(kHoly), 190},       MakeWeakToEverything},   // 一切皆苦
    Affliction{"白無", kGuardAfter, {kOne, 17, 6, Fixed(0xFFFFFF), Fixed(0xBBBBAA), 10},  CapMaxHpAtCurrent},      // 白無常
    Affliction{"黒無", kGuardAfter, {kOne, 17, 6, Fixed(0xCCCCBB), Fixed(0x000000), 10},  BlackOutNumbers},        // 黒無常
    Affliction{"毒針", kGuardFirst, {kOne, 27, 7, Fixed(0x668811), kT, 2},                PoisonByNeedle},         // 毒針
    Affliction{"鉱毒", kGuardFirst, {kOne, 27, 7, Fixed(0x668811), Ec(kEarth), 21},       PoisonByNeedle},         // 鉱毒
    Affliction{"求不", kGuardFirst, kNoAnimation,                                         BanItems},               // 求不得苦
    Affliction{"アヌ", kNoGuard,    {kOne, 26, 9, Ec(kDark), Fixed(0x332233), 180},       DriveToTheBrink},        // アヌビスの瞳
    Affliction{"時限", kNoGuard,    kNoAnimation,                                         PlantBomb},              // 時限爆弾
    Affliction{"オイ", kNoGuard,    kNoAnimation,                                         SpreadOil},              // オイル
    Affliction{"ナイ", kNoGuard,    {kOne, 23, 3, Ec(kDark), Fixed(0xFFBFD3), 183},       DrainInSleep},           // ナイトメア
    Affliction{"真紅", kNoGuard,    kNoAnimation,                                         MaddenEveryone},         // 真紅の空
    Affliction{"ワン", kGuardAfter, {kOne, 17, 9, Fixed(0xEEDDFF), Fixed(0x000033), 15},  MaddenForGood, AimAtRandomMarkedSlot}, // ワンダリングインサニティ
    Affliction{"狂気", kGuardAfter, {kOne, 17, 9, Fixed(0xEEDDFF), Fixed(0x000033), 15},  MaddenBySpirit},         // 狂気の桜
    Affliction{"ホー", kNoGuard,    {kAll, 17, 6, Fixed(0xCCCCAA), Ec(kHoly), 11},        VoidElementalDefence},   // ホーリーヴォイド
    Affliction{"愛別", kGuardFirst, kNoAnimation,                                         SeparateFromCompanions}, // 愛別離苦
    Affliction{"イン", kGuardFirst, kNoAnimation,                                         PassAfflictions},        // インフェクション
    Affliction{"バプ", kNoGuard,    kNoAnimation,                                         Baptise},                // バプテスマ
    Affliction{"黒ミ", kNoGuard,    kNoAnimation,                                         HoldBlackMass},          // 黒ミサ
    Affliction{"ネク", kNoGuard,    kNoAnimation,                                         RaiseTheDead},           // ネクロマンシー
};
// clang-format on

const Affliction& AfflictionOf(std::string_view key) {
    for (const Affliction& affliction : kAfflictions)
        if (affliction.key == key) return affliction;
    return kAfflictions.front();
}

void Afflict(Game& game, Action& action) {
    const Affliction& affliction = AfflictionOf(action.key);
    if (affliction.aim != nullptr) affliction.aim(game, action);
    const bool guarded = affliction.guard != Guard::None && IsGuarded(game, action.target);
    if (guarded && affliction.guard == Guard::BeforeAnimation) {
        AppendMiss(game, action.target);
        return;
    }
    PlayAnimation(game, action.target, affliction.animation);
    if (guarded) {
        AppendMiss(game, action.target);
        return;
    }
    affliction.inflict(game, action);
}

constexpr std::array<KeyHandler, kAfflictions.size()> AfflictionTable() {
    std::array<KeyHandler, kAfflictions.size()> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = {kAfflictions[i].key, Afflict};
    return table;
}

constexpr auto kAfflictionHandlers = AfflictionTable();

} // namespace

std::span<const KeyHandler> AfflictionHandlers() {
    return kAfflictionHandlers;
}

} // namespace vk2
