#include <gtest/gtest.h>

#include <string>

#include "battle/boxes.h"
#include "battle/mp_cost.h"
#include "core/text.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 0;

class MpCostTest : public ::testing::Test {
  protected:
    test::TestGame t;
    Game& game = t.game;

    MpCostTest() {
        game.f.maxMp[kActor] = 999;
        game.f.weapon[kActor] = "素手";
    }

    void SetMpBox(int mp) { game.form.MP[kActor].text = Num(mp); }

    // Command(actor) holds just this entry; returns what it costs.
    int CostOf(const std::string& entry, int code) {
        game.form.Command[kActor].clear();
        game.form.Command[kActor].add(entry, code);
        ComputeMpCost(game, kActor, 0);
        return game.mpCost;
    }

    void GiveItems(int n) {
        for (int i = 0; i < n; ++i) game.form.Item[kActor].add("薬草", 0);
    }
};

struct CostCase {
    const char* what;
    const char* accessory;
    const char* weapon;
    Colour field;
    const char* entry;
    int code;
    int expected;
};

TEST_F(MpCostTest, AccessoryBroomAndFieldEffectApplyInOrder) {
    const CostCase cases[] = {
        {"fire accessory, fire spell", "火龍のうろこ", "素手", kButtonFace, "ファイヤーボール", 8, 1},
        {"fire accessory matches the whole key", "火龍のうろこ", "素手", kButtonFace, "プライドブレイク", 27,
         1},
        {"other element's accessory", "寒椿の櫛", "素手", kButtonFace, "ファイヤーボール", 8, 8},
        {"tourmaline names プラズマ whole", "トルマリン", "素手", kButtonFace, "プラズマ", 20, 1},
        {"tourmaline leaves other プラ entries", "トルマリン", "素手", kButtonFace, "プライドブレイク", 27,
         27},
        {"tourmaline names 大地震 whole", "トルマリン", "素手", kButtonFace, "大地震", 30, 1},
        {"tourmaline leaves other 大地 entries", "トルマリン", "素手", kButtonFace, "大地の恵み", 14, 14},
        {"two accessories share a key", "フラワークラウン", "素手", kButtonFace, "樹氷", 18, 1},
        {"broom, code 15", "", "魔女のほうき", kButtonFace, "ファイヤーボール", 15, 1},
        {"broom, code 9", "", "魔女のほうき", kButtonFace, "ファイヤーボール", 9, 0},
        {"broom after accessory", "火龍のうろこ", "魔女のほうき", kButtonFace, "ファイヤーボール", 8, 0},
        {"magnetic anomaly triples", "", "素手", kMagneticAnomalyField, "ブリザード", 12, 36},
        {"broom before magnetic anomaly", "", "魔女のほうき", kMagneticAnomalyField, "ブリザード", 12, 3},
        {"broom rounds down before tripling", "", "魔女のほうき", kMagneticAnomalyField, "ブリザード", 15, 3},
        {"accessory under magnetic anomaly", "かざぐるま", "素手", kMagneticAnomalyField, "ブリザード", 12,
         3},
        {"grey crescent", "", "素手", kGreyCrescentField, "ブリザード", 12, 0},
        {"silent snow keeps the cost", "", "素手", kSilentSnowField, "ブリザード", 12, 12},
    };
    for (const CostCase& c : cases) {
        SCOPED_TRACE(c.what);
        game.f.accessory[kActor] = c.accessory;
        game.f.weapon[kActor] = c.weapon;
        game.form.backColour = c.field;
        EXPECT_EQ(CostOf(c.entry, c.code), c.expected);
    }
}

TEST_F(MpCostTest, SummonCostsHalfTheMpOrAllOfItAsACopy) {
    SetMpBox(7);
    game.f.accessory[kActor] = "火龍のうろこ";
    EXPECT_EQ(CostOf("召喚", 0), 3);
    game.form.Exi.visible = false; // a copied command is running
    EXPECT_EQ(CostOf("召喚", 0), 7);
    game.form.Exi.visible = true;
    game.form.backColour = kGreyCrescentField;
    EXPECT_EQ(CostOf("召喚", 0), 0);
}

TEST_F(MpCostTest, ItemCountAttackCostsTenPerItem) {
    GiveItems(4);
    EXPECT_EQ(CostOf("エミトウルギョン", 0), 40);
    game.form.backColour = kMagneticAnomalyField;
    EXPECT_EQ(CostOf("エミトウルギョン", 0), 120);
    game.form.backColour = kButtonFace;
    game.f.weapon[kActor] = "魔女のほうき";
    EXPECT_EQ(CostOf("エミトウルギョン", 0), 4);
}

TEST_F(MpCostTest, PricesTheEntryAskedForNotTheSelectedOne) {
    ListBox& commands = game.form.Command[kActor];
    commands.add("たたかう", 0);
    commands.add("ファイヤーボール", 12);
    commands.selected = 0;
    ComputeMpCost(game, kActor, 1);
    EXPECT_EQ(game.mpCost, 12);
    ComputeMpCost(game, kActor, -1);
    EXPECT_EQ(game.mpCost, 0);
    game.mpCost = 5;
    ComputeMpCost(game, kActor, 2); // past the end of the list
    EXPECT_EQ(game.mpCost, 0);
}

TEST_F(MpCostTest, RefusesCommandsTheActorCannotPayOrThatSilentSnowForbids) {
    struct Case {
        const char* what;
        int mp;
        int cost;
        const char* summonMarker;
        bool exiVisible;
        Colour field;
        bool refused;
    };
    const Case cases[] = {
        {"MP short", 11, 12, "", true, kButtonFace, true},
        {"MP exactly enough", 12, 12, "", true, kButtonFace, false},
        {"a summoned fighter acts", 0, 12, "2", true, kButtonFace, false},
        {"a copied command runs", 0, 12, "", false, kButtonFace, false},
        {"silent snow, costed", 99, 1, "", true, kSilentSnowField, true},
        {"silent snow, free", 0, 0, "", true, kSilentSnowField, false},
        {"silent snow refuses even a summoned fighter", 99, 1, "2", true, kSilentSnowField, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetMpBox(c.mp);
        game.mpCost = static_cast<std::int16_t>(c.cost);
        game.form.Exi.caption = c.summonMarker;
        game.form.Exi.visible = c.exiVisible;
        game.form.backColour = c.field;
        EXPECT_EQ(CommandRefusedForMp(game, kActor), c.refused);
    }
}

TEST_F(MpCostTest, AutomaticPlayerNeedsTheWholeCost) {
    SetMpBox(11);
    game.mpCost = 12;
    EXPECT_FALSE(CanAffordMpCost(game, kActor));
    game.mpCost = 11;
    EXPECT_TRUE(CanAffordMpCost(game, kActor));
}

TEST_F(MpCostTest, PaymentStopsAtZeroAndIsSkippedWhenSomeoneElsePays) {
    SetMpBox(10);
    game.mpCost = 4;
    PayMpCost(game, kActor);
    EXPECT_EQ(MpOf(game, kActor), 6);
    game.mpCost = 15;
    PayMpCost(game, kActor);
    EXPECT_EQ(game.form.MP[kActor].text, "0");

    SetMpBox(10);
    game.form.Exi.caption = "2";
    PayMpCost(game, kActor);
    EXPECT_EQ(MpOf(game, kActor), 10);
}

} // namespace
} // namespace vk2
