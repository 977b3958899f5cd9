#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/item_descriptions.h"
#include "model/starting_equipment.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 2;

class ItemDescriptionTest : public ::testing::Test {
  protected:
    test::TestGame t;
    Game& game = t.game;

    ItemDescriptionTest() {
        ListBox& items = game.form.Item[kActor];
        items.add("薬草", kItemConsumable);
        items.add("雷神太鼓", kItemTool);
        items.add("天狗の葉うちわ", kItemTool);
        items.add("手裏剣", kItemConsumable);
        items.add("バイタルドリンク", kItemConsumable);
        items.add("謎の石", kItemConsumable);
        items.add("◆ヒノキのぼう", WeaponItemCode(kStaff));
        items.add("★お守り", kItemAccessory);
    }

    void Select(const std::string& text) {
        ListBox& items = game.form.Item[kActor];
        items.selected = items.find(text);
        ASSERT_GE(items.selected, 0) << text;
        ShowItemDescription(game, kActor);
    }

    void ChooseCommand(const std::string& command) {
        game.form.Command[kActor].clear();
        game.form.Command[kActor].add(command, 0);
        game.form.Command[kActor].selected = 0;
    }

    const std::string& Box() const { return game.form.Message[kActor].text; }
};

TEST_F(ItemDescriptionTest, DescribesTheItemAndShowsTheBox) {
    game.form.Message[kActor].visible = false;
    Select("手裏剣");
    EXPECT_EQ(Box(), "敵一体に\r\n守備力無視ダメージ。");
    EXPECT_TRUE(game.form.Message[kActor].visible);
    EXPECT_EQ(game.actionCode, 100);
    EXPECT_EQ(game.actionKind, 3);
}

TEST_F(ItemDescriptionTest, EachItemStartsFromAPlainAction) {
    Select("雷神太鼓");
    EXPECT_EQ(game.actionElements, (ElementCodes{0, 0, 1, 0, 0, 0, 0, 0, 0}));
    Select("天狗の葉うちわ");
    EXPECT_EQ(game.actionElements, (ElementCodes{0, 0, 0, 1, 0, 0, 0, 0, 0}));
    Select("手裏剣");
    EXPECT_EQ(game.actionElements, ElementCodes{});
    Select("薬草");
    EXPECT_EQ(game.actionKind, 0);
}

TEST_F(ItemDescriptionTest, ItemCodesThatDependOnTheSituation) {
    game.f.counter(kActor, 12) = 42; // a proposition demands a herb on an enemy
    Select("薬草");
    EXPECT_EQ(game.actionCode, 0);
    game.f.counter(kActor, 12) = 39;
    Select("薬草");
    EXPECT_EQ(game.actionCode, 95);

    Select("バイタルドリンク");
    EXPECT_EQ(game.actionCode, 0);
    game.form.Mode[kActor].backColour = kBlack;
    Select("バイタルドリンク");
    EXPECT_EQ(game.actionCode, 95);
}

TEST_F(ItemDescriptionTest, EquipmentDescribesItselfAndCannotBeUsed) {
    Select("★お守り");
    EXPECT_EQ(Box(), "即死を防ぐ。");
    EXPECT_EQ(game.actionCode, kUnusable);
    Select("◆ヒノキのぼう");
    EXPECT_NE(Box(), "即死を防ぐ。");
    EXPECT_EQ(game.actionCode, kUnusable);
}

TEST_F(ItemDescriptionTest, UnknownItemLeavesTheBoxAndCannotBeUsed) {
    game.form.Message[kActor].text = "前の行";
    game.mpCost = 7;
    Select("謎の石");
    EXPECT_EQ(Box(), "前の行");
    EXPECT_EQ(game.actionCode, kUnusable);
    EXPECT_EQ(game.mpCost, 7);
}

TEST_F(ItemDescriptionTest, CommandsPayingWithAnItemDecideTheTargets) {
    const struct {
        const char* command;
        int code;
    } cases[] = {{kHandItemCommand, 65}, {"ぼったくり", 197}, {"黒ミサ", 198}, {"ゾロアスター", 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        ChooseCommand(c.command);
        for (const char* item : {"薬草", "謎の石", "★お守り", "◆ヒノキのぼう"}) {
            Select(item);
            EXPECT_EQ(game.actionCode, c.code) << item;
        }
    }
    ChooseCommand(kUseItemCommand);
    Select("手裏剣");
    EXPECT_EQ(game.actionCode, 100);
}

TEST_F(ItemDescriptionTest, EndingTheBackgroundChoiceIsAllTheFirstSelectionDoes) {
    game.form.Scouting.rect.height = 224;
    Select("手裏剣");
    EXPECT_NE(game.form.Scouting.rect.height, 224);
    EXPECT_EQ(Box(), "");
    EXPECT_EQ(game.actionCode, kUnusable);
    ShowItemDescription(game, kActor);
    EXPECT_EQ(game.actionCode, 100);
}

TEST_F(ItemDescriptionTest, NothingHappensWithoutASelection) {
    game.actionCode = 100;
    ShowItemDescription(game, kActor);
    ShowItemDescription(game, kPreviewSlot);
    EXPECT_EQ(game.actionCode, 100);
}

TEST(ItemDescriptions, KeysAreUniqueAndCodesInRange) {
    std::set<std::string_view> keys;
    for (const ItemDescriptionRow& row : ItemDescriptions()) {
        SCOPED_TRACE(std::string(row.key));
        EXPECT_EQ(Len(row.key), 2u);
        EXPECT_TRUE(keys.insert(row.key).second);
        EXPECT_FALSE(row.lines[0].empty());
        EXPECT_LE(row.actionCode, 250);
        EXPECT_LE(row.whenCode, 250);
        EXPECT_LE(row.actionKind, 3);
        EXPECT_LE(row.element, kHoly);
    }
}

TEST(ItemDescriptions, DescribesEveryItemAPictureCanGive) {
    std::set<std::string_view> names{"薬草"};
    for (const ItemRow& row : StartingItems()) names.insert(row.name);
    for (const AccessoryRow& row : AccessoryRows())
        for (const Gift& gift : {row.gift, row.otherwise})
            if (gift.kind == Gift::Kind::Item) names.insert(gift.name);
    for (std::string_view name : names) EXPECT_NE(FindItemDescription(name), nullptr) << name;
}

} // namespace
} // namespace vk2
