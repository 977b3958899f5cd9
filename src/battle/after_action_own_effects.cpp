// The actor's own timed effects after its action, and the oleander's poison smoke.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "battle/action_effect.h"
#include "battle/after_action_steps.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "battle/messages.h"
#include "battle/stats.h"
#include "core/colour.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/commands.h"
#include "model/game.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

inline constexpr std::string_view kHealedLineEnd = "復。\r\n";
inline constexpr std::string_view kDashCommand = "ダッシュ";
inline constexpr double kBellHeal = 700;
inline constexpr std::uint8_t kWanderingMadness = 100;
inline constexpr int kMadnessIcon = kMadnessCounter - kHiddenCounter;
inline constexpr int kPoisonIcon = kPoisonCounter - kHiddenCounter;
inline constexpr std::uint8_t kOleanderBurst = 101;
inline constexpr int kSmokePower = 36;
inline constexpr int kSmokeSound = 170;

// The three abilities ageing wears down besides the maximum HP.
inline constexpr std::array<PerBattleSlot<std::int16_t> FighterTable::*, 3> kAgeingModifiers{
    &FighterTable::attackMod, &FighterTable::defenseMod, &FighterTable::speedMod};

std::size_t At(SlotIndex s) {
    return static_cast<std::size_t>(s);
}

void ChangeHp(Game& game, SlotIndex slot, std::int64_t delta) {
    SetHp(game, slot, static_cast<double>(HpOf(game, slot) + delta));
}

// Reversed healing (counter 45) turns the harm into healing and the healing into harm.
void HarmOrHeal(Game& game, SlotIndex slot, std::int64_t amount, bool harm) {
    const int reversed = game.f.counter(slot, kReversedHealingCounter);
    ChangeHp(game, slot, amount * (harm ? -1 : 1) * (1 - 2 * reversed));
    const bool heals = harm == (reversed != 0);
    AppendLine(game, slot, Str(amount) + (heals ? " HP回復。" : " のダメージ！"));
}

void PoisonTick(Game& game, SlotIndex slot) {
    const std::int64_t p = Int(game.f.maxHp[At(slot)] * 0.05 + game.f.counter(slot, kPoisonCounter) * 0.006);
    AppendLine(game, slot, "毒が回った。");
    HarmOrHeal(game, slot, p, true);
}

void ShowIcon(Game& game, SlotIndex slot, int icon) {
    game.f.statusIconIndex[At(slot)] = static_cast<std::uint8_t>(icon);
    game.form.StPic[At(slot)].visible = true;
    ShowStatusIcon(game, slot);
}

// A healing line at the end of the actor's box means this action cured it: no tick this time.
void SufferPoison(Game& game, SlotIndex actor) {
    std::uint8_t& poison = game.f.counter(actor, kPoisonCounter);
    if (poison == 0 || EndsWith(game.form.Message[At(actor)].text, kHealedLineEnd)) return;
    PoisonTick(game, actor);
    poison = ToByte(poison + 1);
}

void TireFromDash(Game& game, SlotIndex actor) {
    if (game.f.counter(actor, kDashCounter) != 1 || SelectedCommand(game, actor) == kDashCommand) return;
    ChangeHp(game, actor, -Int(game.f.maxHp[At(actor)] * 0.005));
    game.form.Message[At(actor)].text += "体力消耗。";
}

void Age(Game& game, SlotIndex actor) {
    if (game.f.counter(actor, kAgeingCounter) != 1) return;
    FighterTable& f = game.f;
    const std::int64_t spirit = f.spirit[At(actor)];
    f.hpMod[At(actor)] = ToInt32(f.hpMod[At(actor)] - (spirit + 100));
    for (const auto modifier : kAgeingModifiers) {
        std::int16_t& value = (f.*modifier)[At(actor)];
        value = ToInt16((value - 10) - Int(static_cast<double>(spirit) / 20));
    }
    RecomputeStats(game, actor);
    AppendLine(game, actor, "老化が進行。");
}

void RingBlessingBell(Game& game, SlotIndex actor) {
    if (game.f.accessory[At(actor)] != kBlessingBell) return;
    const std::int64_t b = Int(kBellHeal / std::pow(2.0, game.f.counter(actor, kHealHalvingCounter)));
    AppendLine(game, actor, "天使の祝福。");
    HarmOrHeal(game, actor, b, false);
}

void DrainByBloodMark(Game& game, SlotIndex actor) {
    const SlotIndex marker = game.f.counter(actor, kBloodMarkCounter) - 1;
    if (SelectedCommand(game, actor) == kGuardCommand || !IsBattleSlot(marker) || HpOf(game, actor) <= 0 ||
        HpOf(game, marker) <= 0)
        return;
    const std::int64_t d = game.f.tension[At(actor)] * 10;
    ChangeHp(game, actor, -d);
    AppendLine(game, actor, Str(d) + " HPを奪われた。");
    ChangeHp(game, marker, d);
    AppendLine(game, marker, Str(d) + " HP吸収。");
}

bool SomeoneElseOnField(const Game& game, SlotIndex actor) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        if (s != actor && OnField(game, s)) return true;
    return false;
}

SlotIndex DrawOtherFighter(Game& game, SlotIndex actor) {
    for (;;) {
        game.random.reseed();
        const auto a = static_cast<SlotIndex>(Int(game.random.next() * kBattleSlots));
        if (a != actor && OnField(game, a)) return a;
    }
}

// Madness that has run its course wanders on to another fighter; with nobody else on the field it
// simply ends.
void LetMadnessWander(Game& game, SlotIndex actor) {
    std::uint8_t& madness = game.f.counter(actor, kMadnessCounter);
    if (madness < kWanderingMadness) return;
    madness = 0;
    if (SomeoneElseOnField(game, actor)) {
        const SlotIndex a = DrawOtherFighter(game, actor);
        game.f.counter(a, kMadnessCounter) = kWanderingMadness;
        ShowIcon(game, a, kMadnessIcon);
        AppendLine(game, a, "狂気が彷徨う…");
    }
    RefreshStatusIconVisibility(game, actor);
    AppendLine(game, actor, "理性を取り戻した。");
}

void PoisonBySmoke(Game& game, SlotIndex h) {
    std::uint8_t& poison = game.f.counter(h, kPoisonCounter);
    poison = ToByte(poison + 1);
    if (poison == 1)
        AppendLine(game, h, "毒に冒された。");
    else
        PoisonTick(game, h);
    ShowIcon(game, h, kPoisonIcon);
}

void MarkWholeSide(Game& game, int side) {
    for (SlotIndex h = 3 * side; h <= SideLast(game, 3 * side); ++h) {
        for (Label* mark : {&game.form.Cursor[At(h)], &game.form.CursorTail[At(h)]}) {
            mark->visible = true;
            mark->foreColour = kWhite;
        }
    }
}

void BurstOleander(Game& game, SlotIndex actor, SlotIndex target, int side) {
    game.actionKind = 0;
    game.actionElements.fill(0);
    MarkWholeSide(game, side);
    PlayActionEffect(game, kMarkedSlots, 24, 5, Rgb(17, 136, 102), Rgb(221, 221, 221), kSmokeSound);
    ResolveAttack(game, target, actor, kSmokePower, kEveryMarkedSlot);
    for (SlotIndex h = 3 * side; h <= SideLast(game, 3 * side); ++h)
        if (game.form.Cursor[At(h)].visible && game.f.counter(h, kStatusGuardCounter) < 2)
            PoisonBySmoke(game, h);
}

} // namespace

void RunOwnTimedEffects(Game& game, SlotIndex actor) {
    SufferPoison(game, actor);
    TireFromDash(game, actor);
    Age(game, actor);
    RingBlessingBell(game, actor);
    DrainByBloodMark(game, actor);
    LetMadnessWander(game, actor);
}

void ReleaseOleanderSmoke(Game& game, SlotIndex actor, SlotIndex target) {
    const SlotIndex aimed = game.targetSlot;
    const int otherSide = 1 - SideOf(aimed);
    for (SlotIndex j = SideBase(aimed); j <= SideLast(game, aimed); ++j) {
        std::uint8_t& oleander = game.f.counter(j, kOleanderCounter);
        if (oleander <= kOleanderBurst - 1) continue;
        AppendLine(game, j, "夾竹桃から猛毒の煙発生！");
        oleander = static_cast<std::uint8_t>(oleander - kOleanderBurst);
        BurstOleander(game, actor, target, otherSide);
    }
}

} // namespace vk2
