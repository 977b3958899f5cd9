#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/techniques/execute_technique.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 0;
constexpr SlotIndex kTarget = 1;

class GiftTest : public ::testing::Test {
  protected:
    GiftTest() {
        test::PutOnField(game, {kActor, kTarget});
        for (SlotIndex s : {kActor, kTarget}) {
            f.baseMaxHp[s] = f.maxHp[s] = 9999;
            f.spirit[s] = 70;
            SetHp(game, s, 5000);
        }
        game.form.Item[kTarget].add("ＺＺ石", kItemConsumable);
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    // Runs the technique with roll r; returns the key it leaves.
    std::string Use(const std::string& key, int r) {
        t.random.push(static_cast<float>(r) / 16.0f);
        SlotIndex target = kTarget;
        std::string k = key;
        ExecuteTechnique(game, kActor, target, k);
        return k;
    }

    void Reset() {
        game.form.Message[kTarget].text.clear();
        game.form.Item[kTarget].clear();
        game.form.Item[kTarget].add("ＺＺ石", kItemConsumable);
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    const ListBox& Items(SlotIndex s) const { return game.form.Item[s]; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// The plant goes to the end of the bag with its own code: tools and flowers are kept after use.
TEST_F(GiftTest, GrowGivesThePlantOfTheRoll) {
    struct Case {
        int r;
        ListEntry plant;
    };
    const std::vector<Case> cases{
        {0, {"天狗の葉うちわ", kItemTool}},
        {11, {"毒消し草", kItemConsumable}},
        {7, {"ミント", kItemConsumable}},
        {5, {"フラワークラウン", kItemAccessory}},
        {10, {"ゴータミーの芥子粒", kItemConsumable}},
        {15, {"ブルーローズ", kItemAccessory}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r = " + std::to_string(c.r));
        Reset();
        EXPECT_EQ(Use("栽培", c.r), "栽培");
        EXPECT_EQ(Items(kTarget).entries, (std::vector<ListEntry>{{"ＺＺ石", kItemConsumable}, c.plant}));
        EXPECT_EQ(Box(kTarget), c.plant.text + "を獲得。\r\n");
    }
}

// The key comes back as the sweet's name, so the action's repeats hand over the same sweet.
TEST_F(GiftTest, TreatHandsOverTheSweetOfTheRoll) {
    struct Case {
        int r;
        std::string sweet;
    };
    for (const Case& c : {Case{15, "うさぎ餅"}, Case{2, "どんぐりクッキー"}, Case{12, "中華まん"},
                          Case{13, "プチショコラ"}}) {
        SCOPED_TRACE("r = " + std::to_string(c.r));
        Reset();
        t.platform.sounds.clear();
        EXPECT_EQ(Use("トリ", c.r), c.sweet);
        EXPECT_EQ(Items(kTarget).entries.back(), (ListEntry{c.sweet, kItemConsumable}));
        EXPECT_EQ(Items(kTarget).count(), 2);
        EXPECT_EQ(Box(kTarget), c.sweet + "を\r\n受け取った。\r\n");
        EXPECT_EQ(std::count(t.platform.sounds.begin(), t.platform.sounds.end(), 93), 1);
    }
}

// 4600 halved once per heal-halving count, turned into harm under reversed healing; a roll of 10
// chokes the eater.
TEST_F(GiftTest, RiceCakeHealsHarmsOrChokes) {
    struct Case {
        int r;
        int halving;
        int reversed;
        int hpBefore;
        std::string line;
        std::string hp;
    };
    const std::vector<Case> cases{
        {0, 0, 0, 1000, " 4600 HP回復。", "5600"},
        {3, 3, 0, 1000, " 575 HP回復。", "1575"},
        {15, 0, 1, 5000, " 4600 のダメージ！", "400"},
        {10, 0, 0, 5000, "のどに詰まらせて窒息！", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r = " + std::to_string(c.r) + ", " + c.line);
        Reset();
        f.counter(kTarget, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halving);
        f.counter(kTarget, kReversedHealingCounter) = static_cast<std::uint8_t>(c.reversed);
        SetHp(game, kTarget, c.hpBefore);
        Use("うさ", c.r);
        EXPECT_EQ(Box(kTarget), c.line + "\r\n");
        EXPECT_EQ(game.form.HP[kTarget].text, c.hp);
    }
}

TEST_F(GiftTest, BacteriaClearPoisonAndOilAndHeal) {
    f.baseMaxHp[kTarget] = f.maxHp[kTarget] = 5000;
    SetHp(game, kTarget, 1000);
    f.counter(kTarget, kPoisonCounter) = 4;
    f.counter(kTarget, kOilCounter) = 2;
    game.form.StPic[kTarget].visible = true;
    Use("バク", 0);
    EXPECT_EQ(Box(kTarget), "毒、油を分解。\r\n 2300 HP回復。\r\n");
    EXPECT_EQ(HpOf(game, kTarget), 3300);
    EXPECT_EQ(f.counter(kTarget, kPoisonCounter), 0);
    EXPECT_EQ(f.counter(kTarget, kOilCounter), 0);
    EXPECT_FALSE(game.form.StPic[kTarget].visible);
}

TEST_F(GiftTest, BacteriaHarmUnderReversedHealing) {
    f.baseMaxHp[kTarget] = f.maxHp[kTarget] = 5000;
    SetHp(game, kTarget, 5000);
    f.counter(kTarget, kHealHalvingCounter) = 1;
    f.counter(kTarget, kReversedHealingCounter) = 1;
    Use("バク", 0);
    EXPECT_EQ(Box(kTarget), "毒、油を分解。\r\n 1150 のダメージ！\r\n");
    EXPECT_EQ(HpOf(game, kTarget), 3850);
}

// A roll of 6 or more revives with the actor's spirit + 30 HP; a lower one leaves an empty frame.
TEST_F(GiftTest, ShockRevivesTheFallenOnSixOrMore) {
    struct Case {
        int r;
        bool revived;
    };
    for (const Case& c : {Case{6, true}, Case{15, true}, Case{5, false}}) {
        SCOPED_TRACE("r = " + std::to_string(c.r));
        game.form.Message[kTarget].text.clear();
        SetHp(game, kTarget, 0);
        game.form.ViewUnder[kTarget].visible = false;
        game.form.ViewFrame[kTarget].borderStyle = 1;
        game.form.ViewFrame[kTarget].borderColour = kButtonFace;
        game.form.TGage[kTarget].visible = false;
        Use("通電", c.r);
        EXPECT_EQ(Box(kTarget), c.revived ? "生き返った！\r\n" : "ミス！\r\n");
        EXPECT_EQ(game.form.HP[kTarget].text, c.revived ? "100" : "0");
        EXPECT_EQ(game.form.ViewUnder[kTarget].visible, c.revived);
        EXPECT_EQ(game.form.ViewFrame[kTarget].borderStyle, c.revived ? 0 : 1);
        EXPECT_EQ(game.form.TGage[kTarget].visible, c.revived);
        if (!c.revived) {
            EXPECT_EQ(game.form.ViewFrame[kTarget].borderColour, kButtonFace);
        }
    }
}

} // namespace
} // namespace vk2
