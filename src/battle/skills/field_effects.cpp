#include "battle/skills/field_effects.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/mp_cost.h"
#include "battle/skills/skill_rules.h"
#include "core/numbers.h"
#include "model/elements.h"
#include "model/game.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// --- Timed field effects --------------------------------------------------------------------

struct FieldEffect {
    std::string_view key;
    int sound;
    bool soundFirst;          // else after the messages
    std::string_view message; // to every fighter on the field
    bool replacesBox;         // the message replaces the box instead of joining it
    Colour colour;
    int casterTension; // 0: left alone
};

// clang-format off
//   key     sound  first  message               replaces  colour                  caster tension
constexpr std::array kFieldEffects{
    FieldEffect{"静寂", 10,  true,  "…………",         false, kSilentSnowField,      -7}, // 静寂の雪
    FieldEffect{"カリ", 182, true,  "暗黒時代に突入！", false, kKaliYugaField,         0}, // カリ・ユガ
    FieldEffect{"磁気", 2,   false, "MP消費３倍！",     true,  kMagneticAnomalyField,  0}, // 磁気異常
    FieldEffect{"灰色", 15,  true,  "MP消費ゼロ！",     false, kGreyCrescentField,     0}, // 灰色三日月
};
// clang-format on

const FieldEffect& FieldEffectOf(std::string_view key) {
    for (const FieldEffect& effect : kFieldEffects)
        if (effect.key == key) return effect;
    return kFieldEffects.front();
}

void StartFieldEffect(Game& game, Action& action) {
    const FieldEffect& effect = FieldEffectOf(action.key);
    if (effect.soundFirst) PlaySoundEffect(game, effect.sound);
    ForEachSlot(game, SlotTest::OnField, [&](SlotIndex j) {
        if (effect.replacesBox)
            ReplaceLine(game, j, effect.message);
        else
            AppendLine(game, j, effect.message);
    });
    if (!effect.soundFirst) PlaySoundEffect(game, effect.sound);
    if (effect.casterTension != 0) AdjustTension(game, action.actor, effect.casterTension);
    SetFieldEffect(game, action.actor, effect.colour);
}

// --- Averaging ------------------------------------------------------------------------------

constexpr int kAveragingSound = 16;

// Every fighter on the field, of both sides, ends with the average HP and MP. The HP is summed in
// tenths at single precision, so the average can come out a point below the exact one; the MP is
// summed wide enough that six full boxes cannot overflow it.
void AverageHpAndMp(Game& game, Action&) {
    PlaySoundEffect(game, kAveragingSound);
    float hpTenths = 0;
    std::int64_t mp = 0;
    int n = 0;
    ForEachSlot(game, SlotTest::OnField, [&](SlotIndex j) {
        hpTenths =
            static_cast<float>(static_cast<double>(hpTenths) + static_cast<double>(HpOf(game, j)) * 0.1);
        mp += MpOf(game, j);
        ++n;
    });
    if (n == 0) return;
    const float hp = hpTenths / static_cast<float>(n) * 10.0f;
    ForEachSlot(game, SlotTest::OnField, [&](SlotIndex j) {
        SetHp(game, j, static_cast<double>(Int(static_cast<double>(hp))));
        SetMp(game, j, static_cast<double>(Int(static_cast<double>(mp) / n)));
        ReplaceLine(game, j, "HP、MP平均化。");
    });
}

// --- Curse of the horn ----------------------------------------------------------------------

constexpr std::int32_t kCursedHp = 6666;
constexpr std::int16_t kCursedMp = 666;
constexpr std::int16_t kCursedAbility = 66;

// The modifier makes the total come out at `value` whatever the fighter's own and equipment parts.
void FixAbility(std::int16_t& mod, std::int16_t& total, int own, int equipment, std::int16_t value) {
    mod = ToInt16(value - own - equipment);
    total = value;
}

// A maximum MP of 666 marks the cursed fighter: later stat changes leave its numbers alone.
void Curse(Game& game, SlotIndex j) {
    FighterTable& f = game.f;
    const std::size_t s = At(j);
    f.hpMod[s] = ToInt32(std::int64_t{kCursedHp} - f.baseMaxHp[s] - f.equipHp[s]);
    f.maxHp[s] = kCursedHp;
    SetHp(game, j, kCursedHp);
    FixAbility(f.mpMod[s], f.maxMp[s], f.baseMaxMp[s], f.equipMp[s], kCursedMp);
    SetMp(game, j, kCursedMp);
    FixAbility(f.attackMod[s], f.attack[s], f.baseAttack[s], f.equipAttack[s], kCursedAbility);
    FixAbility(f.defenseMod[s], f.defense[s], f.baseDefense[s], f.equipDefense[s], kCursedAbility);
    FixAbility(f.speedMod[s], f.speed[s], f.baseSpeed[s], f.equipSpeed[s], kCursedAbility);
    FixAbility(f.spiritMod[s], f.spirit[s], f.baseSpirit[s], f.equipSpirit[s], kCursedAbility);
    f.counter(j, kChargeCounter) = 0;
    f.counter(j, kConcentrationCounter) = 0;
    AppendLine(game, j, "不吉がもたらされた。");
}

constexpr Animation kHornAnimation{EffectSlot::Marked, 23, 6, Ec(8), Fixed(0xDDDDDD), 184};

// Guarded fighters are passed over without a word.
void CurseTheField(Game& game, Action& action) {
    PlayAnimation(game, action.target, kHornAnimation);
    ForEachSlot(game, SlotTest::OnField, [&](SlotIndex j) {
        if (!IsGuarded(game, j)) Curse(game, j);
    });
}

constexpr auto BuildHandlers() {
    std::array<KeyHandler, kFieldEffects.size() + 2> table{};
    auto row = table.begin();
    for (const FieldEffect& effect : kFieldEffects) *row++ = {effect.key, StartFieldEffect};
    *row++ = {"神の", AverageHpAndMp}; // 神の見えざる手
    *row = {"悪魔", CurseTheField};    // 悪魔の角笛
    return table;
}

constexpr auto kHandlers = BuildHandlers();

} // namespace

std::span<const KeyHandler> FieldEffectHandlers() {
    return kHandlers;
}

} // namespace vk2
