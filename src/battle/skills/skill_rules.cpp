#include "battle/skills/skill_rules.h"

#include <cmath>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/targeting.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/elements.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// +1 while heals heal, -1 while they harm (and poison heals).
int HealSign(const Game& game, SlotIndex slot) {
    return 1 - 2 * game.f.counter(slot, kReversedHealingCounter);
}

std::string_view HealWord(const Game& game, SlotIndex slot) {
    return game.f.counter(slot, kReversedHealingCounter) == 0 ? " HP回復。" : " のダメージ！";
}

std::string_view HarmWord(const Game& game, SlotIndex slot) {
    return game.f.counter(slot, kReversedHealingCounter) == 0 ? " のダメージ！" : " HP回復。";
}

Colour ColourOf(Tint tint) {
    return tint.element < 0 ? tint.value : ElementColour(tint.element);
}

constexpr int kFullGuard = 2;

} // namespace

void ReplaceLine(Game& game, SlotIndex slot, std::string_view text) {
    game.form.Message[At(slot)].text.clear();
    AppendLine(game, slot, text);
}

void AppendText(Game& game, SlotIndex slot, std::string_view text) {
    game.form.Message[At(slot)].text += text;
}

void AppendMiss(Game& game, SlotIndex slot) {
    AppendLine(game, slot, "ミス！");
}

std::string Heal(Game& game, SlotIndex slot, double base) {
    const std::int64_t amount = Int(base / std::pow(2.0, game.f.counter(slot, kHealHalvingCounter)));
    SetHp(game, slot, static_cast<double>(HpOf(game, slot) + HealSign(game, slot) * amount));
    return Str(amount) + std::string(HealWord(game, slot));
}

void Poison(Game& game, SlotIndex target, int dose) {
    std::uint8_t& poison = game.f.counter(target, kPoisonCounter);
    // A fighter poisoned over and over stays at the counter's limit rather than wrapping round
    // to a fresh poisoning.
    poison = ToByte(poison + dose);
    if (poison != dose) {
        const std::int64_t damage = Int(game.f.maxHp[At(target)] * 0.05 + poison * 0.006);
        SetHp(game, target, static_cast<double>(HpOf(game, target) - HealSign(game, target) * damage));
        AppendLine(game, target, "毒が回った。");
        AppendLine(game, target, Str(damage) + std::string(HarmWord(game, target)));
    } else {
        AppendLine(game, target, "毒に冒された。");
    }
    ShowAfflictionIcon(game, target, kPoisonCounter);
}

void ShowAfflictionIcon(Game& game, SlotIndex slot, int k) {
    game.f.statusIconIndex[At(slot)] = static_cast<std::uint8_t>(k - kHiddenCounter);
    game.form.StPic[At(slot)].visible = true;
    ShowStatusIcon(game, slot);
}

bool IsGuarded(const Game& game, SlotIndex slot) {
    return game.f.counter(slot, kStatusGuardCounter) >= kFullGuard;
}

void SetFieldEffect(Game& game, SlotIndex actor, Colour colour) {
    game.form.backColour = colour;
    const std::int64_t perFighter = Int(game.f.spirit[At(actor)] / 49.0 + 2);
    // The turn count is a byte: a caster of extreme spirit gets the longest field effect there is.
    game.fieldEffectTurns = ToByte(perFighter * (game.partySize[0] + game.partySize[1]));
}

bool Passes(const Game& game, SlotIndex slot, SlotTest test) {
    switch (test) {
    case SlotTest::OnField:
        return game.form.ViewUnder[At(slot)].visible;
    case SlotTest::Marked:
        return game.form.Cursor[At(slot)].visible;
    case SlotTest::MarkedWhite:
        return CursorState(game, slot) == 10;
    }
    return false;
}

void PlayAnimation(Game& game, SlotIndex target, const Animation& animation) {
    if (animation.slot == EffectSlot::None) return;
    const SlotIndex slot = animation.slot == EffectSlot::Marked ? kMarkedSlots : target;
    PlayActionEffect(game, slot, animation.frames, animation.halfPeriod, ColourOf(animation.a),
                     ColourOf(animation.b), animation.sound);
}

float Draw(Game& game) {
    game.random.reseed();
    return game.random.next();
}

int DrawIndex(Game& game, int n) {
    return static_cast<int>(Int(static_cast<double>(Draw(game)) * n));
}

bool StrikeConnected(const Game& game, SlotIndex target) {
    // How the target's box ends after a missed blow, and after a blocked one ("攻撃を受け止めた！").
    constexpr std::string_view kMissEnd = "ミス！\r\n";
    constexpr std::string_view kBlockedEnd = "めた！\r\n";
    const std::string& box = game.form.Message[static_cast<std::size_t>(target)].text;
    return !EndsWith(box, kMissEnd) && !EndsWith(box, kBlockedEnd);
}

void ShowSeparatedMembers(Game& game, SlotIndex slot) {
    if (game.separatedMember[SideOf(slot)] >= kNotSeparated) return;
    for (SlotIndex s = SideBase(slot); s <= SideLast(game, slot); ++s)
        if (game.form.ViewFrame[static_cast<std::size_t>(s)].borderStyle == 0)
            game.form.ViewUnder[static_cast<std::size_t>(s)].visible = true;
}

void EndSeparation(Game& game, SlotIndex slot) {
    ShowSeparatedMembers(game, slot);
    game.separatedMember[SideOf(slot)] = kNotSeparated;
}

} // namespace vk2
