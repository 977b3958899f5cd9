#include "battle/techniques/alterations.h"

#include <array>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/equipment.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

int Roll(const Game& game) {
    return game.techniqueRoll;
}

// --- Stat seal -------------------------------------------------------------------------------

constexpr Animation kSealAnimation{EffectSlot::Target, 29, 5, Ec(kWater), Fixed(0xFFFFCC), 161};
constexpr ResistTest kSealTest{1.97, 0.1, true};
// A caster of spirit 180 or more seals for the longest count a units digit holds.
constexpr int kSealSpiritCap = 180;
constexpr double kSealTurnsPerSpirit = 0.05;
constexpr int kLongestSeal = 8;
constexpr int kNoCounter = -1;

// The stat held at 0, by the roll's two low bits. Sealing speed or attack also drops the effect
// that would have raised it again.
struct SealedStat {
    std::string_view name;
    int clearedCounter;
};
//                                     name        clearedCounter
constexpr std::array<SealedStat, 4> kSealedStats{{
    {"精神力", kNoCounter},
    {"守備力", kNoCounter},
    {"すばやさ", kSpeedMarkCounter},
    {"攻撃力", kAdrenalineCounter},
}};

// The tens digit names the stat (1-4), the units digit counts the turns left.
std::uint8_t SealCounter(const Game& game, SlotIndex actor, int stat) {
    const int spirit = game.f.spirit[At(actor)];
    const std::int64_t turns = spirit < kSealSpiritCap ? Int(spirit * kSealTurnsPerSpirit) : kLongestSeal;
    return ToByte(stat * 10 + 11 + turns);
}

// The key goes back holding the sealed stat's name.
void SealStat(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, kSealAnimation);
    if (!ResistRoll(game, action.actor, t, kSealTest, Roll(game)) ||
        !PassesGuard(game, t, GuardTest::NotTwo)) {
        AppendMiss(game, t);
        return;
    }
    const int stat = Roll(game) & 3;
    const SealedStat& sealed = kSealedStats[At(stat)];
    game.f.counter(t, kStatLockCounter) = SealCounter(game, action.actor, stat);
    if (sealed.clearedCounter != kNoCounter) game.f.counter(t, sealed.clearedCounter) = 0;
    action.key = sealed.name;
    ApplyEquipment(game, t, kEquipRefresh);
    AppendLine(game, t, std::string(sealed.name) + "が０になった。");
}

// --- Made weakness ----------------------------------------------------------------------------

constexpr int kTraumaSound = 8;
constexpr std::uint8_t kAllWeak = 200;
constexpr int kTraumaTension = -5;

bool HasElementToWeaken(const Game& game, SlotIndex slot) {
    for (const std::uint8_t code : game.f.affinity[At(slot)])
        if (code > kWeak) return true;
    return false;
}

// The weakness is drawn among the elements the target is not yet weak to. A target weak to
// everything (or with no affinity above weak at all) has nothing left to draw, so it resists.
void InflictTrauma(Game& game, Action& action) {
    const SlotIndex t = action.target;
    std::uint8_t& factor = game.f.counter(t, kElementFactorCounter);
    if (!PassesGuard(game, t, GuardTest::NotTwo) || !HasElementToWeaken(game, t) || factor == kAllWeak) {
        AppendMiss(game, t);
        return;
    }
    PlaySoundEffect(game, kTraumaSound);
    int q = 0;
    do q = DrawIndex(game, kElements);
    while (game.f.affinity[At(t)][At(q)] <= kWeak);
    const int element = q + 1;
    factor = static_cast<std::uint8_t>(factor / 100 * 100 + element);
    AppendLine(game, t, ElementName(element) + "属性に弱くなった。");
    RecomputeAffinities(game, t);
    AdjustTension(game, t, kTraumaTension);
}

// --- New element ------------------------------------------------------------------------------

constexpr int kRepaintFrames = 29;
constexpr int kRepaintHalfPeriod = 6;
constexpr int kRepaintSound = 24;
// The summon marker while a summoned fighter uses an item its use does not consume.
constexpr std::string_view kBorrowedToolMarker = "1";
// The action kind that carries the summoner's summon through the item's use.
constexpr std::uint8_t kSummonGoesOn = 8;
constexpr int kFixedCommands = 4;

// The summoner's summon command is chosen again, so the summon goes on with its own flow.
void ResumeSummon(Game& game, SlotIndex slot) {
    ListBox& commands = game.form.Command[At(slot)];
    // The acquired commands stand between the basic command and the fixed ones.
    for (int i = 1; i < commands.count() - kFixedCommands; ++i) {
        if (commands.entries[At(i)].text != kSummonCommand) continue;
        commands.selected = i;
        game.actionKind = 0;
        ReplaceLine(game, slot, kUseItemCommand);
        AppendLine(game, slot, "八卦盤");
        return;
    }
}

// Never the same element again: offsets 1-7 come twice as often as 8 and 9.
void ChangeElement(Game& game, Action& action, std::string_view line) {
    const SlotIndex t = action.target;
    std::uint8_t& element = game.f.element[At(t)];
    element = static_cast<std::uint8_t>((Roll(game) % kElements + element + 1) % (kElements + 1));
    game.actionKind = 0;
    PlayActionEffect(game, t, kRepaintFrames, kRepaintHalfPeriod, ElementColour(element), kBlinkMarker,
                     kRepaintSound);
    game.form.ViewFrame[At(t)].borderColour = ElementColour(element);
    if (game.form.Exi.caption == kBorrowedToolMarker) game.actionKind = kSummonGoesOn;
    AcquireCommands(game, t);
    if (game.actionKind == kSummonGoesOn) ResumeSummon(game, t);
    RecomputeAffinities(game, t);
    AppendLine(game, t, ElementName(element) + std::string(line));
}

void RebornByBoard(Game& game, Action& action) {
    ChangeElement(game, action, "属性に生まれ変わった。");
}

void RepaintByKnife(Game& game, Action& action) {
    ChangeElement(game, action, "属性に塗り替えられた。");
}

// --- Bond of obedience ------------------------------------------------------------------------

constexpr ResistTest kDogmaTest{3.9, 0.3, true};
constexpr int kDogmaSound = 191;

struct DogmaOrder {
    Bond bond;
    std::string_view order;
};
// By the roll mod 3.
//                                      bond                       order
constexpr std::array<DogmaOrder, 3> kDogmaOrders{{
    {Bond::HandOverEquipment, "「汝が装具、我に捧げよ」"},
    {Bond::CoverMaster, "「汝、我が盾となれ」"},
    {Bond::AttackOwnSide, "「汝が同胞を斬れ」"},
}};

void Dogma(Game& game, Action& action) {
    const SlotIndex t = action.target;
    if (!ResistRoll(game, action.actor, t, kDogmaTest, Roll(game)) ||
        !PassesGuard(game, t, GuardTest::NotTwo)) {
        AppendMiss(game, t);
        return;
    }
    PlaySoundEffect(game, kDogmaSound);
    const DogmaOrder& order = kDogmaOrders[At(Roll(game) % 3)];
    ForceBond(game, action.actor, t, order.bond);
    AppendLine(game, t, order.order);
}

// --- Charges and spirits ----------------------------------------------------------------------

constexpr int kChargeSound = 130;
constexpr double kChargePerSpirit = 0.04;
constexpr int kChargeBase = 3;

// Charges the actor itself, whoever was pointed at.
void Electrify(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    PlaySoundEffect(game, kChargeSound);
    std::uint8_t& charge = game.f.counter(a, kElectrifiedCounter);
    charge = ToByte(Int(game.f.spirit[At(a)] * kChargePerSpirit) + charge + kChargeBase);
    AppendLine(game, a, "電流を帯びた！");
    ShowAfflictionIcon(game, a, kElectrifiedCounter);
}

constexpr Animation kRedSpiritAnimation{EffectSlot::Target, 23, 6, Ec(kFire), Fixed(0x2299FF), 116};
constexpr int kRedSpiritTension = 8;

// The fire spirit puts fire into the fighter's たたかう and makes it drink fire.
void RedSpirit(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, kRedSpiritAnimation);
    if (!PassesGuard(game, t, GuardTest::NotTwo)) {
        AppendMiss(game, t);
        return;
    }
    AdjustTension(game, t, kRedSpiritTension);
    game.f.counter(t, kRedSpiritCounter) = 1;
    AppendLine(game, t, "「たたかう」に炎属性付加、");
    AppendLine(game, t, "炎ダメージ吸収。");
    game.f.weaponElements[At(t)][kFire - 1] = 1;
    game.f.affinity[At(t)][kFire - 1] = kAbsorb;
}

// --- Throwing star ----------------------------------------------------------------------------

constexpr Animation kShurikenAnimation{EffectSlot::Target, 19, 5, kTransparent, kTransparent, 0};
constexpr int kShurikenDamage = 7000;
constexpr int kShurikenTension = 5;

// Hurts the more the less the target has waited.
void ThrowShuriken(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, kShurikenAnimation);
    // The first subtraction is a 16-bit one: a gauge far below zero stops at the 16-bit limit.
    const int r = Roll(game);
    const int damage = ToInt16(kShurikenDamage - game.f.timeGauge[At(t)]) - r * r;
    ResolveAttack(game, action.actor, t, damage, kFixedDamage);
    AdjustTension(game, action.actor, kShurikenTension);
}

constexpr std::array<KeyHandler, 8> kHandlers{{
    {"クラ", SealStat},       // クラムボン
    {"トラ", InflictTrauma},  // トラウマ
    {"八卦", RebornByBoard},  // 八卦盤
    {"はっ", RepaintByKnife}, // what パレットナイフ paints on a hit
    {"ドグ", Dogma},          // ドグマ
    {"帯電", Electrify},      // 帯電
    {"レッ", RedSpirit},      // レッドスピリット
    {"手裏", ThrowShuriken},  // 手裏剣
}};

} // namespace

std::span<const KeyHandler> AlterationHandlers() {
    return kHandlers;
}

} // namespace vk2
