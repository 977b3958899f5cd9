#include <gtest/gtest.h>

#include "core/numbers.h"
#include "core/text.h"

namespace vk2 {
namespace {

TEST(Text, CountsCharactersNotBytes) {
    const std::string name = "エシ・メサの杖";
    EXPECT_EQ(Len(name), 7u);
    EXPECT_EQ(Left(name, 2), "エシ");
    EXPECT_EQ(Right(name, 2), "の杖");
    EXPECT_EQ(Mid(name, 4, 2), "メサ");
    EXPECT_EQ(Mid(name, 6), "の杖");
    EXPECT_EQ(Left("ab", 5), "ab");
    EXPECT_EQ(Right("ab", 5), "ab");
    EXPECT_EQ(Mid("ab", 5), "");
}

TEST(Text, FormatsNumbersAsMessagesDo) {
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Num(-3), "-3");
    EXPECT_EQ(Num(1711), "1711");
}

TEST(Numbers, FollowTheRulesArithmetic) {
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(100 * 1.13), 112); // 112.99999999999999 in double precision
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(Mod(-7, 3), -1);
    EXPECT_EQ(ModPositive(-7, 3), 2);
    EXPECT_EQ(ToByte(300), 255);
    EXPECT_EQ(ToByte(-1), 0);
    EXPECT_EQ(ToInt16(40000), 32767);
}

} // namespace
} // namespace vk2
