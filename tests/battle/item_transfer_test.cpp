#include <gtest/gtest.h>

#include <string>

#include "battle/item_transfer.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

class ItemTransferTest : public ::testing::Test {
  protected:
    test::TestGame t;
    Game& game = t.game;

    ItemTransferTest() {
        for (SlotIndex s : {0, 3}) {
            game.f.weapon[s] = kBareHands;
            game.form.Command[s].add("たたかう", 0);
        }
    }

    void Select(SlotIndex s, int index) { game.form.Item[s].selected = index; }
    const ListBox& Items(SlotIndex s) const { return game.form.Item[s]; }
    const std::string& Strike(SlotIndex s) const { return game.form.Command[s].entries[0].text; }
};

TEST_F(ItemTransferTest, WornWeaponIsTakenOffAndArrivesWithoutItsMark) {
    game.f.weapon[0] = "ＺＺ刀";
    game.form.Item[0].add("◆ＺＺ刀", WeaponItemCode(kSword));
    game.form.Item[0].add("ＺＺ石", kItemConsumable);
    Select(0, 0);
    TransferItem(game, 0, 3);
    EXPECT_EQ(game.f.weapon[0], kBareHands);
    EXPECT_EQ(Items(0).entries, (std::vector<ListEntry>{{"ＺＺ石", kItemConsumable}}));
    EXPECT_EQ(Items(3).entries, (std::vector<ListEntry>{{"ＺＺ刀", WeaponItemCode(kSword)}}));
}

TEST_F(ItemTransferTest, DiscardedItemGoesNowhere) {
    game.form.Item[0].add("ＺＺ石", kItemConsumable);
    Select(0, 0);
    TransferItem(game, 0, kDiscardItem);
    EXPECT_TRUE(Items(0).entries.empty());
    EXPECT_TRUE(Items(3).entries.empty());
}

// Holding one claw and carrying the other gives the pair strike; handing either half over ends it.
TEST_F(ItemTransferTest, ClawPairStrikeFollowsWhoeverHoldsBothHalves) {
    game.f.weapon[0] = "虎咬";
    game.form.Command[0].entries[0].text = "龍虎乱舞";
    game.form.Item[0].add("ドラゴンクロー", WeaponItemCode(kFist));
    game.f.weapon[3] = "虎咬";
    Select(0, 0);
    TransferItem(game, 0, 3);
    EXPECT_EQ(Strike(0), "たたかう");
    EXPECT_EQ(Strike(3), "龍虎乱舞");
}

TEST_F(ItemTransferTest, PlainItemLeavesTheStrikeAlone) {
    game.form.Command[0].entries[0].text = "ＺＺ突き";
    game.form.Item[0].add("ＺＺ石", kItemConsumable);
    Select(0, 0);
    TransferItem(game, 0, 3);
    EXPECT_EQ(Strike(0), "ＺＺ突き");
    EXPECT_EQ(Strike(3), "たたかう");
}

TEST_F(ItemTransferTest, EmptiedBagSwitchesThePanelBackToTheCommands) {
    game.form.WinCh[0].caption = "ｺﾏﾝﾄﾞ選択";
    game.form.Item[0].visible = true;
    game.form.Item[0].add("ＺＺ石", kItemConsumable);
    Select(0, 0);
    TransferItem(game, 0, 3);
    EXPECT_EQ(game.form.WinCh[0].caption, "ｽﾃｰﾀｽ参照");
    EXPECT_FALSE(game.form.Item[0].visible);
    EXPECT_TRUE(game.form.Command[0].visible);
}

} // namespace
} // namespace vk2
