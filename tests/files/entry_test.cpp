#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "files/entry.h"
#include "model/analysis.h"
#include "model/elements.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

class EnterFighterTest : public ::testing::Test {
  protected:
    test::TestGame t;
    Game& game = t.game;

    // A red picture analysed into the preview, as the entry panel would have it.
    void SetUp() override {
        const std::string path = "/pictures/赤い花.png";
        t.platform.addSolidPicture(path, 40, 30, Rgb(200, 30, 10));
        game.previewPicturePath = path;
        game.f.filePath[kPreviewSlot] = path;
        ASSERT_EQ(AnalysePicture(game).kind, AnalysisOutcome::Kind::Analysed);
    }

    std::vector<std::string> Commands(SlotIndex slot) const {
        std::vector<std::string> names;
        for (const ListEntry& entry : game.form.Command[slot].entries) names.push_back(entry.text);
        return names;
    }

    // What the slot looks like after a battle: learned commands, raised counters, modifiers.
    void Dirty(SlotIndex slot) {
        FighterTable& f = game.f;
        f.tension[slot] = 97;
        f.learnedCount[slot] = 2;
        f.attackMod[slot] = 40;
        f.hpMod[slot] = -300;
        for (int k = 0; k < kCounters; ++k) f.counter(slot, k) = 9;
        game.form.Command[slot].add("盗んだ技", 5);
        game.form.Item[slot].add("古い薬草", kItemConsumable);
        game.form.Message[slot].text = "前の戦いの記録\r\n";
        game.form.HP[slot].text = "1";
    }
};

TEST_F(EnterFighterTest, CopiesThePreviewWithAFreshBattleState) {
    Dirty(4);
    game.phase = 4;
    EnterFighter(game, 4, kFrontRow);

    const FighterTable& f = game.f;
    EXPECT_EQ(f.digitCode[4], f.digitCode[kPreviewSlot]);
    EXPECT_EQ(f.level[4], f.level[kPreviewSlot]);
    EXPECT_EQ(f.baseLevel[4], f.level[kPreviewSlot]);
    EXPECT_EQ(f.baseElement[4], f.element[kPreviewSlot]);
    EXPECT_EQ(f.baseMaxHp[4], f.baseMaxHp[kPreviewSlot]);
    EXPECT_EQ(f.maxHp[4], f.maxHp[kPreviewSlot]);
    EXPECT_EQ(f.attack[4], f.attack[kPreviewSlot]);
    EXPECT_EQ(f.weapon[4], f.weapon[kPreviewSlot]);
    EXPECT_EQ(f.affinity[4], f.affinity[kPreviewSlot]);
    EXPECT_EQ(game.form.HP[4].text, Num(f.maxHp[4]));
    EXPECT_EQ(game.form.MP[4].text, Num(f.maxMp[4]));

    EXPECT_EQ(f.tension[4], 50);
    EXPECT_EQ(f.learnedCount[4], 0);
    EXPECT_EQ(f.attackMod[4], 0);
    EXPECT_EQ(f.hpMod[4], 0);
    for (int k = 0; k < kCounters; ++k) EXPECT_EQ(f.counter(4, k), 0) << "counter " << k;
    EXPECT_EQ(game.form.Item[4].entries, game.form.ItemPrev.entries);
    EXPECT_EQ(game.form.Command[4].find("盗んだ技"), -1);
    EXPECT_EQ(game.phase, 7);
}

TEST_F(EnterFighterTest, ShowsTheFighterOnTheFieldUnderItsName) {
    EnterFighter(game, 0, kBackRow);

    const Form& form = game.form;
    EXPECT_FALSE(form.ViewUnder[kPreviewSlot].visible);
    EXPECT_TRUE(form.ViewUnder[0].visible);
    EXPECT_EQ(form.ViewFrame[0].borderStyle, 0);
    EXPECT_EQ(form.ViewFrame[0].borderColour, ElementColour(game.f.element[kPreviewSlot]));
    EXPECT_EQ(form.Message[0].text, "赤い花\r\n入場！");
    EXPECT_FALSE(form.Item[0].visible);
    for (const char* menu : {"mnuClose", "mnuSave", "mnuRecover"})
        for (int item : {0, 3, 10}) EXPECT_TRUE(game.form.menus.find(menu, item)->enabled) << menu << item;
    EXPECT_FALSE(game.form.menus.find("mnuClose", 5)->enabled);
}

TEST_F(EnterFighterTest, HiddenNumbersStayHiddenForTheirSide) {
    game.form.menus.find("mnuNHPMP", 1)->checked = true;
    EnterFighter(game, 0, kFrontRow);
    EnterFighter(game, 3, kFrontRow);
    EXPECT_TRUE(game.form.HP[0].visible);
    EXPECT_FALSE(game.form.HP[3].visible);
    EXPECT_FALSE(game.form.MP[3].visible);
}

struct RowCase {
    SlotIndex slot;
    int row;
    int partySize;
    int position;
    const char* moveCommand;
};

class EntryRowTest : public EnterFighterTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(EntryRowTest, RowGivesPositionAndMoveCommand) {
    const RowCase& c = GetParam();
    game.partySize = {static_cast<std::uint8_t>(c.partySize), static_cast<std::uint8_t>(c.partySize)};
    EnterFighter(game, c.slot, c.row);
    EXPECT_EQ(game.f.position[c.slot], c.position);
    const std::vector<std::string> commands = Commands(c.slot);
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[commands.size() - 2], c.moveCommand);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EntryRowTest,
    ::testing::Values(RowCase{0, kFrontRow, 2, 1, "後退"}, RowCase{1, kBackRow, 3, 0, "前進"},
                      RowCase{4, kFrontRow, 2, 2, "後退"}, RowCase{5, kBackRow, 3, 3, "前進"},
                      // a lone fighter always stands in front
                      RowCase{0, kBackRow, 1, 1, "後退"}, RowCase{3, kBackRow, 1, 2, "後退"}));

TEST_F(EnterFighterTest, CommandListWrapsThePreviewCommands) {
    std::vector<std::string> expected{"たたかう"};
    for (const ListEntry& entry : game.form.Command[kPreviewSlot].entries) expected.push_back(entry.text);
    for (const char* tail : {"アイテム使用", "アイテムをわたす", "前進", "ぼうぎょ"})
        expected.emplace_back(tail);
    EnterFighter(game, 2, kBackRow);
    EXPECT_EQ(Commands(2), expected);
    EXPECT_EQ(game.form.Command[2].selected, -1);
}

struct BasicCommandCase {
    const char* weapon;
    const char* carried; // an item entry, empty for none
    const char* basic;
};

class EntryBasicCommandTest : public EnterFighterTest,
                              public ::testing::WithParamInterface<BasicCommandCase> {};

TEST_P(EntryBasicCommandTest, TopCommandFollowsTheWeaponAndItsPartner) {
    const BasicCommandCase& c = GetParam();
    game.f.weapon[kPreviewSlot] = c.weapon;
    if (*c.carried != '\0') game.form.ItemPrev.add(c.carried, WeaponItemCode(kFist));
    EnterFighter(game, 1, kFrontRow);
    EXPECT_EQ(game.form.Command[1].entries.front().text, c.basic);
}

INSTANTIATE_TEST_SUITE_P(Weapons, EntryBasicCommandTest,
                         ::testing::Values(BasicCommandCase{"素手", "", "たたかう"},
                                           BasicCommandCase{"眉間尺", "", "アアアアアアアア！！！"},
                                           BasicCommandCase{"平和のためのミトン", "", "トリート"},
                                           BasicCommandCase{"ドラゴンクロー", "虎咬", "龍虎乱舞"},
                                           BasicCommandCase{"虎咬", "ドラゴンクロー", "龍虎乱舞"},
                                           // only an entry reading exactly the partner's name counts
                                           BasicCommandCase{"ドラゴンクロー", "◆虎咬", "たたかう"}));

TEST_F(EnterFighterTest, TheStaffBuildsTheWholeListItself) {
    game.f.weapon[kPreviewSlot] = "エシ・メサの杖";
    EnterFighter(game, 0, kFrontRow);
    const std::vector<std::string> commands = Commands(0);
    EXPECT_GT(commands.size(), game.form.Command[kPreviewSlot].entries.size() + 5);
    EXPECT_EQ(commands.front(), "たたかう");
    EXPECT_EQ(commands.back(), "ぼうぎょ");
}

TEST_F(EnterFighterTest, TheHandkerchiefDreamStartsOnEntry) {
    game.f.accessory[kPreviewSlot] = "アリスのハンカチ";
    EnterFighter(game, 3, kFrontRow);
    EXPECT_EQ(game.f.counter(3, 29), 2);
}

struct AutoRowCase {
    int baseMaxHp;
    int baseMaxMp;
    int longReach;
    int row;
};

class AutoRowTest : public ::testing::TestWithParam<AutoRowCase> {};

TEST_P(AutoRowTest, SturdyCloseFightersGoToTheFront) {
    const AutoRowCase& c = GetParam();
    test::TestGame t;
    t.game.f.baseMaxHp[kPreviewSlot] = c.baseMaxHp;
    t.game.f.baseMaxMp[kPreviewSlot] = static_cast<std::int16_t>(c.baseMaxMp);
    t.game.f.longReach[kPreviewSlot] = static_cast<std::uint8_t>(c.longReach);
    EXPECT_EQ(AutoRow(t.game), c.row);
}

INSTANTIATE_TEST_SUITE_P(Rows, AutoRowTest,
                         ::testing::Values(AutoRowCase{8100, 100, 0, kFrontRow},
                                           AutoRowCase{8100, 101, 0, kBackRow},
                                           AutoRowCase{8100, 100, 1, kBackRow},
                                           AutoRowCase{80, 0, 0, kFrontRow}));

TEST(FighterNameTest, FileNameWithoutFolderAndExtension) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"C:\\絵\\赤い花.bmp", "赤い花"},
        {"/home/me/pics/cat.v2.png", "cat.v2"},
        {"folder.d/noext", "noext"},
        {"plain.gif", "plain"},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(FighterName(path), name) << path;
}

} // namespace
} // namespace vk2
