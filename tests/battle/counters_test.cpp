#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/counters.h"
#include "model/elements.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 3 with attack 100 (equipment 0 + base 100), its tension bar 200 pixels wide at most.
class CountersTest : public ::testing::Test {
  protected:
    static constexpr SlotIndex kSlot = 3;

    CountersTest() {
        f.baseAttack[kSlot] = 100;
        f.baseMaxHp[kSlot] = 300;
        f.baseMaxMp[kSlot] = 50;
        game.form.TGage[kSlot].rect.left = 40;
        game.form.Mode[kSlot].rect.left = 240;
    }

    std::uint8_t& Counter(int k) { return f.counter(kSlot, k); }
    const std::string& Message() const { return game.form.Message[kSlot].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

TEST_F(CountersTest, BarriersCountDownAndAnnounceTheirEnd) {
    struct Case {
        int k;
        std::uint8_t start;
        std::uint8_t left;
        const char* message;
    };
    for (const Case& c : {
             Case{kLemonBarrierCounter, 1, 0, "レモンバリアーの\r\n効力が切れた。\r\n"},
             Case{kMagneticShieldCounter, 1, 0, "マグネティックシールドの\r\n効力が切れた。\r\n"},
             Case{kMirrorCounter, 1, 0, "鏡の効力が切れた。\r\n"},
             Case{kWardCounter, 2, 1, ""},
             Case{kEarthProtectCounter, 9, 8, ""},
         }) {
        game.form.Message[kSlot].text.clear();
        t.platform.pauses.clear();
        f.statusCounters.fill(0);
        Counter(c.k) = c.start;
        CountDownBarriers(game, kSlot);
        EXPECT_EQ(Counter(c.k), c.left) << c.k;
        EXPECT_EQ(Message(), c.message) << c.k;
        EXPECT_EQ(t.platform.pauses, c.left == 0 ? std::vector<int>{1000} : std::vector<int>{}) << c.k;
    }
}

TEST_F(CountersTest, AnExpiredElementalBarrierNoLongerNullifiesItsElements) {
    f.element[kSlot] = kWind;
    RecomputeAffinities(game, kSlot);
    const ElementCodes unprotected = f.affinity[kSlot];
    Counter(kLemonBarrierCounter) = 1;
    RecomputeAffinities(game, kSlot);
    ASSERT_EQ(f.affinity[kSlot][kThunder - 1], kImmune);

    CountDownBarriers(game, kSlot);
    EXPECT_EQ(f.affinity[kSlot], unprotected);
}

TEST_F(CountersTest, TensionStaysWithinItsRangeAndTheBarShowsItsBand) {
    struct Case {
        int tension;
        int delta;
        std::uint8_t boost;
        int expected;
        Colour colour;
    };
    for (const Case& c : {
             Case{50, 0, 0, 50, kTensionMidColour},
             Case{95, 10, 0, 100, kTensionHighColour},
             Case{5, -10, 0, 0, kTensionMidColour},
             Case{30, -10, 0, 20, kTensionLowColour},
             Case{20, 1, 0, 21, kTensionMidColour},
             Case{80, 1, 0, 81, kTensionHighColour},
             Case{20, 1, 3, 24, kTensionMidColour},
             Case{60, -30, 1, 0, kTensionMidColour},
             Case{0, 1, 0, 1, kTensionLowColour},
         }) {
        f.tension[kSlot] = static_cast<std::uint8_t>(c.tension);
        Counter(kTensionBoostCounter) = c.boost;
        AdjustTension(game, kSlot, c.delta);
        EXPECT_EQ(f.tension[kSlot], c.expected) << c.tension << " + " << c.delta;
        EXPECT_EQ(game.form.TGage[kSlot].rect.width, 2 * c.expected);
        EXPECT_EQ(game.form.TGage[kSlot].backColour, c.colour) << c.tension << " + " << c.delta;
    }
}

TEST_F(CountersTest, TheLowTensionBandEndsAdrenalineAndMadness) {
    struct Case {
        int tension;
        int delta;
        bool ends;
    };
    for (const Case& c :
         {Case{50, -30, true}, Case{21, -20, true}, Case{50, -29, false}, Case{10, -10, false}}) {
        f.tension[kSlot] = static_cast<std::uint8_t>(c.tension);
        f.attackMod[kSlot] = 30;
        Counter(kAdrenalineCounter) = 30;
        Counter(kMadnessCounter) = 100;
        game.form.StPic[kSlot].visible = true;
        game.form.Message[kSlot].text = "前の行\r\n";

        AdjustTension(game, kSlot, c.delta);

        const int tension = c.tension + c.delta;
        if (c.ends) {
            EXPECT_EQ(f.attackMod[kSlot], 0) << tension;
            EXPECT_EQ(f.attack[kSlot], 100) << tension;
            EXPECT_EQ(Counter(kAdrenalineCounter), 0) << tension;
            EXPECT_EQ(Counter(kMadnessCounter), 0) << tension;
            EXPECT_FALSE(game.form.StPic[kSlot].visible) << tension;
            EXPECT_EQ(Message(), "アドレナリンの効果が切れた。\r\n理性を取り戻した。\r\n") << tension;
        } else {
            EXPECT_EQ(f.attackMod[kSlot], 30) << tension;
            EXPECT_EQ(Counter(kAdrenalineCounter), 30) << tension;
            EXPECT_EQ(Counter(kMadnessCounter), 100) << tension;
            EXPECT_EQ(Message(), "前の行\r\n") << tension;
        }
    }
}

TEST_F(CountersTest, TheIconCyclesThroughTheActiveIconCounters) {
    Counter(kMadnessCounter) = 3;
    Counter(kSleepCounter) = 2;
    f.statusIconIndex[kSlot] = 3;
    std::vector<int> shown;
    for (int tick = 0; tick < 4; ++tick) {
        ShowStatusIcon(game, kSlot);
        shown.push_back(game.form.StPic[kSlot].picture);
    }
    EXPECT_EQ(shown, (std::vector<int>{3, 8, 3, 8}));

    Counter(kSleepCounter) = 0;
    ShowStatusIcon(game, kSlot);
    ShowStatusIcon(game, kSlot);
    EXPECT_EQ(game.form.StPic[kSlot].picture, 3);
}

TEST_F(CountersTest, TheIconBoxShowsWhileAnIconCounterIsInForce) {
    struct Case {
        int k;
        bool visible;
    };
    for (const Case& c : {Case{kWetCounter, false}, Case{kHiddenCounter, true}, Case{kSureHitCounter, true},
                          Case{kHealHalvingCounter, false}}) {
        f.statusCounters.fill(0);
        Counter(c.k) = 1;
        RefreshStatusIconVisibility(game, kSlot);
        EXPECT_EQ(game.form.StPic[kSlot].visible, c.visible) << c.k;
    }
}

} // namespace
} // namespace vk2
