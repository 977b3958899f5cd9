// What every skill effect shares: how heals and poison land, how effects write into the message
// boxes, how a field effect takes hold, which slots a group effect reaches, the animations as the
// effect tables write them, and the random draws.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "model/fighter_table.h"
#include "model/game.h"

namespace vk2 {

// --- Messages -------------------------------------------------------------------------------

// Message(slot) becomes text and a line break.
void ReplaceLine(Game& game, SlotIndex slot, std::string_view text);
// Appends text to Message(slot) without a line break.
void AppendText(Game& game, SlotIndex slot, std::string_view text);
// The failure line of an effect whose precondition is unmet.
void AppendMiss(Game& game, SlotIndex slot);

// --- Healing and poison ---------------------------------------------------------------------

// Gives Int(base / 2^counter 27) HP, or takes it while heals are reversed (counter 45 = 1), and
// returns the message piece: the amount and " HP回復。" or " のダメージ！".
std::string Heal(Game& game, SlotIndex slot, double base);

// Adds dose to the poison counter. A fighter already poisoned suffers the poison at once (or is
// healed by it while heals are reversed); a fresh one is told it is poisoned. Shows the poison icon.
void Poison(Game& game, SlotIndex target, int dose);

// Shows the icon of status counter k on the slot's picture.
void ShowAfflictionIcon(Game& game, SlotIndex slot, int k);

// Afflictions fail against a fully guarded fighter.
bool IsGuarded(const Game& game, SlotIndex slot);

// --- Field effects --------------------------------------------------------------------------

// The field effect of colour `colour` takes hold, lasting by the caster's spirit and the number of
// fighters on both sides.
void SetFieldEffect(Game& game, SlotIndex actor, Colour colour);

// --- Group effects --------------------------------------------------------------------------

// Which slots a group effect acts on.
enum class SlotTest : std::uint8_t {
    OnField,     // the fighter's picture is shown
    Marked,      // the target mark is shown
    MarkedWhite, // the target mark is shown as a sensible target
};

bool Passes(const Game& game, SlotIndex slot, SlotTest test);

// Calls act(slot) for every slot 0-5 passing the test, in ascending order. The test is made as
// each slot is reached, so an effect that changes an earlier slot cannot skip a later one.
template <typename Act> void ForEachSlot(Game& game, SlotTest test, Act&& act) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        if (Passes(game, s, test)) act(s);
}

// The same over the members of target's side.
template <typename Act> void ForEachOnSide(Game& game, SlotIndex target, SlotTest test, Act&& act) {
    for (SlotIndex s = SideBase(target); s <= SideLast(game, target); ++s)
        if (Passes(game, s, test)) act(s);
}

// --- Animations -----------------------------------------------------------------------------

// A blink colour as the effect tables give it: an element's frame colour or a colour value.
struct Tint {
    int element = -1; // 0-9, or -1 for `value`
    Colour value = 0;
};
constexpr Tint Ec(int element) {
    return {element, 0};
}
constexpr Tint Fixed(Colour value) {
    return {-1, value};
}
// Colour B of a frame that blinks by transparency.
inline constexpr Tint kTransparent{-1, 1};

// Where an effect's animation plays.
enum class EffectSlot : std::uint8_t {
    None,   // the effect has no animation
    Target, // the target's frame
    Marked, // every frame marked as a sensible target, together
};

struct Animation {
    EffectSlot slot = EffectSlot::None;
    int frames = 0;
    int halfPeriod = 0;
    Tint a{};
    Tint b{};
    int sound = 0;
};

// Plays the animation on the target or on the marked slots; nothing for EffectSlot::None.
void PlayAnimation(Game& game, SlotIndex target, const Animation& animation);

// --- Random draws ---------------------------------------------------------------------------

// A uniform value in [0, 1), the generator reseeded first as every effect does.
float Draw(Game& game);
// A random index below n: Int(u * n).
int DrawIndex(Game& game, int n);

// After a strike: false when the target's box ends in a miss or in a blocked strike.
bool StrikeConnected(const Game& game, SlotIndex target);

// separatedMember of a side none of whose members is kept apart.
inline constexpr std::uint8_t kNotSeparated = 3;

// While a technique keeps one member of a side apart, the others are hidden. These bring back every
// standing member of the slot's side: Show... keeps the separation on record (a dispel), End...
// also clears it (a member fell or left). Nothing happens when the side is not separated.
void ShowSeparatedMembers(Game& game, SlotIndex slot);
void EndSeparation(Game& game, SlotIndex slot);

} // namespace vk2
