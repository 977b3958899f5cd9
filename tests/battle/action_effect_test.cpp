#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "battle/action_effect.h"
#include "model/elements.h"
#include "model/game.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Records what the window would draw at each frame of the animation.
class FilmingPlatform : public test::RecordingPlatform {
  public:
    std::function<void()> onRepaint;
    void repaint() override {
        if (onRepaint) onRepaint();
    }
};

class ActionEffectTest : public ::testing::Test {
  protected:
    static constexpr SlotIndex kSlot = 3;
    static constexpr Colour kColourA = Rgb(200, 0, 0);
    static constexpr Colour kColourB = Rgb(0, 0, 200);

    ActionEffectTest() {
        game.f.element[kSlot] = kFire;
        game.form.View[kSlot].rect = {100, 50, 80, 80};
        platform.onRepaint = [this] {
            const ActionEffect& effect = game.form.actionEffect;
            colours.push_back(game.form.ViewFrame[kSlot].borderColour);
            transparent.push_back(effect.transparent[kSlot]);
            shakeLeft.push_back(effect.shakeLeft[kSlot]);
            shakeTop.push_back(effect.shakeTop[kSlot]);
        };
    }

    FilmingPlatform platform;
    ScriptedRandom random;
    Game game{platform, random};
    std::vector<Colour> colours;
    std::vector<bool> transparent;
    std::vector<int> shakeLeft;
    std::vector<int> shakeTop;
};

TEST_F(ActionEffectTest, ASpellBlinksBetweenItsColoursWithoutShaking) {
    game.actionKind = 0;
    PlayActionEffect(game, kSlot, 8, 2, kColourA, kColourB, 5);
    const Colour a = kColourA;
    const Colour b = kColourB;
    EXPECT_EQ(colours, (std::vector<Colour>{b, b, a, a, b, b, a, a, ElementColour(kFire)}));
    EXPECT_EQ(shakeLeft, std::vector<int>(9, 0));
    EXPECT_EQ(platform.sounds, std::vector<int>{5});
    EXPECT_EQ(platform.pauses, std::vector<int>(9, game.form.Idou.value * 3));
    EXPECT_FALSE(game.form.actionEffect.running);
}

TEST_F(ActionEffectTest, APhysicalBlowShakesThePictureAndBlinksByTransparency) {
    game.actionKind = 2;
    PlayActionEffect(game, kSlot, 16, 2, kColourA, kBlinkMarker, 0);
    EXPECT_EQ(shakeLeft, (std::vector<int>{5, 5, -5, -5, 5, 5, -5, -5, 5, 5, -5, -5, 5, 5, 0, 0, 0}));
    EXPECT_EQ(shakeTop, (std::vector<int>{0, 5, 5, -5, -5, 5, 5, -5, -5, 5, 5, -5, -5, 5, 5, 0, 0}));
    EXPECT_EQ(transparent, (std::vector<bool>{false, false, true, true, false, false, true, true, false,
                                              false, true, true, false, false, true, true, false}));
    EXPECT_EQ(colours.front(), kColourA);
    EXPECT_EQ(colours.back(), ElementColour(kFire));
    EXPECT_EQ(game.form.View[kSlot].rect.left, 100);
    EXPECT_EQ(game.form.View[kSlot].rect.top, 50);
}

TEST_F(ActionEffectTest, AShortShakeStillEndsWithThePictureInPlace) {
    game.actionKind = 3;
    PlayActionEffect(game, kSlot, 3, 4, kBlinkMarker, kBlinkMarker, 0);
    EXPECT_EQ(shakeLeft, (std::vector<int>{5, 5, -5, 0}));
    EXPECT_EQ(game.form.View[kSlot].rect.left, 100);
    EXPECT_EQ(game.form.View[kSlot].rect.top, 50);
}

TEST_F(ActionEffectTest, TheMarkedSlotsArgumentAnimatesValidTargetsOnlyAndSoundOffIsSilent) {
    constexpr Colour kUntouched = Rgb(1, 2, 3);
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        game.form.ViewFrame[s].borderColour = kUntouched;
        game.form.Cursor[s].visible = s == 1 || s == 4;
        game.form.Cursor[s].foreColour = s == 1 ? kWhite : Rgb(96, 96, 96);
        game.f.element[s] = kWater;
    }
    game.form.menus.find("mnuSEoff")->checked = true;
    PlayActionEffect(game, kMarkedSlots, 4, 2, kColourA, kColourB, 9);
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        EXPECT_EQ(game.form.ViewFrame[s].borderColour, s == 1 ? ElementColour(kWater) : kUntouched) << s;
    EXPECT_TRUE(platform.sounds.empty());
}

} // namespace
} // namespace vk2
