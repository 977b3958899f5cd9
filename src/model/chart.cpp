#include "model/chart.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/numbers.h"
#include "model/game.h"

namespace vk2 {
namespace {

inline constexpr Colour kChartGround = Rgb(100, 100, 100);
inline constexpr Colour kChartGrid = kWhite;

inline constexpr int kCentreX = 75;
inline constexpr int kCentreY = 71;
// The fill starts just off the centre, where the background's diagonals cross.
inline constexpr int kFillX = 74;
inline constexpr int kFillY = 70;

struct Point {
    std::int64_t x;
    std::int64_t y;
};

// The hexagon's corners, clockwise from the top: HP, speed, defense, MP, spirit, attack.
// x, y
constexpr std::array<Point, 6> kHexagon{{
    {75, 15},
    {123, 43},
    {123, 99},
    {75, 127},
    {27, 99},
    {27, 43},
}};

// A label glyph: '#' marks a lit pixel.
using Glyph = std::array<std::string_view, 7>;

// clang-format off
constexpr Glyph kGlyphH{"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
constexpr Glyph kGlyphP{"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."};
constexpr Glyph kGlyphM{"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"};
constexpr Glyph kGlyphSpeed{"#...#..", ".#.####", "...#.#.", "##.###.", ".#.###.", ".#.#.#.", "#.#####"};
constexpr Glyph kGlyphDefense{"...#...", "#######", "#.....#", ".#####.", "....#..", ".#..#..", "...##.."};
constexpr Glyph kGlyphSpirit{"#.#..#.", ".#.####", "###..#.", ".#.####", "##..#.#", "#.#.###", ".#..#.#"};
constexpr Glyph kGlyphAttack{"....#..", "###.###", ".#.#..#", ".#..#.#", ".#...#.", "###.#.#", "...#..#"};
// clang-format on

struct ChartLabel {
    int left;
    int top;
    std::array<const Glyph*, 2> glyphs; // the second is null for a one-character label
};

// left, top, glyphs
constexpr std::array<ChartLabel, 6> kLabels{{
    {70, 5, {&kGlyphH, &kGlyphP}},         // HP, above the top corner
    {127, 36, {&kGlyphSpeed, nullptr}},    // 速
    {127, 100, {&kGlyphDefense, nullptr}}, // 守
    {70, 131, {&kGlyphM, &kGlyphP}},       // MP, below the bottom corner
    {16, 100, {&kGlyphSpirit, nullptr}},   // 精
    {16, 36, {&kGlyphAttack, nullptr}},    // 攻
}};

void PutPixel(RgbImage& image, std::int64_t x, std::int64_t y, Colour c) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
    image.setPixel(static_cast<int>(x), static_cast<int>(y), c);
}

// Bresenham's line, stepping along the major axis and computing the minor coordinate in closed
// form, so that only the steps inside the image are visited however far the ends lie outside.
void DrawLine(RgbImage& image, Point from, Point to, Colour c) {
    const bool steep = Abs(to.y - from.y) > Abs(to.x - from.x);
    const std::int64_t major0 = steep ? from.y : from.x;
    const std::int64_t minor0 = steep ? from.x : from.y;
    const std::int64_t majorDelta = (steep ? to.y : to.x) - major0;
    const std::int64_t minorDelta = (steep ? to.x : to.y) - minor0;
    const std::int64_t majorStep = majorDelta < 0 ? -1 : 1;
    const std::int64_t minorStep = minorDelta < 0 ? -1 : 1;
    const std::int64_t n = Abs(majorDelta);
    const std::int64_t limit = steep ? image.height : image.width;

    // Steps whose major coordinate lies in 0 .. limit - 1.
    std::int64_t first = majorStep > 0 ? -major0 : major0 - (limit - 1);
    std::int64_t last = majorStep > 0 ? limit - 1 - major0 : major0;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, n);
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t major = major0 + majorStep * i;
        const std::int64_t minor =
            n == 0 ? minor0 : minor0 + minorStep * ((2 * i * Abs(minorDelta) + n) / (2 * n));
        if (steep) {
            PutPixel(image, minor, major, c);
        } else {
            PutPixel(image, major, minor, c);
        }
    }
}

void DrawGlyph(RgbImage& image, int left, int top, const Glyph& glyph, Colour c) {
    for (std::size_t row = 0; row < glyph.size(); ++row)
        for (std::size_t col = 0; col < glyph[row].size(); ++col)
            if (glyph[row][col] == '#')
                PutPixel(image, left + static_cast<int>(col), top + static_cast<int>(row), c);
}

void DrawLabel(RgbImage& image, const ChartLabel& label) {
    int left = label.left;
    for (const Glyph* glyph : label.glyphs) {
        if (glyph == nullptr) continue;
        DrawGlyph(image, left, label.top, *glyph, kChartGrid);
        left += static_cast<int>(glyph->front().size()) + 1;
    }
}

RgbImage ChartBackground() {
    RgbImage image(kChartWidth, kChartHeight, kChartGround);
    for (std::size_t i = 0; i < kHexagon.size(); ++i) {
        DrawLine(image, kHexagon[i], kHexagon[(i + 1) % kHexagon.size()], kChartGrid);
        if (i < 3) DrawLine(image, kHexagon[i], kHexagon[i + 3], kChartGrid);
    }
    for (const ChartLabel& label : kLabels) DrawLabel(image, label);
    return image;
}

Point ChartPoint(double x, double y) {
    return {RoundHalfEven(x), RoundHalfEven(y)};
}

// The six ability points, each on its corner's direction from the centre.
std::array<Point, 6> AbilityPoints(const FighterTable& f) {
    const SlotIndex s = kPreviewSlot;
    const double hp = f.maxHp[s];
    const double mp = f.maxMp[s];
    const double a = f.attack[s];
    const double d = f.defense[s];
    const double sp = f.speed[s];
    const double p = f.spirit[s];
    return {{
        ChartPoint(kCentreX, kCentreY - (hp - 3800) * 0.004),
        ChartPoint(kCentreX + sp * 0.433, kCentreY - sp * 0.25),
        ChartPoint(kCentreX + d * 0.19, kCentreY + d * 0.11),
        ChartPoint(kCentreX, kCentreY + mp * 0.35),
        ChartPoint(kCentreX - p * 0.312, kCentreY + p * 0.18),
        ChartPoint(kCentreX - a * 0.19, kCentreY - a * 0.11),
    }};
}

} // namespace

void BoundaryFill(RgbImage& image, int x, int y, Colour fill, Colour boundary) {
    std::vector<bool> visited(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    std::vector<std::pair<int, int>> pending{{x, y}};
    while (!pending.empty()) {
        const auto [px, py] = pending.back();
        pending.pop_back();
        if (!image.contains(px, py) || image.pixel(px, py) == boundary) continue;
        const std::size_t index = static_cast<std::size_t>(py) * static_cast<std::size_t>(image.width) + px;
        if (visited[index]) continue;
        visited[index] = true;
        image.setPixel(px, py, fill);
        pending.insert(pending.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
}

RgbImage DrawChart(const Game& game) {
    RgbImage image = ChartBackground();
    const Colour colour = game.form.ViewFrame[kPreviewSlot].borderColour;
    const auto points = AbilityPoints(game.f);
    for (std::size_t i = 0; i < points.size(); ++i)
        DrawLine(image, points[i], points[(i + 1) % points.size()], colour);
    BoundaryFill(image, kFillX, kFillY, colour, colour);
    return image;
}

} // namespace vk2
