#include "battle/skills/healing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "battle/stats.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/elements.h"
#include "model/equipment.h"
#include "model/game.h"
#include "model/growth.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// --- Shared steps ---------------------------------------------------------------------------

constexpr int kCalmTension = 50;
constexpr int kSettleStep = 3;
constexpr double kHealCap = 9999;

// A heal settles the fighter's mood: it lifts a low tension and calms a high one.
void SettleTension(Game& game, SlotIndex slot) {
    AdjustTension(game, slot, game.f.tension[At(slot)] < kCalmTension ? kSettleStep : -kSettleStep);
}

// The healing rule with the amount held at 9999: a base beyond 9999 halvings' worth heals 9999.
std::string HealAtMost9999(Game& game, SlotIndex slot, double base) {
    const double halvings = std::pow(2.0, game.f.counter(slot, kHealHalvingCounter));
    return Heal(game, slot, std::min(base, kHealCap * halvings));
}

// A heal by the caster's spirit. The sum is a 16-bit value; a spirit that would overflow it heals
// by the largest such value instead of wrapping round to a negative heal.
double SpiritBase(const Game& game, SlotIndex actor, int perSpirit, int fixed) {
    return ToInt16(game.f.spirit[At(actor)] * perSpirit + fixed);
}

double MissingHp(const Game& game, SlotIndex slot) {
    return static_cast<double>(game.f.maxHp[At(slot)] - HpOf(game, slot));
}

bool HpFull(const Game& game, SlotIndex slot) {
    return HpOf(game, slot) == game.f.maxHp[At(slot)];
}

void RaiseMp(Game& game, SlotIndex slot, std::int64_t amount) {
    SetMp(game, slot, static_cast<double>(MpOf(game, slot) + amount));
}

void FillMp(Game& game, SlotIndex slot) {
    SetMp(game, slot, game.f.maxMp[At(slot)]);
}

// Effects that finish with another effect run it under its own key, as a player's command would.
void RunFollowUp(Game& game, Action& action, std::string_view key) {
    std::string k(key);
    ExecuteSkill(game, action.actor, action.target, k);
}

// --- Heals by a fixed rule ------------------------------------------------------------------

constexpr int kAuraPerSpirit = 9;
constexpr int kAuraBase = 1143;

// Every marked fighter, friend or foe, is healed by the caster's spirit.
void HealMarked(Game& game, Action& action) {
    const double base = SpiritBase(game, action.actor, kAuraPerSpirit, kAuraBase);
    ForEachSlot(game, SlotTest::Marked, [&](SlotIndex j) {
        AppendLine(game, j, HealAtMost9999(game, j, base));
        SettleTension(game, j);
    });
}

// The caster heals itself by as much HP as it has.
void Photosynthesise(Game& game, Action& action) {
    const SlotIndex self = action.actor;
    const std::string piece = HealAtMost9999(game, self, static_cast<double>(HpOf(game, self)));
    AppendLine(game, self, piece);
}

void HealMissingAndCure(Game& game, Action& action) {
    const SlotIndex t = action.target;
    const std::string piece = Heal(game, t, MissingHp(game, t));
    AppendLine(game, t, HpFull(game, t) ? "HP全快。" : piece);
    RunFollowUp(game, action, "あろ");
}

// A fighter already at full HP reads "HP、MP全快。" on one line.
void RestoreHpAndMp(Game& game, Action& action) {
    const SlotIndex t = action.target;
    const std::string piece = Heal(game, t, MissingHp(game, t));
    FillMp(game, t);
    if (HpFull(game, t))
        AppendText(game, t, "HP、");
    else
        AppendLine(game, t, piece);
    AppendLine(game, t, "MP全快。");
    RecomputeStats(game, t);
}

constexpr int kPuddingHp = 4000;

// The maximum rises only after the heal, so the heal stops at the old maximum.
void RaiseMaxHpAndHeal(Game& game, Action& action) {
    const SlotIndex t = action.target;
    game.f.hpMod[At(t)] += kPuddingHp;
    AppendLine(game, t, "最大HP" + Str(kPuddingHp) + " アップ、");
    AppendLine(game, t, Heal(game, t, kPuddingHp));
    RecomputeStats(game, t);
}

constexpr int kMandrakeDose = 2;

void FillMpAndPoison(Game& game, Action& action) {
    const SlotIndex t = action.target;
    FillMp(game, t);
    AppendLine(game, t, "MP全快。");
    if (!IsGuarded(game, t)) Poison(game, t, kMandrakeDose);
}

// --- Revival --------------------------------------------------------------------------------

void PromiseRevival(Game& game, Action& action) {
    AppendText(game, action.target, "死後の復活が約束された。");
    // The promise is a byte: the strongest spirits all promise the longest revival.
    game.f.counter(action.target, kTestamentCounter) = ToByte(game.f.spirit[At(action.actor)]);
}

// --- Cures ----------------------------------------------------------------------------------

// Timed states a status cure ends besides the afflictions.
constexpr std::array kCuredStates{kStatLockCounter, kWetCounter, kTimeBombCounter};
constexpr int kCalmCureTension = 1;
constexpr int kExcitedCureTension = -5;

void CureStatus(Game& game, Action& action) {
    const SlotIndex t = action.target;
    for (const int k : kCuredStates) game.f.counter(t, k) = 0;
    for (int k = kMadnessCounter; k <= kAgeingCounter; ++k) game.f.counter(t, k) = 0;
    RefreshStatusIconVisibility(game, t);
    RecomputeStats(game, t);
    const bool calm = game.f.tension[At(action.actor)] < kCalmTension;
    AdjustTension(game, t, calm ? kCalmCureTension : kExcitedCureTension);
    AppendLine(game, t, "ステータス回復。");
}

constexpr int kCureSound = 120;

// A fighter that sees is told nothing.
void CureBlindness(Game& game, Action& action) {
    const SlotIndex t = action.target;
    PlaySoundEffect(game, kCureSound);
    std::uint8_t& blindness = game.f.counter(t, kBlindnessCounter);
    if (blindness == 0) return;
    blindness = 0;
    AppendLine(game, t, "視界を取り戻した。");
    RefreshStatusIconVisibility(game, t);
}

void CurePoison(Game& game, Action& action) {
    const SlotIndex t = action.target;
    AppendText(game, t, "毒が治った。");
    game.f.counter(t, kPoisonCounter) = 0;
    RefreshStatusIconVisibility(game, t);
    PlaySoundEffect(game, kCureSound);
}

constexpr int kPartialGuard = 1;
constexpr int kFullGuard = 2;

// Waking up leaves the fighter at least partly guarded against afflictions.
void WakeUp(Game& game, Action& action) {
    const SlotIndex t = action.target;
    AppendLine(game, t, "目覚める清涼感！");
    game.f.counter(t, kSleepCounter) = 0;
    std::uint8_t& guard = game.f.counter(t, kStatusGuardCounter);
    guard = guard == kFullGuard ? kFullGuard : kPartialGuard;
    RefreshStatusIconVisibility(game, t);
}

// --- Dispel ---------------------------------------------------------------------------------

// What a dispel leaves: the ward, the bomb, the afflictions, the step bonus, the undead mark and
// karma are not magic cast on the fighter.
bool OutlastsDispel(int k) {
    return k == kWardCounter || k == kTimeBombCounter || (k >= kMadnessCounter && k <= kAgeingCounter) ||
           k == kStepCounter || k == kUndeadMarkCounter || k == kKarmaCounter;
}

constexpr int kProtectedBySlotBase = 10;
constexpr int kOwnLevelBelow = 10;
constexpr Colour kWindowColour = kWhite;

void ClearMagicCounters(Game& game, SlotIndex t) {
    for (int k = 0; k < kCounters; ++k)
        if (!OutlastsDispel(k)) game.f.counter(t, k) = 0;
    if (game.f.accessory[At(t)] == kAliceHandkerchief) game.f.counter(t, kStatusGuardCounter) = kFullGuard;
}

// Whoever was protecting the fighter stops.
void EndProtectionOf(Game& game, SlotIndex t) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        std::uint8_t& bond = game.f.counter(s, kBondCounter);
        if (bond - kProtectedBySlotBase == t) bond = 0;
    }
}

void RestoreOwnNature(Game& game, SlotIndex t) {
    FighterTable& f = game.f;
    f.attackMod[At(t)] = 0;
    f.defenseMod[At(t)] = 0;
    f.speedMod[At(t)] = 0;
    f.spiritMod[At(t)] = 0;
    f.element[At(t)] = f.baseElement[At(t)];
    game.form.ViewFrame[At(t)].borderColour = ElementColour(f.element[At(t)]);
    game.form.HPMP[At(t)].backColour = kWindowColour;
    game.form.HP[At(t)].visible = true;
    game.form.MP[At(t)].visible = true;
    if (f.level[At(t)] < kOwnLevelBelow) {
        f.level[At(t)] = f.baseLevel[At(t)];
        ApplyLevel(game, t);
    }
    ApplyEquipment(game, t, kEquipRefresh);
    RefreshStatusIconVisibility(game, t);
}

void Dispel(Game& game, Action& action) {
    const SlotIndex t = action.target;
    ClearMagicCounters(game, t);
    EndProtectionOf(game, t);
    RestoreOwnNature(game, t);
    ShowSeparatedMembers(game, t);
    AppendLine(game, t, "魔法効果消去。");
}

// --- Tables ---------------------------------------------------------------------------------

constexpr EffectSlot kOne = EffectSlot::Target;
constexpr EffectSlot kAll = EffectSlot::Marked;
constexpr Animation kNoAnimation{};
constexpr Tint kT = kTransparent;
constexpr Tint kWhiteTint = Fixed(0xFFFFFF);

// An effect of its own shape: the animation, then the effect.
struct Remedy {
    std::string_view key;
    Animation animation;
    void (*apply)(Game&, Action&);
    bool onActor = false; // the animation plays on the actor whoever was clicked
};

void Use(Game& game, Action& action, const Remedy& row) {
    PlayAnimation(game, row.onActor ? action.actor : action.target, row.animation);
    row.apply(game, action);
}

// clang-format off
//   key     slot frames/half colour A/colour B                      sound  effect                 on actor
constexpr std::array kRemedies{
    Remedy{"ヒー", {kAll, 23, 6, Fixed(0xAAFFCC), Fixed(0xFFFFEE), 91},  HealMarked},             // ヒーリングオーラ
    Remedy{"癒し", {kAll, 23, 6, Ec(4), Fixed(0xFFFFEE), 91},            HealMarked},             // 癒しの風
    Remedy{"森林", {kAll, 23, 6, Ec(7), Fixed(0xFFFFEE), 91},            HealMarked},             // 森林浴
    Remedy{"光合", {kOne, 26, 9, Ec(7), Fixed(0xEEFFFF), 91},            Photosynthesise, true},  // 光合成
    Remedy{"奇跡", {kOne, 29, 10, Ec(6), kWhiteTint, 94},                HealMissingAndCure},     // 奇跡の泉
    Remedy{"仙人", {kOne, 27, 7, Fixed(0xDDBBFF), kWhiteTint, 91},       RestoreHpAndMp},         // 仙人の桃
    Remedy{"ピー", {kOne, 27, 7, Fixed(0xDDBBFF), kWhiteTint, 91},       RestoreHpAndMp},         // ピーチクラフティ
    Remedy{"豆乳", {kOne, 27, 7, Fixed(0xBBFFFF), kWhiteTint, 92},       RaiseMaxHpAndHeal},      // 豆乳プリン
    Remedy{"マン", {kOne, 27, 7, Fixed(0x226655), kWhiteTint, 94},       FillMpAndPoison},        // マンドラゴラ
    Remedy{"ラザ", {kOne, 17, 9, Ec(9), kT, 11},                         PromiseRevival},         // ラザロの遺言
    Remedy{"清流", {kOne, 27, 7, Ec(6), kWhiteTint, 94},                 CureStatus},             // 清流
    Remedy{"アロ", {kOne, 27, 7, Fixed(0x55EE44), kWhiteTint, 94},       CureStatus},             // アロエ
    Remedy{"あろ", kNoAnimation,                                         CureStatus},             // the cure that follows a heal
    Remedy{"目薬", kNoAnimation,                                         CureBlindness},          // 目薬
    Remedy{"毒消", kNoAnimation,                                         CurePoison},             // 毒消し草
    Remedy{"ミン", {kOne, 26, 9, Fixed(0xDDFF88), Fixed(0xFFFFDD), 120}, WakeUp},                 // ミント
    Remedy{"光の", {kOne, 20, 7, Fixed(0x99FFFF), Fixed(0xEEFFFF), 19},  Dispel},                 // 光の渦
    Remedy{"禊ぎ", {kOne, 20, 7, Ec(6), Fixed(0xEEFFFF), 163},           Dispel},                 // 禊ぎ祓い
    Remedy{"ハリ", {kOne, 20, 7, Fixed(0xEEFFFF), kT, 4},                Dispel},                 // ハリセン
    Remedy{"はり", kNoAnimation,                                         Dispel},                 // the dispel of a sweet
};
// clang-format on

// A single heal of base = the caster's spirit x perSpirit + fixed, and what comes with it.
struct PlainHeal {
    std::string_view key;
    Animation animation;
    int perSpirit;
    int fixed;
    bool settlesTension;
    void (*extra)(Game&, Action&) = nullptr;
};

constexpr int kHerbTask = 4; // the proposition's task (its tens digit) that a herb given to a foe fulfils
constexpr std::uint8_t kProposalFulfilled = 20;

// Giving a foe a herb fulfils that task.
void FulfilHerbProposal(Game& game, Action& action) {
    std::uint8_t& proposal = game.f.counter(action.actor, kPropositionCounter);
    if (SideOf(action.target) != SideOf(action.actor) && proposal / 10 % 10 == kHerbTask)
        proposal = kProposalFulfilled;
}

constexpr int kDrinkTensionBonus = 28;

// The drink raises tension by the current tension and more besides.
void RaiseTensionByDrink(Game& game, Action& action) {
    const SlotIndex t = action.target;
    AdjustTension(game, t, game.f.tension[At(t)] + kDrinkTensionBonus);
    AppendLine(game, t, "テンション上昇。");
}

void Use(Game& game, Action& action, const PlainHeal& row) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, row.animation);
    AppendLine(game, t, Heal(game, t, SpiritBase(game, action.actor, row.perSpirit, row.fixed)));
    if (row.settlesTension) SettleTension(game, t);
    if (row.extra != nullptr) row.extra(game, action);
}

// clang-format off
// The commands of a shared key go by their full names.
//   key                         slot frames/half colour A/colour B            sound  per spirit fixed settles extra
constexpr std::array kPlainHeals{
    PlainHeal{"救い",             {kOne, 23, 6, Ec(9), kT, 91},                       22, 1760, true},  // 救いの掌
    PlainHeal{"大地の恵み",       {kOne, 27, 7, Ec(5), kT, 91},                       22, 1760, false},
    PlainHeal{"薬草",             {kOne, 27, 7, Fixed(0x50EECC), kWhiteTint, 91},     0,  2700, true,  FulfilHerbProposal},
    PlainHeal{"バイタルドリンク", {kOne, 27, 7, Fixed(0x22D0FF), kWhiteTint, 23},     0,  6800, false, RaiseTensionByDrink},
};
// clang-format on

// An item that restores HP and MP: HP by maxHp x hpShare + hp, MP by Int(maxMp x mpShare) + mp.
struct Refreshment {
    std::string_view key;
    Animation animation;
    double hpShare;
    int hp;
    double mpShare;
    int mp;
    std::string_view mpLine; // follows the MP gained
    std::string_view followUp;
    int tension; // 0: left alone
    bool recomputes;
};

void Use(Game& game, Action& action, const Refreshment& row) {
    const SlotIndex t = action.target;
    PlayAnimation(game, t, row.animation);
    AppendLine(game, t, Heal(game, t, game.f.maxHp[At(t)] * row.hpShare + row.hp));
    const std::int64_t mp = Int(game.f.maxMp[At(t)] * row.mpShare) + row.mp;
    RaiseMp(game, t, mp);
    AppendLine(game, t, Str(mp) + std::string(row.mpLine));
    if (!row.followUp.empty()) RunFollowUp(game, action, row.followUp);
    if (row.tension != 0) AdjustTension(game, t, row.tension);
    if (row.recomputes) RecomputeStats(game, t);
}

// clang-format off
//   key     slot frames/half colour A/colour B                  sound  HP share HP  MP share MP  MP line      follow-up tension recomputes
constexpr std::array kRefreshments{
    Refreshment{"高麗", {kOne, 27, 7, Fixed(0x33BBFF), kWhiteTint, 92}, 0.5, 0,    0.5, 0,  " MP回復。", "あろ", -47, false}, // 高麗人参
    Refreshment{"キャ", {kOne, 27, 7, Fixed(0x33BBFF), kWhiteTint, 92}, 0.5, 0,    0.5, 0,  " MP回復。", "あろ", 2,   false}, // キャロットケーキ
    Refreshment{"マド", {kOne, 27, 7, Fixed(0x88DDEE), kWhiteTint, 92}, 0,   2000, 0,   50, " MP回復。", "",     0,   false}, // マドレーヌ
    Refreshment{"八ツ", {kOne, 27, 7, Fixed(0x99DDDD), kWhiteTint, 92}, 0.4, 0,    0.4, 0,  " MP回復",   "はり", 0,   true},  // 八ツ橋
};
// clang-format on

// A fallen fighter stands again at full HP; a standing one is filled up just the same.
struct Revival {
    std::string_view key;
    Animation animation;
    bool undead; // the revived fighter bears the undead mark; the animation plays before the box moves
};

void ReturnToField(Game& game, SlotIndex t) {
    game.form.ViewUnder[At(t)].visible = true;
    Frame& frame = game.form.ViewFrame[At(t)];
    frame.borderStyle = 0;
    frame.borderColour = ElementColour(game.f.element[At(t)]);
    game.form.TGage[At(t)].visible = true;
}

void Use(Game& game, Action& action, const Revival& row) {
    const SlotIndex t = action.target;
    if (row.undead) PlayAnimation(game, t, row.animation);
    PlaceMessageBox(game, t, 0);
    if (!row.undead) PlayAnimation(game, t, row.animation);
    SetHp(game, t, game.f.maxHp[At(t)]);
    AppendLine(game, t, "生き返った！");
    ReturnToField(game, t);
    if (row.undead) game.f.counter(t, kUndeadMarkCounter) = 1;
}

// clang-format off
//   key     slot frames/half colour A/colour B             sound  undead
constexpr std::array kRevivals{
    Revival{"フェ", {kOne, 14, 5, Ec(1), kWhiteTint, 93},             false}, // フェニックス
    Revival{"生命", {kOne, 14, 5, Ec(9), Fixed(0xBBFFCC), 93},        false}, // 生命の息吹
    Revival{"ゴー", {kOne, 14, 5, Fixed(0x77AABB), kWhiteTint, 93},   false}, // ゴータミーの芥子粒
    Revival{"罪の", {kOne, 29, 6, Fixed(0x4422AA), kT, 183},          true},  // 罪の果実
};
// clang-format on

// Every row of a table becomes a handler of its own, bound to its row.
template <const auto& Rows, std::size_t I> void UseRow(Game& game, Action& action) {
    Use(game, action, Rows[I]);
}

template <const auto& Rows, std::size_t... I> constexpr auto HandlersOf(std::index_sequence<I...>) {
    return std::array<KeyHandler, sizeof...(I)>{KeyHandler{Rows[I].key, &UseRow<Rows, I>}...};
}

template <const auto& Rows> constexpr auto HandlersOf() {
    return HandlersOf<Rows>(std::make_index_sequence<Rows.size()>{});
}

template <std::size_t... N> constexpr auto Join(const std::array<KeyHandler, N>&... tables) {
    std::array<KeyHandler, (N + ...)> all{};
    auto out = all.begin();
    ((out = std::copy(tables.begin(), tables.end(), out)), ...);
    return all;
}

constexpr auto kHandlers = Join(HandlersOf<kRemedies>(), HandlersOf<kPlainHeals>(),
                                HandlersOf<kRefreshments>(), HandlersOf<kRevivals>());

} // namespace

std::span<const KeyHandler> HealingHandlers() {
    return kHandlers;
}

} // namespace vk2
