#include "battle/techniques/ailment_techniques.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "battle/counters.h"
#include "battle/messages.h"
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

double SpiritOf(const Game& game, SlotIndex slot) {
    return game.f.spirit[At(slot)];
}

constexpr EffectSlot kOne = EffectSlot::Target;
constexpr EffectSlot kAll = EffectSlot::Marked;
constexpr Animation kNoAnimation{};
constexpr Tint kT = kTransparent;
constexpr Colour kDreamPink = 0xFFCCDD;

// --- Sleep --------------------------------------------------------------------------------------

// Whoever the proposition forbids to sleep dies of falling asleep.
constexpr int kNoSleepProposition = 3;
constexpr int kDeathPauseMs = 400;
constexpr ResistTest kSleepTest{3.9, 0.3, false};
constexpr int kSleepTension = -7;

struct Lullaby {
    std::string_view key;
    Animation animation;
    bool needsContest; // the chloroform works on any spirit
};
// clang-format off
//   key            slot frames/half colour A/colour B         sound  needsContest
constexpr std::array kLullabies{
    Lullaby{"こも", {kOne, 19, 5, Fixed(kDreamPink), kT, 90},         true},  // こもりうた
    Lullaby{"コー", {kOne, 19, 5, Ec(kCold), Fixed(kDreamPink), 16},  true},  // コールドスリープ
    Lullaby{"催眠", {kOne, 19, 5, Ec(kWood), Fixed(kDreamPink), 24},  true},  // 催眠アロマ
    Lullaby{"クロ", {kOne, 19, 5, Fixed(kDreamPink), kT, 90},         false}, // クロロホルム
    Lullaby{"コモ", kNoAnimation,                                     true},  // each sleeper of レムの振り子
};
// clang-format on

const Lullaby& LullabyOf(std::string_view key) {
    for (const Lullaby& lullaby : kLullabies)
        if (lullaby.key == key) return lullaby;
    return kLullabies.front();
}

// The handkerchief invites sleep: its wearer drops off whatever the guard and the contest say.
bool StaysAwake(const Game& game, const Action& action, const Lullaby& lullaby) {
    const SlotIndex t = action.target;
    const bool lost =
        lullaby.needsContest && !ResistRoll(game, action.actor, t, kSleepTest, game.techniqueRoll);
    return (game.f.counter(t, kStatusGuardCounter) != 0 || lost) &&
           game.f.accessory[At(t)] != kAliceHandkerchief;
}

void Sleep(Game& game, Action& action) {
    const Lullaby& lullaby = LullabyOf(action.key);
    const SlotIndex t = action.target;
    PlayAnimation(game, t, lullaby.animation);
    std::uint8_t& sleep = game.f.counter(t, kSleepCounter);
    if (sleep != 0) {
        AppendLine(game, t, "眠っている…");
        return;
    }
    if (StaysAwake(game, action, lullaby)) {
        AppendLine(game, t, "眠らなかった。");
        return;
    }
    sleep = ToByte(Int(SpiritOf(game, action.actor) * 0.06) + sleep + 3);
    AppendLine(game, t, "眠りに落ちた。");
    ShowAfflictionIcon(game, t, kSleepCounter);
    AdjustTension(game, t, kSleepTension);
    if (game.f.counter(t, kPropositionCounter) / 10 != kNoSleepProposition) return;
    AppendLine(game, t, "天の命題に背いた！");
    FellFighter(game, t);
    game.platform.pause(kDeathPauseMs);
}

// Every white-marked member of the target's side is sung to sleep on a roll of its own.
void SwingPendulum(Game& game, Action& action) {
    PlayAnimation(game, action.target, {kAll, 26, 7, Fixed(kDreamPink), kT, 11});
    ForEachOnSide(game, action.target, SlotTest::MarkedWhite, [&](SlotIndex s) {
        std::string key = "コモ";
        ExecuteTechnique(game, action.actor, s, key);
    });
}

// --- Poison or death ----------------------------------------------------------------------------

constexpr int kFoxgloveRollAbove = 7;
constexpr int kFoxgloveDose = 7;
constexpr int kFoxgloveTension = 21;
constexpr int kDeathProofLevelAbove = 9;

// A high roll poisons a fighter the guard lets through; otherwise the foxglove tries to kill, and
// only a high level, the charms or the high roll itself save the target, whatever its guard.
void PoisonOrKill(Game& game, Action& action) {
    const SlotIndex t = action.target;
    const int r = game.techniqueRoll;
    PlayAnimation(game, t, {kOne, 24, 5, Fixed(0x668811), Ec(kWood), 21});
    if (PassesGuard(game, t, GuardTest::BelowTwo) && r > kFoxgloveRollAbove) {
        Poison(game, t, kFoxgloveDose);
        AdjustTension(game, t, kFoxgloveTension);
        return;
    }
    if (game.f.level[At(t)] > kDeathProofLevelAbove || r > kFoxgloveRollAbove || WearsDeathCharm(game, t)) {
        AppendMiss(game, t);
        return;
    }
    FellFighter(game, t);
    AppendLine(game, t, "息の根を止めた。");
}

// --- The other ailments -------------------------------------------------------------------------

struct Ailment;
using Inflict = void (*)(Game&, SlotIndex actor, SlotIndex slot, const Ailment&);

// What decides, besides the guard, whether an ailment takes.
enum class Odds : std::uint8_t {
    Certain,     // nothing but the guard
    Spirit,      // the spirit contest
    AuroraLight, // spirit(actor) × 0.16 above the roll
};

struct Ailment {
    std::string_view key;
    bool sweeps; // every white-marked slot on a roll of its own, else the target on the technique's roll
    Animation animation;
    GuardTest guard;
    Odds odds;
    ResistTest contest;
    bool needsWhiteMark;
    Inflict inflict;
    std::string_view line;       // told on success
    std::string_view guardFail;  // told when the guard holds; empty for nothing
    std::string_view chanceFail; // told when the odds fail; empty for nothing
};

constexpr double kBlindnessPerSpirit = 0.06;
constexpr int kBlindnessTurns = 4;

void BlindBySpirit(Game& game, SlotIndex actor, SlotIndex slot, const Ailment& ailment) {
    std::uint8_t& blindness = game.f.counter(slot, kBlindnessCounter);
    blindness = ToByte(Int(SpiritOf(game, actor) * kBlindnessPerSpirit) + blindness + kBlindnessTurns);
    AppendLine(game, slot, ailment.line);
    ShowAfflictionIcon(game, slot, kBlindnessCounter);
}

// Raises counter k by `turns`, staying at the counter's limit when struck again and again.
void AddTurns(Game& game, SlotIndex slot, int k, int turns, std::string_view line) {
    std::uint8_t& counter = game.f.counter(slot, k);
    counter = ToByte(counter + turns);
    AppendLine(game, slot, line);
    ShowAfflictionIcon(game, slot, k);
}

void Blind(Game& game, SlotIndex, SlotIndex slot, const Ailment& ailment) {
    AddTurns(game, slot, kBlindnessCounter, kBlindnessTurns, ailment.line);
}

constexpr int kParalysisTurns = 4;

void Paralyse(Game& game, SlotIndex, SlotIndex slot, const Ailment& ailment) {
    AddTurns(game, slot, kParalysisCounter, kParalysisTurns, ailment.line);
}

// The stronger confusion, once in force, is kept.
constexpr std::uint8_t kLastingConfusion = 2;

void Confuse(Game& game, SlotIndex, SlotIndex slot, const Ailment& ailment) {
    std::uint8_t& confusion = game.f.counter(slot, kConfusionCounter);
    confusion = confusion == kLastingConfusion ? kLastingConfusion : 1;
    AppendLine(game, slot, ailment.line);
    ShowAfflictionIcon(game, slot, kConfusionCounter);
}

constexpr int kMistDose = 1;
constexpr int kMistTension = -3;

void PoisonByMist(Game& game, SlotIndex, SlotIndex slot, const Ailment&) {
    Poison(game, slot, kMistDose);
    AdjustTension(game, slot, kMistTension);
}

void Age(Game& game, SlotIndex, SlotIndex slot, const Ailment& ailment) {
    game.f.counter(slot, kAgeingCounter) = 1;
    AppendLine(game, slot, ailment.line);
    ShowAfflictionIcon(game, slot, kAgeingCounter);
}

constexpr std::uint8_t kSlowedMark = 2;

void SlowDown(Game& game, SlotIndex actor, SlotIndex slot, const Ailment& ailment) {
    game.f.counter(slot, kSpeedMarkCounter) = kSlowedMark;
    const std::int64_t n = Int(SpiritOf(game, actor) * 0.15 + 30);
    AppendLine(game, slot, std::string(ailment.line) + Str(n) + " ダウン。");
    std::int16_t& speedMod = game.f.speedMod[At(slot)];
    speedMod = ToInt16(speedMod - n);
    RecomputeStats(game, slot);
}

bool OddsFavour(const Game& game, SlotIndex actor, SlotIndex slot, const Ailment& ailment, int r) {
    switch (ailment.odds) {
    case Odds::Certain:
        return true;
    case Odds::Spirit:
        return ResistRoll(game, actor, slot, ailment.contest, r);
    case Odds::AuroraLight:
        return SpiritOf(game, actor) * 0.16 > r;
    }
    return false;
}

void TellFailure(Game& game, SlotIndex slot, std::string_view line) {
    if (!line.empty()) AppendLine(game, slot, line);
}

void TryAilment(Game& game, SlotIndex actor, SlotIndex slot, const Ailment& ailment, int r) {
    if (ailment.needsWhiteMark && !Passes(game, slot, SlotTest::MarkedWhite)) {
        TellFailure(game, slot, ailment.chanceFail);
        return;
    }
    if (!PassesGuard(game, slot, ailment.guard)) {
        TellFailure(game, slot, ailment.guardFail);
        return;
    }
    if (!OddsFavour(game, actor, slot, ailment, r)) {
        TellFailure(game, slot, ailment.chanceFail);
        return;
    }
    ailment.inflict(game, actor, slot, ailment);
}

constexpr GuardTest kBelowTwo = GuardTest::BelowTwo;
constexpr GuardTest kNotTwo = GuardTest::NotTwo;
constexpr ResistTest kNoContest{0, 0, false};
constexpr std::string_view kMiss = "ミス！";
constexpr std::string_view kSilent = "";
constexpr std::string_view kBlinded = "視界を奪われた。";
constexpr std::string_view kParalysed = "身体が麻痺した。";
constexpr std::string_view kKeptReason = "理性を保った。";

// オーロラ shares its key with a finishing move, which hands the key over while オーロラ is the
// selected command. The sand of the storm blinds where the caster's spirit wins, as every other
// blinding does.
// clang-format off
//   key            sweeps  slot frames/half colour A/colour B                sound  guard      odds               contest             whiteMark inflict        line                    guardFail    chanceFail
constexpr std::array kAilments{
    Ailment{"オー",     false, {kOne, 19, 5, Ec(kCold), Fixed(0xFFCCEE), 11},   kBelowTwo, Odds::AuroraLight, kNoContest,         false, BlindBySpirit, kBlinded,               kMiss,       kMiss},       // オーロラ
    Ailment{"かげ",     false, {kOne, 19, 5, Ec(kFire), Fixed(0xDDDDFF), 11},   kBelowTwo, Odds::Spirit,      {3.5, 0.3, false},  false, BlindBySpirit, kBlinded,               kMiss,       kMiss},       // かげろう
    Ailment{"フラ",     true,  {kAll, 20, 3, Ec(kThunder), kT, 19},             kNotTwo,   Odds::Spirit,      {3.3, 0.3, true},   false, Blind,         kBlinded,               kMiss,       kMiss},       // フラッシュ
    Ailment{"けむ",     true,  {kAll, 20, 7, Fixed(0xDDDDDD), kT, 115},         kNotTwo,   Odds::Certain,     kNoContest,         false, Blind,         kBlinded,               kMiss,       kMiss},       // けむりだま
    Ailment{"ふら",     true,  kNoAnimation,                                    kNotTwo,   Odds::Spirit,      {1.55, 0.1, false}, false, Blind,         "砂が目に入った！",     kMiss,       kSilent},     // sand of 砂嵐
    Ailment{"ブレ",     false, {kOne, 17, 3, Fixed(0xFFBBFF), kT, 12},          kNotTwo,   Odds::Spirit,      {3.9, 0.3, true},   false, Confuse,       "混乱した。",           kKeptReason, kKeptReason}, // ブレインスクラッチ
    Ailment{"怪電",     false, {kOne, 17, 3, Fixed(0xFFBBFF), kT, 12},          kNotTwo,   Odds::Spirit,      {3.9, 0.3, true},   false, Confuse,       "混乱した。",           kKeptReason, kKeptReason}, // 怪電波
    Ailment{"スパ",     true,  {kAll, 25, 5, Ec(kThunder), Fixed(0x88FFCC), 130}, kBelowTwo, Odds::Spirit,    {3.5, 0.3, false},  false, Paralyse,      kParalysed,             kMiss,       kMiss},       // スパークシュート
    Ailment{"しび",     true,  {kAll, 25, 5, Ec(kWood), Fixed(0x88FFCC), 2},    kBelowTwo, Odds::Spirit,      {3.5, 0.3, false},  false, Paralyse,      kParalysed,             kMiss,       kMiss},       // しびれ花粉
    Ailment{"シャ",     false, {kOne, 19, 5, Ec(kDark), Fixed(0xE5DDDD), 2},    kBelowTwo, Odds::Spirit,      {4.4, 0.3, false},  true,  Paralyse,      kParalysed,             kMiss,       kMiss},       // シャドウステッチ
    Ailment{"しゃ",     false, kNoAnimation,                                    kBelowTwo, Odds::Spirit,      {4.4, 0.3, false},  true,  Paralyse,      kParalysed,             kSilent,     kSilent},     // shock of サンダーボルト and 船幽霊
    Ailment{"ポイ",     true,  {kAll, 27, 7, Ec(kWater), Fixed(0x668811), 21},  kBelowTwo, Odds::Spirit,      {3.6, 0.3, false},  false, PoisonByMist,  kSilent,                kMiss,       kMiss},       // ポイズンミスト
    Ailment{"ドッ",     true,  {kAll, 25, 13, Ec(kWater), Fixed(0xDDDDDD), 21}, kBelowTwo, Odds::Spirit,      {3.5, 0.3, false},  false, Age,           "急速に老化が始まる…", kMiss,       kMiss},       // ドッドカーム
    Ailment{"エア",     true,  {kAll, 19, 5, Ec(kWind), kT, 24},                kNotTwo,   Odds::Spirit,      {3.0, 0.3, true},   false, SlowDown,      "すばやさ",             kMiss,       kMiss},       // エアロプレッシャー
};
// clang-format on

const Ailment& AilmentOf(std::string_view key) {
    for (const Ailment& ailment : kAilments)
        if (ailment.key == key) return ailment;
    return kAilments.front();
}

// A sweep reseeds and rolls afresh for each of the six slots, marked or not, whenever its odds
// depend on a roll.
void InflictAilment(Game& game, Action& action) {
    const Ailment& ailment = AilmentOf(action.key);
    PlayAnimation(game, action.target, ailment.animation);
    if (!ailment.sweeps) {
        TryAilment(game, action.actor, action.target, ailment, game.techniqueRoll);
        return;
    }
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        const int r = ailment.odds == Odds::Certain ? 0 : DrawTechniqueRoll(game);
        if (Passes(game, s, SlotTest::MarkedWhite)) TryAilment(game, action.actor, s, ailment, r);
    }
}

// --- The table ----------------------------------------------------------------------------------

constexpr std::size_t kHandlerCount = kLullabies.size() + kAilments.size() + 2;

constexpr std::array<KeyHandler, kHandlerCount> AilmentTable() {
    std::array<KeyHandler, kHandlerCount> table{};
    std::size_t i = 0;
    for (const Lullaby& lullaby : kLullabies) table[i++] = {lullaby.key, Sleep};
    table[i++] = {"レム", SwingPendulum};
    for (const Ailment& ailment : kAilments) table[i++] = {ailment.key, InflictAilment};
    table[i] = {"ジギ", PoisonOrKill};
    return table;
}

constexpr auto kAilmentHandlers = AilmentTable();

} // namespace

std::span<const KeyHandler> AilmentTechniqueHandlers() {
    return kAilmentHandlers;
}

} // namespace vk2
