#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/command_tables.h"
#include "model/commands.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Gives nothing from the common and 無 tables up to level 4 with R = 4080; d(1, 2) = 80.
constexpr const char* kLearnerCode = "8062456781234567";
constexpr int kLearnerRed = 4080;

struct Fighter {
    std::string code = kLearnerCode;
    int R = 0;
    int G = 0;
    int B = 0;
    int level = 0;
    int element = kNone;
    int M = 99;
    std::string weapon = kBareHands;
    int position = 1;
};

std::string WithDigits(std::string code, int position, const std::string& digits) {
    return code.replace(static_cast<std::size_t>(position - 1), digits.size(), digits);
}

class AcquireCommandsTest : public ::testing::Test {
  protected:
    test::TestGame t;
    Game& game = t.game;

    void Place(SlotIndex slot, const Fighter& fighter) {
        FighterTable& f = game.f;
        f.digitCode[slot] = fighter.code;
        f.redSum[slot] = static_cast<std::int16_t>(fighter.R);
        f.greenSum[slot] = static_cast<std::int16_t>(fighter.G);
        f.blueSum[slot] = static_cast<std::int16_t>(fighter.B);
        f.level[slot] = static_cast<std::uint8_t>(fighter.level);
        f.element[slot] = static_cast<std::uint8_t>(fighter.element);
        f.baseMaxMp[slot] = static_cast<std::int16_t>(fighter.M);
        f.weapon[slot] = fighter.weapon;
        f.position[slot] = static_cast<std::uint8_t>(fighter.position);
    }

    std::vector<std::string> Names(SlotIndex slot) const {
        std::vector<std::string> names;
        for (const ListEntry& entry : game.form.Command[slot].entries) names.push_back(entry.text);
        return names;
    }

    bool Has(SlotIndex slot, const std::string& name) const {
        return game.form.Command[slot].find(name) >= 0;
    }
};

TEST_F(AcquireCommandsTest, StaffGivesEveryCommandInTableOrderWhateverTheCost) {
    Place(kPreviewSlot, {.M = 0, .weapon = kAllCommandsStaff});
    AcquireCommands(game, kPreviewSlot);

    const std::vector<ListEntry>& entries = game.form.Command[kPreviewSlot].entries;
    ASSERT_EQ(entries.size(), 176u);
    // index, command, cost code: the first and the last row of every table
    const struct {
        std::size_t index;
        const char* name;
        int cost;
    } anchors[] = {
        {0, "二連撃", 12},
        {31, "灰色三日月", 23},
        {32, "おどる", 0},
        {46, "ものまね", 0},
        {47, "ファイヤーボール", 8},
        {60, "火の大絡", 40},
        {61, "つらら落とし", 9},
        {71, "氷の大絡", 36},
        {72, "レーザー", 9},
        {83, "輝の大絡", 38},
        {84, "かまいたち", 9},
        {94, "気の大絡", 37},
        {95, "土砂崩れ", 14},
        {108, "地の大絡", 40},
        {109, "清流", 13},
        {121, "水の大絡", 39},
        {122, "リーフカッター", 11},
        {136, "樹の大絡", 37},
        {137, "ポルターガイスト", 11},
        {155, "死の大絡", 99},
        {156, "パニッシュメント", 11},
        {175, "生命の息吹", 45},
    };
    for (const auto& anchor : anchors) {
        SCOPED_TRACE(anchor.index);
        EXPECT_EQ(entries[anchor.index], (ListEntry{anchor.name, anchor.cost}));
    }
}

TEST_F(AcquireCommandsTest, StaffInBattleForgetsLearnedCommands) {
    game.form.Command[1].entries = {{"たたかう", 0}, {"ラーニング", 0}, {"かまいたち", 9}};
    game.f.learnedCount[1] = 1;
    Place(1, {.M = 0, .weapon = kAllCommandsStaff});
    AcquireCommands(game, 1);

    const std::vector<std::string> names = Names(1);
    ASSERT_EQ(names.size(), 1u + 176u + 4u);
    EXPECT_EQ(names[0], "たたかう");
    EXPECT_EQ(names[1], "二連撃");
    EXPECT_EQ(names[177], "アイテム使用");
    EXPECT_EQ(game.f.learnedCount[1], 0);
}

TEST_F(AcquireCommandsTest, NoMpKeepsOnlyCostlessCommands) {
    // Without the MP check this fighter also has ヒーリングオーラ, こもりうた and ヴェノム・ゲノム.
    const Fighter noMp{.code = "4003456780334567", .M = 0};
    Place(kPreviewSlot, noMp);
    AcquireCommands(game, kPreviewSlot);
    EXPECT_EQ(Names(kPreviewSlot), (std::vector<std::string>{"かばう", "おしびたる", "ものまね"}));

    Place(0, noMp);
    AcquireCommands(game, 0);
    EXPECT_EQ(Names(0), (std::vector<std::string>{"たたかう", "かばう", "おしびたる", "ものまね",
                                                  "アイテム使用", "アイテムをわたす", "後退", "ぼうぎょ"}));
}

TEST_F(AcquireCommandsTest, LearningOnlyForAFighterWithNothingElse) {
    // first two digits, element, whether "ラーニング" is the whole list
    const struct {
        const char* firstDigits;
        int element;
        bool learns;
    } cases[] = {
        {"80", kNone, true},
        {"76", kNone, true},
        {"75", kNone, false},
        {"80", kFire, false}, // ファイヤーボール comes to every 炎 fighter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.firstDigits) + " element " + std::to_string(c.element));
        Place(kPreviewSlot, {.code = WithDigits(kLearnerCode, 1, c.firstDigits),
                             .R = kLearnerRed,
                             .level = 4,
                             .element = c.element});
        AcquireCommands(game, kPreviewSlot);
        if (c.learns) {
            EXPECT_EQ(Names(kPreviewSlot), std::vector<std::string>{"ラーニング"});
        } else {
            EXPECT_FALSE(Has(kPreviewSlot, "ラーニング"));
        }
    }
}

TEST_F(AcquireCommandsTest, RebuildKeepsLearnedCommandsAheadOfNewOnes) {
    game.form.Command[1].entries = {{"たたかう", 0}, {"ラーニング", 0},   {"かまいたち", 9},
                                    {"ぬすむ", 0},   {"アイテム使用", 0}, {"アイテムをわたす", 0},
                                    {"後退", 0},     {"ぼうぎょ", 0}};
    game.f.learnedCount[1] = 2;
    // One level up brings 風林火山 (14 - 4080 / 440 is about 4.73).
    Place(1, {.R = kLearnerRed, .level = 5});
    AcquireCommands(game, 1);

    const std::vector<ListEntry> expected = {{"たたかう", 0},         {"ラーニング", 0}, {"かまいたち", 9},
                                             {"ぬすむ", 0},           {"風林火山", 15},  {"アイテム使用", 0},
                                             {"アイテムをわたす", 0}, {"後退", 0},       {"ぼうぎょ", 0}};
    EXPECT_EQ(game.form.Command[1].entries, expected);
    EXPECT_EQ(game.f.learnedCount[1], 2);
}

TEST_F(AcquireCommandsTest, LearnedCountLargerThanTheListDoesNotHang) {
    const std::vector<ListEntry> shortLists[] = {{{"たたかう", 0}, {"ラーニング", 0}}, {}};
    for (const std::vector<ListEntry>& entries : shortLists) {
        SCOPED_TRACE(entries.size());
        game.form.Command[2].entries = entries;
        game.f.learnedCount[2] = 3;
        Place(2, {.R = kLearnerRed, .level = 4});
        AcquireCommands(game, 2);
        EXPECT_EQ(Names(2), (std::vector<std::string>{"たたかう", "ラーニング", "アイテム使用",
                                                      "アイテムをわたす", "後退", "ぼうぎょ"}));
    }
}

TEST_F(AcquireCommandsTest, BasicCommandFollowsTheWeaponAndTheMoveFollowsTheRow) {
    // weapon, position, basic command, move command
    const struct {
        const char* weapon;
        int position;
        const char* basic;
        const char* move;
    } cases[] = {
        {"素手", 1, "たたかう", "後退"},
        {"眉間尺", 0, "アアアアアアアア！！！", "前進"},
        {"平和のためのミトン", 3, "トリート", "前進"},
        {"ドラゴンクロー", 2, "たたかう", "後退"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.weapon);
        Place(3, {.weapon = c.weapon, .position = c.position});
        AcquireCommands(game, 3);
        const std::vector<std::string> names = Names(3);
        ASSERT_GE(names.size(), 5u);
        EXPECT_EQ(names.front(), c.basic);
        EXPECT_EQ(std::vector<std::string>(names.end() - 4, names.end()),
                  (std::vector<std::string>{"アイテム使用", "アイテムをわたす", c.move, "ぼうぎょ"}));
    }
}

TEST_F(AcquireCommandsTest, LevelTenKeepsTheListAsItIs) {
    const std::vector<ListEntry> before = {{"たたかう", 0}, {"ラーニング", 0}, {"ぼうぎょ", 0}};
    game.form.Command[4].entries = before;
    game.form.Command[4].selected = 1;
    game.f.learnedCount[4] = 1;
    Place(4, {.level = 10, .element = kFire, .weapon = kAllCommandsStaff});
    AcquireCommands(game, 4);
    EXPECT_EQ(game.form.Command[4].entries, before);
    EXPECT_EQ(game.form.Command[4].selected, 1);
    EXPECT_EQ(game.f.learnedCount[4], 1);
}

// One condition per case; the rest of the fighter is kLearnerCode with the digits placed over it.
struct ConditionCase {
    const char* command;
    int element = kNone;
    int level = 0;
    int at = 1;
    const char* digits = "";
    int R = 0;
    int G = 0;
    int B = 0;
    int M = 99;
    bool given = true;
};

TEST_F(AcquireCommandsTest, SingleConditions) {
    const ConditionCase cases[] = {
        // Real factors: the threshold itself is not passed.
        {.command = "氷の大絡", .element = kCold, .level = 6, .at = 9, .digits = "4"},
        {.command = "氷の大絡", .element = kCold, .level = 6, .at = 9, .digits = "5", .given = false},
        {.command = "大氷河", .element = kCold, .level = 7, .at = 7, .digits = "4"},
        {.command = "大氷河", .element = kCold, .level = 7, .at = 7, .digits = "5", .given = false},
        {.command = "火の大絡", .element = kFire, .level = 6, .at = 11, .digits = "5"},
        {.command = "火の大絡", .element = kFire, .level = 6, .at = 11, .digits = "6", .given = false},
        {.command = "マハンウイング", .element = kWind, .level = 3, .at = 12, .digits = "35"},
        {.command = "マハンウイング", .element = kWind, .level = 3, .at = 12, .digits = "36", .given = false},
        // 14 - R / 440 is a real division: 3961 / 440 passes 9, 3960 / 440 does not.
        {.command = "風林火山", .level = 5, .R = 3961},
        {.command = "風林火山", .level = 5, .R = 3960, .given = false},
        // Whole-number conditions.
        {.command = "下剋上", .level = 1, .at = 7, .digits = "9"},
        {.command = "下剋上", .level = 2, .at = 7, .digits = "9", .given = false},
        {.command = "疾風迅雷", .element = kWind, .at = 3, .digits = "8"},
        {.command = "疾風迅雷", .element = kWind, .given = false},
        {.command = "死の大絡", .element = kDark, .level = 7, .at = 3, .digits = "7"},
        {.command = "死の大絡", .element = kDark, .level = 7, .at = 3, .digits = "6", .given = false},
        {.command = "カボスバリアー", .G = 15, .B = 33},
        {.command = "カボスバリアー", .G = 14, .B = 33, .given = false},
        {.command = "ラザロの遺言", .element = kHoly, .R = 2, .B = 3},
        {.command = "ラザロの遺言", .element = kHoly, .R = 2, .B = 4, .given = false},
        {.command = "ヴェノム・ゲノム", .element = kDark, .at = 3, .digits = "03"},
        {.command = "ヴェノム・ゲノム", .element = kHoly, .at = 3, .digits = "03", .given = false},
        {.command = "瞑想", .element = kThunder, .at = 16, .digits = "3", .M = 10},
        {.command = "瞑想", .element = kThunder, .at = 16, .digits = "3", .M = 0, .given = false},
        // Single-digit conditions that always hold, and the element gate.
        {.command = "地下水", .element = kEarth},
        {.command = "うずしお", .element = kWater},
        {.command = "ファイヤーボール", .element = kWind, .given = false},
        // A cost equal to the base MP is affordable.
        {.command = "ファイヤーボール", .element = kFire, .M = 8},
        {.command = "ファイヤーボール", .element = kFire, .M = 7, .given = false},
    };
    for (const ConditionCase& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " at " + std::to_string(c.at) + " " + c.digits + " level " +
                     std::to_string(c.level) + " R " + std::to_string(c.R) + " M " + std::to_string(c.M));
        Place(kPreviewSlot, {.code = WithDigits(kLearnerCode, c.at, c.digits),
                             .R = c.R,
                             .G = c.G,
                             .B = c.B,
                             .level = c.level,
                             .element = c.element,
                             .M = c.M});
        AcquireCommands(game, kPreviewSlot);
        EXPECT_EQ(Has(kPreviewSlot, c.command), c.given);
    }
}

TEST(CommandTables, CoverEveryElementOnceWithDistinctCommands) {
    std::vector<int> elements;
    std::set<std::string_view> names;
    std::size_t rows = 0;
    for (const CommandTable& table : AcquisitionTables()) {
        elements.push_back(table.element);
        for (const CommandRow& row : table.rows) {
            SCOPED_TRACE(std::string(row.name));
            EXPECT_TRUE(names.insert(row.name).second);
            EXPECT_GE(row.cost, 0);
            EXPECT_LE(row.cost, 99);
            ++rows;
        }
    }
    EXPECT_EQ(elements, (std::vector<int>{kAnyElement, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(rows, 176u);
}

} // namespace
} // namespace vk2
