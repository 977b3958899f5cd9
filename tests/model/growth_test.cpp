#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include "model/growth.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

struct Abilities {
    int hp, mp, attack, defense, speed, spirit;
    bool operator==(const Abilities&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Abilities& a) {
    return os << a.hp << " " << a.mp << " " << a.attack << " " << a.defense << " " << a.speed << " "
              << a.spirit;
}

class ApplyLevelTest : public ::testing::Test {
  protected:
    test::TestGame t;
    FighterTable& f = t.game.f;

    Abilities Apply(SlotIndex slot, const char* code, int r, int g, int b, int element, int level) {
        f.digitCode[slot] = code;
        f.redSum[slot] = static_cast<std::int16_t>(r);
        f.greenSum[slot] = static_cast<std::int16_t>(g);
        f.blueSum[slot] = static_cast<std::int16_t>(b);
        f.element[slot] = static_cast<std::uint8_t>(element);
        f.level[slot] = static_cast<std::uint8_t>(level);
        ApplyLevel(t.game, slot);
        return {f.baseMaxHp[slot],   f.baseMaxMp[slot], f.baseAttack[slot],
                f.baseDefense[slot], f.baseSpeed[slot], f.baseSpirit[slot]};
    }
};

TEST_F(ApplyLevelTest, LevelZeroValuesThenOneGrowthStepPerLevel) {
    // Code 7766602526184751, R 3200, G 1600, B 800:
    //   HP  Int(3400 / 4001) + 48 * 66 + 4000 = 7168
    //   MP  Int(1600 / 4835) + 66 + 16 = 82
    //   攻  Int(6400 / 2464 + 0.5 * 60) + 24 = Int(32.6) + 24 = 56
    //   守  Int(4830 / 1630 + 0.7 * 2) + 36 = Int(4.36) + 36 = 40
    //   速  Int(4180 / 3260) + 25 mod 40 + 33 = 59
    //   精  Int(2429 / 6446 + 0.7 * 52) + 5 = Int(36.78) + 5 = 41
    // Three growth steps: HP 7168 -> 8941 -> 10856 -> 12924, MP 82 -> 92 -> 103 -> 116,
    // 攻 56 -> 68 -> 80 -> 93, 守 40 -> 58 -> 78 -> 100, 速 59 -> 67 -> 76 -> 85, 精 41 -> 56 -> 72 -> 90.
    EXPECT_EQ(Apply(kPreviewSlot, "7766602526184751", 3200, 1600, 800, kFire, 0),
              (Abilities{7168, 82, 56, 40, 59, 41}));
    EXPECT_EQ(Apply(kPreviewSlot, "7766602526184751", 3200, 1600, 800, kFire, 3),
              (Abilities{12924, 116, 93, 100, 85, 90}));
    // A battle slot gets the same values from the same profile.
    EXPECT_EQ(Apply(2, "7766602526184751", 3200, 1600, 800, kFire, 3),
              (Abilities{12924, 116, 93, 100, 85, 90}));
}

TEST_F(ApplyLevelTest, HpDigitsAboveEightyDropByFifty) {
    // Code 0089123456789012, R 1000, G 2000, B 3000: h = 89 - 50 = 39,
    //   HP  Int(4200 / 4001) + 48 * 39 + 4000 = 5873
    //   MP  Int(6000 / 3035) + 91 + 16 = 108 -> 78
    //   攻  Int(2000 / 5064 + 0.5 * 12) + 24 = 30
    //   守  Int(3030 / 6030 + 0.7 * 23) + 36 = Int(16.6) + 36 = 52
    //   速  Int(4180 / 4060) + 34 + 33 = 68
    //   精  Int(5029 / 2046 + 0.7 * 45) + 5 = Int(33.96) + 5 = 38
    EXPECT_EQ(Apply(kPreviewSlot, "0089123456789012", 1000, 2000, 3000, kNone, 0),
              (Abilities{5873, 78, 30, 52, 68, 38}));
}

TEST_F(ApplyLevelTest, ManaBoundaries) {
    struct Case {
        const char* code; // digits 4-5 set m with all sums 0: m = d(4, 2) + 16
        int element;
        int mp;
    };
    const Case cases[] = {
        {"0000300000000000", kNone, 0},   // m = 19
        {"0000300000000000", kDark, 119}, // m = 19, 魔
        {"0000400000000000", kNone, 20},  // m = 20 stays
        {"0007500000000000", kNone, 61},  // m = 91
        {"0007400000000000", kNone, 90},  // m = 90 stays
    };
    for (const Case& c : cases)
        EXPECT_EQ(Apply(kPreviewSlot, c.code, 0, 0, 0, c.element, 0).mp, c.mp) << c.code << " " << c.element;
}

} // namespace
} // namespace vk2
