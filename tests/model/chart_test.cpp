#include <gtest/gtest.h>

#include "model/chart.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr Colour kGround = Rgb(100, 100, 100);
constexpr Colour kRed = Rgb(255, 0, 0);

class ChartTest : public ::testing::Test {
  protected:
    // Points: HP (75, 54), speed (101, 56), defense (86, 78), MP (75, 85), spirit (56, 82), attack (56, 60).
    ChartTest() { SetAbilities(8000, 40, 100, 60, 60, 60, kRed); }

    void SetAbilities(int hp, int mp, int attack, int defense, int speed, int spirit, Colour colour) {
        FighterTable& f = game.f;
        f.maxHp[kPreviewSlot] = hp;
        f.maxMp[kPreviewSlot] = static_cast<std::int16_t>(mp);
        f.attack[kPreviewSlot] = static_cast<std::int16_t>(attack);
        f.defense[kPreviewSlot] = static_cast<std::int16_t>(defense);
        f.speed[kPreviewSlot] = static_cast<std::int16_t>(speed);
        f.spirit[kPreviewSlot] = static_cast<std::int16_t>(spirit);
        game.form.ViewFrame[kPreviewSlot].borderColour = colour;
    }

    int CountOf(const RgbImage& image, Colour c) {
        int n = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) n += image.pixel(x, y) == c;
        return n;
    }

    test::TestGame t;
    Game& game = t.game;
};

TEST_F(ChartTest, FillsThePolygonInTheElementColourOverTheBackground) {
    for (const Colour colour : {kRed, kBlack}) { // a 魔 fighter's chart is black
        game.form.ViewFrame[kPreviewSlot].borderColour = colour;
        const RgbImage chart = DrawChart(game);
        ASSERT_EQ(chart.width, kChartWidth);
        ASSERT_EQ(chart.height, kChartHeight);
        for (const auto& [x, y] : {std::pair{74, 70}, {75, 54}, {101, 56}, {56, 82}, {70, 65}, {80, 75}})
            EXPECT_EQ(chart.pixel(x, y), colour) << x << "," << y;
        EXPECT_EQ(chart.pixel(0, 0), kGround);
        EXPECT_EQ(chart.pixel(140, 5), kGround);
        // The background's hexagon shows outside the polygon: its top corner and the vertical diagonal.
        EXPECT_EQ(chart.pixel(75, 15), kWhite);
        EXPECT_EQ(chart.pixel(75, 110), kWhite);
    }
}

TEST_F(ChartTest, AFillStartingOutsideThePolygonCoversTheBackgroundAroundIt) {
    SetAbilities(3800, 0, 0, 0, 0, 0, kRed); // every point on the centre
    const RgbImage chart = DrawChart(game);
    EXPECT_EQ(CountOf(chart, kRed), kChartWidth * kChartHeight);
}

TEST_F(ChartTest, LowHpFoldsThePolygonBelowTheCentre) {
    // The HP point (75, 86) drops below MP; nothing closes the polygon above the centre any more,
    // so the fill from the centre runs out over the whole background.
    SetAbilities(0, 40, 100, 60, 60, 60, kRed);
    const RgbImage chart = DrawChart(game);
    EXPECT_EQ(chart.pixel(75, 86), kRed);
    EXPECT_EQ(chart.pixel(74, 70), kRed);
    EXPECT_EQ(chart.pixel(0, 0), kRed);
}

TEST_F(ChartTest, PointsFarOutsideTheBoxAreClipped) {
    SetAbilities(2'000'000'000, 32767, 32767, 32767, -32768, 32767, kRed);
    const RgbImage chart = DrawChart(game);
    EXPECT_EQ(chart.width, kChartWidth);
    EXPECT_GT(CountOf(chart, kRed), 0);
}

TEST(BoundaryFill, StopsAtTheBoundaryColourOnly) {
    // A ring of boundary colour around (3, 3); a ground-coloured mark inside does not stop the fill.
    RgbImage image(7, 7, kGround);
    for (int i = 1; i <= 5; ++i)
        for (const auto& [x, y] : {std::pair{i, 1}, {i, 5}, {1, i}, {5, i}}) image.setPixel(x, y, kBlack);
    image.setPixel(2, 2, kWhite);
    RgbImage filled = image;
    BoundaryFill(filled, 3, 3, kRed, kBlack);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool inside = x >= 2 && x <= 4 && y >= 2 && y <= 4;
            EXPECT_EQ(filled.pixel(x, y), inside ? kRed : image.pixel(x, y)) << x << "," << y;
        }

    // Starting on the boundary or outside the image paints nothing.
    for (const auto& [x, y] : {std::pair{1, 1}, {-1, 3}, {3, 7}, {7, 0}}) {
        RgbImage copy = image;
        BoundaryFill(copy, x, y, kRed, kBlack);
        EXPECT_EQ(copy.rgb, image.rgb) << x << "," << y;
    }
}

} // namespace
} // namespace vk2
