#include "battle/techniques/finishing_moves.h"

#include <array>
#include <string_view>
#include <utility>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "battle/item_transfer.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
#include "battle/techniques/ailment_techniques.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

struct Move;
// How a move delivers its blows.
using Perform = void (*)(Game&, Action&, const Move&);

struct Move {
    std::string_view key;
    int power; // of each blow
    Perform perform;
};

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// The power of moves that hit as hard as the fighter itself.
constexpr int kActorAttack = -1;
// Moves whose effect is no blow of a set power.
constexpr int kNoPower = 0;

constexpr int kPlainBlow = 0;

int PowerOf(const Game& game, SlotIndex actor, const Move& move) {
    return move.power == kActorAttack ? game.f.attack[At(actor)] : move.power;
}

void StrikeTarget(Game& game, Action& action, const Move& move) {
    ResolveAttack(game, action.actor, action.target, PowerOf(game, action.actor, move), kPlainBlow);
}

void SweepSide(Game& game, Action& action, const Move& move) {
    ForEachOnSide(game, action.target, SlotTest::OnField, [&](SlotIndex s) {
        ResolveAttack(game, action.actor, s, PowerOf(game, action.actor, move), kPlainBlow);
    });
}

// The blinding aurora shares its key with the water sweep; the chosen command tells them apart.
constexpr std::string_view kAuroraCommand = "オーロラ";

void SweepUnlessAurora(Game& game, Action& action, const Move& move) {
    if (SelectedEntry(game.form.Command[At(action.actor)]) != kAuroraCommand) {
        SweepSide(game, action, move);
        return;
    }
    if (const ActionHandler aurora = FindHandler(std::array{AilmentTechniqueHandlers()}, action.key))
        aurora(game, action);
}

constexpr std::string_view kFrostName = "血肉よ紅い霜となれ";
constexpr int kFrostBlows = 24;
constexpr int kFrostPauseMs = 1;

// Each blow wipes the target's box, so only the last blow's text stays.
void StrikeAsFrost(Game& game, Action& action, const Move& move) {
    for (int i = 0; i < kFrostBlows; ++i) {
        if (action.actor == action.target)
            ReplaceLine(game, action.target, kFrostName);
        else
            game.form.Message[At(action.target)].text.assign(1, ' ');
        StrikeTarget(game, action, move);
        game.platform.pause(kFrostPauseMs);
    }
}

constexpr int kFlurryRounds = 3;
constexpr int kReaimTries = 17;

// Picks a standing member of the target's side other than the actor; after the last failed try
// the last slot drawn stays the target.
void Reaim(Game& game, Action& action) {
    const SlotIndex base = SideBase(action.target);
    const int members = game.partySize[SideOf(action.target)];
    for (int i = 0; i < kReaimTries; ++i) {
        action.target = base + DrawIndex(game, members);
        if (action.target != action.actor && Passes(game, action.target, SlotTest::OnField)) return;
    }
}

// Three blows each followed by a re-aim, then a fourth; the caller goes on with the last target.
void StrikeAndReaim(Game& game, Action& action, const Move& move) {
    const int power = PowerOf(game, action.actor, move);
    for (int round = 0; round < kFlurryRounds; ++round) {
        ResolveAttack(game, action.actor, action.target, power, kPlainBlow);
        game.form.Cursor[At(action.target)].visible = false;
        Reaim(game, action);
        game.form.Cursor[At(action.target)].visible = true;
    }
    ResolveAttack(game, action.actor, action.target, power, kPlainBlow);
}

// Friend and foe alike.
void StrikeAllButActor(Game& game, Action& action, const Move& move) {
    ForEachSlot(game, SlotTest::OnField, [&](SlotIndex s) {
        if (s != action.actor)
            ResolveAttack(game, action.actor, s, PowerOf(game, action.actor, move), kPlainBlow);
    });
}

// A sleeper under the proposition that forbids sleeping is condemned.
constexpr int kNoSleepProposition = 3;
constexpr std::uint8_t kCondemned = 10;

void CondemnSleeper(Game& game, SlotIndex slot) {
    std::uint8_t& proposition = game.f.counter(slot, kPropositionCounter);
    if (game.f.counter(slot, kSleepCounter) != 0 && proposition / 10 == kNoSleepProposition)
        proposition = kCondemned;
}

constexpr Animation kMagnusAnimation{EffectSlot::Marked, 29, 10, Ec(kDark), Fixed(0x664455), 182};
// Five doses of three go to the eight ailments from madness to ageing, drawn one by one.
constexpr int kAilmentDoses = 5;
constexpr int kAilmentKinds = 8;
constexpr int kAilmentDose = 3;
// These three ailments never stack: a dose leaves them at one.
constexpr std::array<int, 3> kSingleDoseAilments{kOilCounter, kConfusionCounter, kAgeingCounter};
constexpr std::uint8_t kPartialGuard = 1;
constexpr int kMagnusTension = 49;

void AfflictWithEverything(Game& game, SlotIndex s) {
    int ailment = kMadnessCounter;
    for (int i = 0; i < kAilmentDoses; ++i) {
        ailment = kMadnessCounter + DrawIndex(game, kAilmentKinds);
        std::uint8_t& counter = game.f.counter(s, ailment);
        counter = ToByte(counter + kAilmentDose);
    }
    for (const int k : kSingleDoseAilments) game.f.counter(s, k) = game.f.counter(s, k) != 0 ? 1 : 0;
    // A partial guard still keeps sleep away.
    if (game.f.counter(s, kStatusGuardCounter) == kPartialGuard) game.f.counter(s, kSleepCounter) = 0;
    AppendLine(game, s, "多重ステータス異常！");
    ShowAfflictionIcon(game, s, ailment);
    CondemnSleeper(game, s);
}

// The blow falls on the side marked when the move was chosen; the ailments follow on whoever
// still stands there.
void MagnusOpus(Game& game, Action& action, const Move& move) {
    PlayAnimation(game, action.target, kMagnusAnimation);
    ResolveAttack(game, action.actor, action.target, move.power, kEveryMarkedSlot);
    const SlotIndex side = game.targetSlot;
    for (SlotIndex s = SideBase(side); s <= SideLast(game, side); ++s) {
        if (PassesGuard(game, s, GuardTest::BelowTwo) && game.form.ViewFrame[At(s)].borderStyle == 0)
            AfflictWithEverything(game, s);
        AdjustTension(game, action.actor, kMagnusTension - game.f.tension[At(action.actor)]);
    }
}

constexpr Animation kUnderworldAnimation{EffectSlot::Target, 25, 8, Ec(kDark), Fixed(0x005555), 190};
constexpr int kUnderworldSleep = 3;

// Leaves the target with as much HP as its time counter shows, then lulls it to sleep; the
// handkerchief invites sleep even through a guard.
void SendToUnderworld(Game& game, Action& action, const Move&) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, kUnderworldAnimation);
    const std::int64_t hp = HpOf(game, t);
    const std::int64_t gauge = game.f.timeGauge[At(t)];
    ResolveAttack(game, action.actor, t, static_cast<int>(hp > gauge ? hp - gauge : 0), kFixedDamage);
    if (!PassesGuard(game, t, GuardTest::Zero) && game.f.accessory[At(t)] != kAliceHandkerchief) return;
    std::uint8_t& sleep = game.f.counter(t, kSleepCounter);
    sleep = ToByte(sleep + kUnderworldSleep);
    AppendLine(game, t, "眠りに落ちた。");
    ShowAfflictionIcon(game, t, kSleepCounter);
    CondemnSleeper(game, t);
}

constexpr int kSeizeSound = 3;

// The bag entry of the worn weapon, -1 when the bag holds none.
int WornWeaponEntry(const ListBox& bag) {
    for (int i = 0; i < bag.count(); ++i)
        if (Left(bag.entries[At(i)].text, 1) == kWeaponMark) return i;
    return -1;
}

// The worn weapon changes hands and arrives unmarked at the end of the actor's bag.
void SeizeWeapon(Game& game, Action& action, const Move&) {
    const SlotIndex t = action.target;
    ListBox& bag = game.form.Item[At(t)];
    const int worn = WornWeaponEntry(bag);
    if (game.f.weapon[At(t)] == kBareHands || worn < 0) {
        AppendLine(game, t, "武器を装備していない。");
        return;
    }
    if (game.f.accessory[At(t)] == kAliceHandkerchief) {
        AppendMiss(game, t);
        return;
    }
    PlaySoundEffect(game, kSeizeSound);
    bag.selected = worn;
    TransferItem(game, t, action.actor);
    ReplaceLine(game, t, game.form.Item[At(action.actor)].entries.back().text + "を");
    AppendLine(game, t, "奪い取られた！");
}

constexpr Animation kSilverAnimation{EffectSlot::Target, 19, 5, Ec(kHoly), Fixed(0xFFFCE5), 0};
constexpr int kSilverSound = 14;
constexpr int kSpareLevel = 10;

// Only reached against 魔 fighters: the charms and the top level save them.
void SilverMorning(Game& game, Action& action, const Move&) {
    const SlotIndex t = action.target;
    if (WearsDeathCharm(game, t) || game.f.level[At(t)] == kSpareLevel) {
        AppendMiss(game, t);
        return;
    }
    PlaySoundEffect(game, kSilverSound);
    PlayAnimation(game, t, kSilverAnimation);
    FellFighter(game, t);
    AppendLine(game, t, "魔属性の敵は即死！");
}

// clang-format off
//         key     power         perform
constexpr std::array kMoves{
    Move{"飛旋", 500,          SweepSide},          // 飛旋断
    Move{"アト", 500,          SweepSide},          // アトラスクラッシュ
    Move{"オー", 500,          SweepUnlessAurora},  // オーシャンディバイド
    Move{"血肉", 36,           StrikeAsFrost},      // 血肉よ紅い霜となれ
    Move{"烈火", 388,          StrikeAndReaim},     // 烈火焦魂拳
    Move{"龍虎", kActorAttack, StrikeAndReaim},     // 龍虎乱舞
    Move{"ウッ", 373,          StrikeTarget},       // ウッドピアシング
    Move{"ジュ", 595,          StrikeTarget},       // ジュピターストライク
    Move{"骨を", 888,          StrikeTarget},       // 骨を砕きても謝すべし
    Move{"マグ", 19,           MagnusOpus},         // マグヌス・オプス
    Move{"皆殺", kActorAttack, StrikeAllButActor},  // 皆殺し
    Move{"黄泉", kNoPower,     SendToUnderworld},   // 黄泉送り
    Move{"刀狩", kNoPower,     SeizeWeapon},        // 刀狩り
    Move{"シル", kNoPower,     SilverMorning},      // シルバーモーニング
};
// clang-format on

template <std::size_t I> void PerformMove(Game& game, Action& action) {
    kMoves[I].perform(game, action, kMoves[I]);
}

template <std::size_t... I> constexpr auto HandlersOf(std::index_sequence<I...>) {
    return std::array<KeyHandler, sizeof...(I)>{KeyHandler{kMoves[I].key, &PerformMove<I>}...};
}

constexpr auto kHandlers = HandlersOf(std::make_index_sequence<kMoves.size()>{});

} // namespace

std::span<const KeyHandler> FinishingMoveHandlers() {
    return kHandlers;
}

} // namespace vk2
