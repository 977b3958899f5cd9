#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/elements.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

std::string Digits(const ElementCodes& codes) {
    std::string s;
    for (const auto c : codes) s += static_cast<char>('0' + c);
    return s;
}

TEST(ElementName, NamesAndColoursOfEveryElement) {
    const std::pair<const char*, Colour> rows[] = {
        {"無", Rgb(169, 169, 169)}, {"炎", Rgb(255, 0, 0)},     {"冷", Rgb(187, 187, 255)},
        {"雷", Rgb(255, 255, 105)}, {"風", Rgb(204, 255, 232)}, {"地", Rgb(160, 100, 16)},
        {"水", Rgb(51, 51, 255)},   {"木", Rgb(96, 221, 0)},    {"魔", Rgb(0, 0, 0)},
        {"聖", Rgb(255, 248, 255)},
    };
    for (int e = 0; e < 10; ++e) {
        EXPECT_EQ(ElementName(e), rows[e].first) << e;
        EXPECT_EQ(ElementColour(e), rows[e].second) << e;
    }
    EXPECT_EQ(ElementName(10), "");
    EXPECT_EQ(ElementName(-1), "");
    EXPECT_EQ(ElementColour(10), kBlack);
    EXPECT_EQ(ElementCodeRow(10), "333333333");
}

struct AffinityCase {
    const char* what;
    int element;
    std::vector<std::pair<int, int>> counters; // counter index, value
    const char* weapon;
    const char* accessory;
    const char* affinity;
    const char* weaponElements;
    Colour tensionBar = kButtonFace;
};

class RecomputeAffinitiesTest : public ::testing::TestWithParam<AffinityCase> {};

TEST_P(RecomputeAffinitiesTest, AppliesOverridesInOrder) {
    const AffinityCase& c = GetParam();
    test::TestGame t;
    const SlotIndex slot = 4;
    t.game.f.element[slot] = static_cast<std::uint8_t>(c.element);
    for (const auto& [k, value] : c.counters) t.game.f.counter(slot, k) = static_cast<std::uint8_t>(value);
    t.game.f.weapon[slot] = c.weapon;
    t.game.f.accessory[slot] = c.accessory;
    t.game.form.TGage[slot].backColour = c.tensionBar;
    t.game.f.weaponElements[slot].fill(1); // stale values must not survive

    RecomputeAffinities(t.game, slot);
    EXPECT_EQ(Digits(t.game.f.affinity[slot]), c.affinity);
    EXPECT_EQ(Digits(t.game.f.weaponElements[slot]), c.weaponElements);
}

constexpr const char* kNoElements = "000000000";

// The element rows: 無 333333333, 炎 753131533, 雷 337315333, 木 113355733.
INSTANTIATE_TEST_SUITE_P(
    Cases, RecomputeAffinitiesTest,
    ::testing::Values(
        AffinityCase{"table row", kFire, {}, "素手", "", "753131533", kNoElements},
        AffinityCase{"frozen: no weapon, no accessory",
                     kFire,
                     {{44, 1}, {36, 200}},
                     "フレイムワンド",
                     "アリスのハンカチ",
                     "753131533",
                     kNoElements},
        AffinityCase{"only weaknesses remain",
                     kFire,
                     {{13, 1}, {0, 1}},
                     "フレイムワンド",
                     "",
                     "333131333",
                     kNoElements},
        AffinityCase{"all weak", kFire, {{36, 200}}, "素手", "", "111111111", kNoElements},
        AffinityCase{"all resisted", kWood, {{36, 100}}, "素手", "", "555555755", kNoElements},
        AffinityCase{"all resisted, 雷 weak", kNone, {{36, 103}}, "素手", "", "551555555", kNoElements},
        AffinityCase{"地 weak", kNone, {{36, 5}}, "素手", "", "333313333", kNoElements},
        AffinityCase{"oil", kNone, {{22, 1}}, "素手", "", "335335333", kNoElements},
        AffinityCase{"oil leaves 雷 immunity", kThunder, {{22, 1}}, "素手", "", "337315333", kNoElements},
        AffinityCase{"ward against 魔", kNone, {{0, 1}}, "素手", "", "333333373", kNoElements},
        AffinityCase{"barrier 雷 風", kNone, {{1, 1}}, "素手", "", "337733333", kNoElements},
        AffinityCase{"barrier 炎 地", kNone, {{2, 1}}, "素手", "", "733373333", kNoElements},
        AffinityCase{"barrier 冷 水 木", kNone, {{3, 1}}, "素手", "", "373337733", kNoElements},
        AffinityCase{
            "barrier after all weak", kNone, {{36, 200}, {0, 1}}, "素手", "", "111111171", kNoElements},
        AffinityCase{"flame body", kNone, {{34, 1}}, "素手", "", "933333333", "100000000"},
        AffinityCase{"two absorbed", kNone, {{35, 27}}, "素手", "", "393333933", kNoElements},
        AffinityCase{"absorb digits beyond nine are ignored",
                     kNone,
                     {{35, 250}},
                     "素手",
                     "",
                     "333333333",
                     kNoElements},
        AffinityCase{"high tension absorbs 炎",
                     kNone,
                     {{32, 3}},
                     "素手",
                     "",
                     "933333333",
                     kNoElements,
                     Rgb(0xFF, 0x66, 0x00)},
        AffinityCase{"low tension absorbs 冷",
                     kNone,
                     {{32, 3}},
                     "素手",
                     "",
                     "393333333",
                     kNoElements,
                     Rgb(0x66, 0xDD, 0xFF)},
        AffinityCase{"middle tension", kNone, {{32, 3}}, "素手", "", "333333333", kNoElements},
        AffinityCase{"tension counter other than 3",
                     kNone,
                     {{32, 2}},
                     "素手",
                     "",
                     "333333333",
                     kNoElements,
                     Rgb(0xFF, 0x66, 0x00)},
        AffinityCase{"fire wand", kNone, {}, "フレイムワンド", "", "333333333", "100000000"},
        AffinityCase{"cold blade", kNone, {}, "細雪", "", "333333333", "010000000"},
        AffinityCase{"wind whip", kNone, {}, "ウインドラッシュ", "", "333333333", "000100000"},
        AffinityCase{"harpoon", kNone, {}, "海神の銛", "", "333333333", "000001000"},
        AffinityCase{"wooden sword", kNone, {}, "木刀", "", "333333333", "000000100"},
        AffinityCase{"scythe", kNone, {}, "デスサイズ", "", "333333333", "000000010"},
        AffinityCase{"holy sword", kNone, {}, "倶利伽羅不動", "", "333333333", "000000001"},
        AffinityCase{"parasol", kWood, {}, "プリンセスパラソル", "", "555555755", kNoElements},
        AffinityCase{
            "parasol after a weakness", kNone, {{36, 5}}, "プリンセスパラソル", "", "555555555", kNoElements},
        AffinityCase{
            "ring on a 炎 fighter", kFire, {}, "素手", "エレメンタルリング", "953131533", "100000000"},
        AffinityCase{
            "ring on a 無 fighter", kNone, {}, "素手", "エレメンタルリング", "333333333", kNoElements},
        AffinityCase{
            "ring on an unknown element", 12, {}, "素手", "エレメンタルリング", "333333333", kNoElements},
        AffinityCase{"red rose", kNone, {}, "素手", "レッドローズ", "933333333", kNoElements},
        AffinityCase{"blue rose", kNone, {}, "素手", "ブルーローズ", "393339333", kNoElements},
        AffinityCase{"fallen wing", kNone, {}, "素手", "堕天使の羽根", "333333397", kNoElements},
        AffinityCase{"handkerchief beats everything",
                     kWood,
                     {{36, 200}, {35, 12}},
                     "プリンセスパラソル",
                     "アリスのハンカチ",
                     "777777777",
                     kNoElements}),
    [](const ::testing::TestParamInfo<AffinityCase>& info) { return "case" + std::to_string(info.index); });

TEST(RecomputeAffinities, PreviewSlotHasNoStatusEffects) {
    test::TestGame t;
    t.game.f.statusCounters.fill(1); // C[44] would freeze any battle slot
    t.game.f.element[kPreviewSlot] = kFire;
    t.game.f.weapon[kPreviewSlot] = "細雪";
    t.game.f.accessory[kPreviewSlot] = "エレメンタルリング";
    RecomputeAffinities(t.game, kPreviewSlot);
    EXPECT_EQ(Digits(t.game.f.affinity[kPreviewSlot]), "953131533");
    EXPECT_EQ(Digits(t.game.f.weaponElements[kPreviewSlot]), "110000000");
}

} // namespace
} // namespace vk2
