#include <gtest/gtest.h>

#include <array>

#include "battle/stats.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 1 with every ability at equipment 10 + base 100 + modifier 5.
class RecomputeStatsTest : public ::testing::Test {
  protected:
    static constexpr SlotIndex kSlot = 1;

    RecomputeStatsTest() {
        FighterTable& f = game.f;
        f.equipHp[kSlot] = 10, f.baseMaxHp[kSlot] = 100, f.hpMod[kSlot] = 5;
        f.equipMp[kSlot] = 10, f.baseMaxMp[kSlot] = 100, f.mpMod[kSlot] = 5;
        f.equipAttack[kSlot] = 10, f.baseAttack[kSlot] = 100, f.attackMod[kSlot] = 5;
        f.equipDefense[kSlot] = 10, f.baseDefense[kSlot] = 100, f.defenseMod[kSlot] = 5;
        f.equipSpeed[kSlot] = 10, f.baseSpeed[kSlot] = 100, f.speedMod[kSlot] = 5;
        f.equipSpirit[kSlot] = 10, f.baseSpirit[kSlot] = 100, f.spiritMod[kSlot] = 5;
        game.form.HP[kSlot].text = "50";
        game.form.MP[kSlot].text = "50";
    }

    // maxHp, maxMp, attack, defense, speed, spirit
    std::array<int, 6> Stats() const {
        const FighterTable& f = game.f;
        return {f.maxHp[kSlot],   f.maxMp[kSlot], f.attack[kSlot],
                f.defense[kSlot], f.speed[kSlot], f.spirit[kSlot]};
    }

    test::TestGame t;
    Game& game = t.game;
};

TEST_F(RecomputeStatsTest, TheLockCounterHoldsTheAbilityOfItsTensDigitAtZero) {
    struct Case {
        int counter;
        std::array<int, 6> expected;
    };
    for (const Case& c : {
             Case{0, {115, 115, 115, 115, 115, 115}},
             Case{14, {115, 115, 115, 115, 115, 0}},
             Case{23, {115, 115, 115, 0, 115, 115}},
             Case{31, {115, 115, 115, 115, 0, 115}},
             Case{49, {115, 115, 0, 115, 115, 115}},
             Case{52, {115, 115, 115, 115, 115, 115}},
         }) {
        game.f.counter(kSlot, kStatLockCounter) = static_cast<std::uint8_t>(c.counter);
        RecomputeStats(game, kSlot);
        EXPECT_EQ(Stats(), c.expected) << "counter 11 = " << c.counter;
    }
}

TEST_F(RecomputeStatsTest, AModifierBelowTheOwnValueFloorsAtZero) {
    game.f.hpMod[kSlot] = -111;
    game.f.speedMod[kSlot] = -110; // exactly cancels
    game.f.attackMod[kSlot] = -32768;
    RecomputeStats(game, kSlot);
    EXPECT_EQ(Stats(), (std::array<int, 6>{0, 115, 0, 115, 0, 115}));
    EXPECT_EQ(game.form.HP[kSlot].text, "0");
}

TEST_F(RecomputeStatsTest, LowersTheBoxesToTheNewMaximaOnly) {
    game.form.HP[kSlot].text = "500";
    game.form.MP[kSlot].text = "115";
    RecomputeStats(game, kSlot);
    EXPECT_EQ(game.form.HP[kSlot].text, "115");
    EXPECT_EQ(game.form.MP[kSlot].text, "115");

    game.form.HP[kSlot].text = "60";
    game.f.hpMod[kSlot] = 5000;
    RecomputeStats(game, kSlot);
    EXPECT_EQ(game.f.maxHp[kSlot], 5110);
    EXPECT_EQ(game.form.HP[kSlot].text, "60"); // a higher maximum does not heal
}

TEST_F(RecomputeStatsTest, AFighterAt666MaximumMpKeepsEverything) {
    game.f.maxMp[kSlot] = 666;
    game.f.attack[kSlot] = 9999;
    game.form.HP[kSlot].text = "99999";
    RecomputeStats(game, kSlot);
    EXPECT_EQ(game.f.attack[kSlot], 9999);
    EXPECT_EQ(game.f.maxHp[kSlot], 0);
    EXPECT_EQ(game.form.HP[kSlot].text, "99999");
}

} // namespace
} // namespace vk2
