#include "battle/skills/barriers.h"

#include <array>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
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

// Who a protection lands on.
enum class Reach : std::uint8_t {
    Target,      // the clicked fighter
    MarkedWhite, // every fighter marked as a sensible target
};

// A timed protection: one counter set to a duration that grows with the caster's spirit.
struct Protection {
    std::string_view key;
    Reach reach;
    Animation animation; // played once, on the target or on all the marked fighters together
    int counter;
    double perSpirit; // turns per point of the caster's spirit
    int turns;        // turns on top of that
    std::string_view message;
    bool replace;           // the message clears the box first
    bool rebuildAffinities; // the counter changes how elements land
    int soundAfter = 0;     // a sound once the protection is in place; 0 for none
};

constexpr Animation SingleBarrier(int element) {
    return {EffectSlot::Target, 23, 3, Ec(element), Fixed(0xFFFFFF), 5};
}

constexpr Animation ElementBarrier(Colour a, Colour b) {
    return {EffectSlot::Marked, 27, 4, Fixed(a), Fixed(b), 6};
}

constexpr Animation Mirror(Tint a) {
    return {EffectSlot::Target, 23, 8, a, Fixed(0xFFEEDD), 19};
}

constexpr std::string_view kPhysicalHalved = "物理ダメージ半減。";
constexpr std::string_view kMagicHalved = "魔法ダメージ半減。";

// clang-format off
//   key, reach, animation, counter, turns per spirit, turns, message, replace, rebuild affinities, sound after
constexpr std::array<Protection, 13> kProtections{{
    {"アイスウォール", Reach::Target, SingleBarrier(kCold), kIceWallCounter, 0.05, 5, kPhysicalHalved, false, false},
    {"ウイ", Reach::Target, SingleBarrier(kWind), kWindGuardCounter, 0.05, 5, kPhysicalHalved, true, false},
    {"アー", Reach::Target, SingleBarrier(kEarth), kEarthProtectCounter, 0.05, 5, kPhysicalHalved, true, false},
    {"フレ", Reach::Target, SingleBarrier(kFire), kFlameCurtainCounter, 0.05, 5, kMagicHalved, true, false},
    {"マグ", Reach::Target, SingleBarrier(kThunder), kMagneticShieldCounter, 0.05, 5, kMagicHalved, true, false},
    {"レモ", Reach::MarkedWhite, ElementBarrier(0x77FFF6, 0xDDFFFF), kLemonBarrierCounter, 0.05, 5, "雷・風属性\r\nダメージ無効化。", true, true},
    {"オレ", Reach::MarkedWhite, ElementBarrier(0x00AAFF, 0x22DDFF), kOrangeBarrierCounter, 0.05, 5, "炎・地属性\r\nダメージ無効化。", true, true},
    {"ライ", Reach::MarkedWhite, ElementBarrier(0x77FF44, 0xAAFF66), kLimeBarrierCounter, 0.05, 5, "冷・水・木属性\r\nダメージ無効化。", true, true},
    {"カボ", Reach::MarkedWhite, ElementBarrier(0x11DD77, 0x44FFAA), kKabosuBarrierCounter, 0.04, 3, "無属性ダメージ無効化。", true, false},
    {"魔除", Reach::Target, {}, kWardCounter, 0, 14, "魔属性ダメージ無効化。", false, true, 10},
    {"水鏡", Reach::Target, Mirror(Ec(kWater)), kMirrorCounter, 0.06, 5, "魔法を反射。", false, false},
    {"天面", Reach::Target, Mirror(Fixed(0xFFFFBB)), kMirrorCounter, 0, 12, "魔法を反射。", false, false},
    // Every element resisted while the counter reads 100.
    {"シル", Reach::Target, {EffectSlot::Target, 23, 6, Fixed(0x77DDFF), Fixed(0xFFFFFF), 92}, kElementFactorCounter, 0, 100, "全ての属性ダメージ半減。", false, true},
}};
// clang-format on

// A spirit beyond any byte-sized duration gives the longest protection there is.
std::uint8_t Duration(const Game& game, SlotIndex actor, const Protection& p) {
    return ToByte(Int(game.f.spirit[At(actor)] * p.perSpirit) + p.turns);
}

void Protect(Game& game, SlotIndex actor, SlotIndex slot, const Protection& p) {
    if (p.replace)
        ReplaceLine(game, slot, p.message);
    else
        AppendLine(game, slot, p.message);
    game.f.counter(slot, p.counter) = Duration(game, actor, p);
    if (p.rebuildAffinities) RecomputeAffinities(game, slot);
}

// The row of the command whose key (or full name, for a shared key) is given.
const Protection& ProtectionOf(std::string_view key) {
    for (const Protection& p : kProtections)
        if (Left(p.key, 2) == Left(key, 2)) return p;
    return kProtections.front();
}

void RaiseProtection(Game& game, Action& action) {
    const Protection& p = ProtectionOf(action.key);
    PlayAnimation(game, action.target, p.animation);
    if (p.reach == Reach::Target)
        Protect(game, action.actor, action.target, p);
    else
        ForEachSlot(game, SlotTest::MarkedWhite, [&](SlotIndex s) { Protect(game, action.actor, s, p); });
    if (p.soundAfter != 0) PlaySoundEffect(game, p.soundAfter);
}

bool AbsorbsEverything(const Game& game, SlotIndex slot) {
    for (const std::uint8_t code : game.f.affinity[At(slot)])
        if (code < kAbsorb) return false;
    return true;
}

// One more element is absorbed, drawn among those not absorbed yet. A fighter that absorbs every
// element already gains nothing, instead of drawing for ever.
void AbsorbElement(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, {EffectSlot::Target, 27, 7, Fixed(0xFFDDCC), Fixed(0xFFCCFF), 92});
    if (AbsorbsEverything(game, t)) return;
    int i = DrawIndex(game, kElements);
    while (game.f.affinity[At(t)][At(i)] >= kAbsorb) i = DrawIndex(game, kElements);
    game.f.counter(t, kAbsorbedElementsCounter) = static_cast<std::uint8_t>(i + 1);
    AppendLine(game, t, ElementName(i + 1) + "属性ダメージを吸収。");
    RecomputeAffinities(game, t);
}

constexpr std::uint8_t kFullGuard = 2;

void GuardStatus(Game& game, Action& action, const Animation& animation, std::string_view message) {
    PlayAnimation(game, action.target, animation);
    game.f.counter(action.target, kStatusGuardCounter) = kFullGuard;
    AdjustTension(game, action.actor, -15);
    AppendLine(game, action.target, message);
}

void Ataraxia(Game& game, Action& action) {
    GuardStatus(game, action, {EffectSlot::Target, 27, 7, Ec(kHoly), Fixed(0xCCFFCC), 11}, "魂に真の安寧を…");
}

void SteamedMugwortBun(Game& game, Action& action) {
    GuardStatus(game, action, {EffectSlot::Target, 27, 7, Fixed(0x66EEB6), Fixed(0xFFFFFF), 92},
                "ステータス異常を予防。");
}

// Counter 48 from 10 up names the protector: slot + 10.
constexpr int kCoverBase = 10;
constexpr std::uint8_t kKarma = 9;

// A fighter covers one ally at a time: a new cover ends the one it gave before.
void Cover(Game& game, Action& action) {
    AppendLine(game, action.target, "「物理攻撃から守る！」");
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        if (game.f.counter(s, kKarmaCounter) - kCoverBase == action.actor)
            game.f.counter(s, kKarmaCounter) = 0;
    game.f.counter(action.target, kKarmaCounter) = static_cast<std::uint8_t>(action.actor + kCoverBase);
}

void Retribution(Game& game, Action& action) {
    AppendLine(game, action.actor, "自因自果の理を知るべし！");
    PlaySoundEffect(game, 190);
    game.f.counter(action.actor, kKarmaCounter) = kKarma;
    AdjustTension(game, action.actor, -4);
}

constexpr int kHidingTurns = 7;

// Hiding again stacks the turns; the counter stops at its limit.
void Hide(Game& game, SlotIndex actor, int element) {
    PlayAnimation(game, actor, {EffectSlot::Target, 11, 6, Ec(element), kTransparent, 141});
    std::uint8_t& hidden = game.f.counter(actor, kHiddenCounter);
    hidden = ToByte(hidden + kHidingTurns);
    AppendLine(game, actor, "身を隠した。");
    ShowAfflictionIcon(game, actor, kHiddenCounter);
}

void HideInMist(Game& game, Action& action) {
    Hide(game, action.actor, kWater);
}

void HideInLeaves(Game& game, Action& action) {
    Hide(game, action.actor, kWood);
}

// clang-format off
//   key                handler
constexpr std::array<KeyHandler, 20> kBarrierHandlers{{
    {"アイスウォール", RaiseProtection},
    {"ウイ", RaiseProtection},
    {"アー", RaiseProtection},
    {"フレ", RaiseProtection},
    {"マグ", RaiseProtection},
    {"レモ", RaiseProtection},
    {"オレ", RaiseProtection},
    {"ライ", RaiseProtection},
    {"カボ", RaiseProtection},
    {"魔除", RaiseProtection},
    {"水鏡", RaiseProtection},
    {"天面", RaiseProtection},
    {"シル", RaiseProtection},
    {"コス", AbsorbElement},
    {"アタ", Ataraxia},
    {"よも", SteamedMugwortBun},
    {"かば", Cover},
    {"因果", Retribution},
    {"霧が", HideInMist},
    {"木の", HideInLeaves},
}};
// clang-format on

} // namespace

std::span<const KeyHandler> BarrierHandlers() {
    return kBarrierHandlers;
}

} // namespace vk2
