#include "battle/action_effect.h"

#include <array>

#include "battle/targeting.h"
#include "model/elements.h"
#include "model/game.h"

namespace vk2 {
namespace {

struct Shake {
    int left;
    int top;
};

// The picture's shake, by frame: it swings 10 pixels to either side and comes back to rest.
//                                  left  top
constexpr std::array<Shake, 16> kShakes{{
    {5, 0},   // 0
    {0, 5},   // 1
    {-10, 0}, // 2
    {0, -10}, // 3
    {10, 0},  // 4
    {0, 10},  // 5
    {-10, 0}, // 6
    {0, -10}, // 7
    {10, 0},  // 8
    {0, 10},  // 9
    {-10, 0}, // 10
    {0, -10}, // 11
    {10, 0},  // 12
    {0, 10},  // 13
    {-5, 0},  // 14
    {0, -5},  // 15
}};

void MarkAnimatedSlots(Game& game, SlotIndex slot, PerSlot<bool>& animated) {
    animated.fill(false);
    if (slot != kMarkedSlots) {
        if (IsBattleSlot(slot)) animated[static_cast<std::size_t>(slot)] = true;
        return;
    }
    for (SlotIndex i = 0; i < kBattleSlots; ++i)
        animated[static_cast<std::size_t>(i)] = CursorState(game, i) == 10;
}

void BlinkFrame(Game& game, SlotIndex slot, int j) {
    ActionEffect& effect = game.form.actionEffect;
    const auto s = static_cast<std::size_t>(slot);
    Frame& frame = game.form.ViewFrame[s];
    const Colour a = effect.colourA;
    const Colour b = effect.colourB;
    if (b == kBlinkMarker && j == 0 && a != kBlinkMarker) frame.borderColour = a;
    // A zero half period has no blink to show; the frame only gets its colours back at the end.
    if (!(a == kBlinkMarker && b == kBlinkMarker) && effect.halfPeriod > 0) {
        const int g = j % (2 * effect.halfPeriod);
        if (g == 0) {
            if (b == kBlinkMarker)
                effect.transparent[s] = false;
            else
                frame.borderColour = b;
        } else if (g == effect.halfPeriod) {
            if (b == kBlinkMarker)
                effect.transparent[s] = true;
            else
                frame.borderColour = a;
        }
    }
    if (j == effect.frames) {
        effect.transparent[s] = false;
        frame.borderColour = ElementColour(game.f.element[s]);
    }
}

void ShakePicture(Game& game, SlotIndex slot, int j, const Rect& rest) {
    ActionEffect& effect = game.form.actionEffect;
    const auto s = static_cast<std::size_t>(slot);
    Rect& rect = game.form.View[s].rect;
    if (j < static_cast<int>(kShakes.size())) {
        rect.left += kShakes[static_cast<std::size_t>(j)].left;
        rect.top += kShakes[static_cast<std::size_t>(j)].top;
    }
    if (j == effect.frames) {
        rect.left = rest.left;
        rect.top = rest.top;
    }
    effect.shakeLeft[s] = rect.left - rest.left;
    effect.shakeTop[s] = rect.top - rest.top;
}

} // namespace

void PlaySoundEffect(Game& game, int n) {
    const MenuItem* off = game.form.menus.find("mnuSEoff");
    if (off != nullptr && off->checked) return;
    game.platform.playSound(n);
}

void PlayActionEffect(Game& game, SlotIndex slot, int frames, int halfPeriod, Colour colourA, Colour colourB,
                      int sound) {
    ActionEffect& effect = game.form.actionEffect;
    effect = ActionEffect{true, 0, frames, halfPeriod, colourA, colourB};
    MarkAnimatedSlots(game, slot, effect.animated);

    PerSlot<Rect> rest{};
    for (std::size_t i = 0; i < rest.size(); ++i) rest[i] = game.form.View[i].rect;

    PlaySoundEffect(game, sound);
    for (int j = 0; j <= frames; ++j) {
        game.platform.pause(game.form.Idou.value * 3);
        effect.frame = j;
        for (SlotIndex i = 0; i < kSlots; ++i) {
            if (!effect.animated[static_cast<std::size_t>(i)]) continue;
            BlinkFrame(game, i, j);
            if (game.actionKind > 1) ShakePicture(game, i, j, rest[static_cast<std::size_t>(i)]);
        }
        game.platform.repaint();
    }
    effect.running = false;
}

} // namespace vk2
