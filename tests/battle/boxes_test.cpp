#include <gtest/gtest.h>

#include "battle/boxes.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

TEST(BoxesTest, WritesAreFlooredAndKeptBetweenZeroAndTheMaximum) {
    struct Case {
        double value;
        const char* expected;
    };
    test::TestGame t;
    t.game.f.maxHp[2] = 100;
    t.game.f.maxMp[2] = 40;
    for (const Case& c :
         {Case{57.9, "57"}, Case{-0.5, "0"}, Case{-300, "0"}, Case{100.5, "100"}, Case{1e300, "100"}}) {
        SetHp(t.game, 2, c.value);
        EXPECT_EQ(t.game.form.HP[2].text, c.expected) << c.value;
    }
    SetMp(t.game, 2, 41);
    EXPECT_EQ(t.game.form.MP[2].text, "40");
}

TEST(BoxesTest, ReadsTheWholeNumberABoxShows) {
    struct Case {
        const char* text;
        std::int64_t expected;
    };
    test::TestGame t;
    for (const Case& c :
         {Case{"120", 120}, Case{" 12", 12}, Case{"-3", -3}, Case{"7.9", 7}, Case{"", 0}, Case{"abc", 0}}) {
        t.game.form.MP[4].text = c.text;
        EXPECT_EQ(MpOf(t.game, 4), c.expected) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace vk2
