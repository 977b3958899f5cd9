#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "battle/action_fixture.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/skills/execute_skill.h"
#include "form/controls.h"
#include "model/accessories.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 acts beside its ally in slot 1; slots 3 and 4 are the foes. Everyone stands on the field
// with 1000 HP of 5000 and 100 MP of 200, so gains and losses both show in the boxes.
constexpr SlotIndex kActor = 0;
constexpr SlotIndex kAlly = 1;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kOtherFoe = 4;

using Entries = std::vector<ListEntry>;

class ItemHandlingTest : public ::testing::Test {
  protected:
    ItemHandlingTest() {
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            game.form.ViewUnder[s].visible = false;
            game.form.Cursor[s].visible = false;
        }
        game.actionCode = 0;
        test::PutOnField(game, {kActor, kAlly, kFoe, kOtherFoe});
        for (SlotIndex s : {kActor, kAlly, kFoe, kOtherFoe}) {
            f.level[s] = f.baseLevel[s] = 1;
            f.baseMaxHp[s] = f.maxHp[s] = 5000;
            f.baseMaxMp[s] = f.maxMp[s] = 200;
            f.baseAttack[s] = f.attack[s] = 150;
            f.baseDefense[s] = f.defense[s] = 60;
            f.baseSpeed[s] = f.speed[s] = 50;
            f.baseSpirit[s] = f.spirit[s] = 40;
            f.affinity[s].fill(3);
            f.weapon[s] = kBareHands;
            f.tension[s] = 50;
            game.form.HP[s].text = "1000";
            game.form.MP[s].text = "100";
        }
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    // Runs the key through the skill dispatcher; returns the key as the effect left it.
    std::string Use(const std::string& key, SlotIndex target) {
        std::string k = key;
        ExecuteSkill(game, kActor, target, k);
        return k;
    }
    // The same; returns the target as the effect left it.
    SlotIndex Aim(const std::string& key, SlotIndex target) {
        std::string k = key;
        ExecuteSkill(game, kActor, target, k);
        return target;
    }

    void Bag(SlotIndex s, Entries entries, int selected = -1) {
        game.form.Item[s].entries = std::move(entries);
        game.form.Item[s].selected = selected;
    }
    const Entries& BagOf(SlotIndex s) const { return game.form.Item[s].entries; }

    void Mark(std::initializer_list<SlotIndex> slots) {
        for (SlotIndex s : slots) {
            game.form.Cursor[s].visible = true;
            game.form.Cursor[s].foreColour = kWhite;
        }
    }
    void Rolls(std::initializer_list<float> rolls) {
        for (float u : rolls) t.random.push(u);
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    std::string Hp(SlotIndex s) const { return game.form.HP[s].text; }
    std::string Mp(SlotIndex s) const { return game.form.MP[s].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// The shared key gives the item unless the ice wall is being cast; a worn piece is named without
// its mark.
TEST_F(ItemHandlingTest, GivingNamesTheItemAndHandsItOver) {
    struct Case {
        ListEntry given;
        std::string received;
    };
    const std::vector<Case> cases{
        {{"薬草", kItemConsumable}, "薬草"},
        {{"◆ダガー", WeaponItemCode(kKnife)}, "ダガー"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given.text);
        f.weapon[kActor] = c.given.text == "薬草" ? kBareHands : "ダガー";
        Bag(kActor, {c.given}, 0);
        Bag(kAlly, {});
        Use("アイ", kAlly);
        EXPECT_EQ(Box(kAlly), c.received + "\r\nを受け取った。\r\n");
        EXPECT_TRUE(BagOf(kActor).empty());
        ASSERT_EQ(BagOf(kAlly).size(), 1u);
        EXPECT_EQ(BagOf(kAlly)[0].text, c.received);
        EXPECT_EQ(f.weapon[kActor], kBareHands);
    }
}

// Int(1001 / 2^counter 27 + 1) goes to the seller, half of the buyer's MP too, and the buyer keeps
// half of each.
TEST_F(ItemHandlingTest, SellingSplitsTheBuyersHpAndMp) {
    struct Case {
        int halving;
        std::string sellerHp;
    };
    for (const Case& c : {Case{0, "2002"}, Case{1, "1501"}}) {
        SCOPED_TRACE(c.halving);
        game.form.HP[kActor].text = "1000";
        game.form.MP[kActor].text = "100";
        game.form.HP[kFoe].text = "1001";
        game.form.MP[kFoe].text = "101";
        game.form.Message[kFoe].text.clear();
        game.form.Message[kActor].text.clear();
        f.counter(kFoe, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halving);
        Bag(kActor, {{"石ころ", kItemTool}}, 0);
        Bag(kFoe, {});
        Use("ぼっ", kFoe);
        EXPECT_EQ(Hp(kActor), c.sellerHp);
        EXPECT_EQ(Mp(kActor), "150");
        EXPECT_EQ(Hp(kFoe), "500");
        EXPECT_EQ(Mp(kFoe), "50");
        EXPECT_EQ(Box(kFoe), "石ころ\r\nを売りつけられた！\r\n");
        EXPECT_EQ(Box(kActor), "HP、MP回復。\r\n");
        EXPECT_EQ(BagOf(kFoe), (Entries{{"石ころ", kItemTool}}));
        EXPECT_TRUE(BagOf(kActor).empty());
    }
}

TEST_F(ItemHandlingTest, HandkerchiefRefusesTheSale) {
    f.accessory[kFoe] = std::string(kAliceHandkerchief);
    Bag(kActor, {{"石ころ", kItemTool}}, 0);
    Use("ぼっ", kFoe);
    EXPECT_EQ(Box(kFoe), "ミス！\r\n");
    EXPECT_EQ(Hp(kActor), "1000");
    EXPECT_EQ(Hp(kFoe), "1000");
    EXPECT_EQ(BagOf(kActor).size(), 1u);
}

// Each marked fighter loses one entry at random, and the key ends as the last one taken; an empty
// bag is a miss.
TEST_F(ItemHandlingTest, TakingDiscardsARandomEntryFromEveryMark) {
    Bag(kFoe, {{"薬草", kItemConsumable}, {"石ころ", kItemTool}});
    Bag(kOtherFoe, {});
    Mark({kFoe, kOtherFoe});
    Rolls({0.5f});
    EXPECT_EQ(Use("天使", kFoe), "石ころ");
    EXPECT_EQ(BagOf(kFoe), (Entries{{"薬草", kItemConsumable}}));
    EXPECT_EQ(Box(kFoe), "石ころ\r\nを失った。\r\n");
    EXPECT_EQ(Box(kOtherFoe), "ミス！\r\n");
    EXPECT_EQ(t.platform.sounds, std::vector<int>{8});
}

// Everyone on the field draws back as many items as it held, without replacement and never a worn
// piece; the actor keeps the rest and a fighter off the field keeps its own.
TEST_F(ItemHandlingTest, ShufflingDealsThePoolWithoutReplacement) {
    f.weapon[kActor] = "ダガー";
    Bag(kActor, {{"◆ダガー", WeaponItemCode(kKnife)}, {"A", kItemConsumable}});
    Bag(kAlly, {{"B", kItemConsumable}});
    Bag(kFoe, {{"★リング", kItemAccessory}, {"C", kItemTool}, {"D", kItemConsumable}});
    Bag(kOtherFoe, {});
    game.form.ViewUnder[kOtherFoe].visible = false;
    Bag(kOtherFoe, {{"E", kItemConsumable}});
    Mark({kFoe});
    // The pool is ◆ダガー A B C D: the ally draws the worn dagger, then D; the foe draws A from
    // ◆ダガー A B C, then C from ◆ダガー B C.
    Rolls({0.0f, 0.99f, 0.3f, 0.7f});
    Use("ニュ", kFoe);
    EXPECT_EQ(BagOf(kActor), (Entries{{"◆ダガー", WeaponItemCode(kKnife)}, {"B", kItemConsumable}}));
    EXPECT_EQ(BagOf(kAlly), (Entries{{"D", kItemConsumable}}));
    EXPECT_EQ(BagOf(kFoe), (Entries{{"★リング", kItemAccessory}, {"A", kItemConsumable}, {"C", kItemTool}}));
    EXPECT_EQ(BagOf(kOtherFoe), (Entries{{"E", kItemConsumable}}));
    EXPECT_EQ(Box(kActor), "装備品以外をシャッフル！\r\n");
    EXPECT_EQ(Box(kFoe), "装備品以外をシャッフル！\r\n");
    EXPECT_FALSE(game.form.Cursor[kFoe].visible);
    EXPECT_EQ(t.platform.sounds, std::vector<int>{18});
}

TEST_F(ItemHandlingTest, ShufflingWithoutItemsDrawsNothing) {
    Bag(kActor, {});
    Bag(kFoe, {{"★リング", kItemAccessory}});
    Use("ニュ", kFoe);
    EXPECT_TRUE(BagOf(kActor).empty());
    EXPECT_EQ(BagOf(kFoe), (Entries{{"★リング", kItemAccessory}}));
    EXPECT_EQ(Box(kFoe), "");
}

// Every marked ally is cured as by the aloe; a bag of 11 entries gets no herb.
TEST_F(ItemHandlingTest, WorldTreeCuresAndGivesHerbsWhereThereIsRoom) {
    Bag(kActor, {});
    Bag(kAlly, Entries(11, {"石ころ", kItemTool}));
    f.counter(kActor, kPoisonCounter) = 3;
    f.counter(kAlly, kPoisonCounter) = 3;
    Mark({kActor, kAlly, kFoe});
    Use("ユグ", kActor);
    EXPECT_EQ(f.counter(kActor, kPoisonCounter), 0);
    EXPECT_EQ(f.counter(kAlly, kPoisonCounter), 0);
    EXPECT_EQ(BagOf(kActor), (Entries{{"薬草", kItemConsumable}}));
    EXPECT_EQ(BagOf(kAlly).size(), 11u);
    EXPECT_EQ(Box(kActor), "ステータス回復。\r\n薬草を獲得。\r\n");
    EXPECT_EQ(Box(kAlly), "ステータス回復。\r\n");
    EXPECT_EQ(Box(kFoe), "");
    ASSERT_FALSE(t.platform.sounds.empty());
    EXPECT_EQ(t.platform.sounds.front(), 94);
}

// Each strike draws the technique roll and one luck roll.
constexpr float kStrikeRoll = 5.0f / 16.0f;
constexpr float kLuckRoll = 8.0f / 16.0f;

// Three strikes; between them the next victim is drawn among the others on the field, and the
// caller's target ends as the last one.
TEST_F(ItemHandlingTest, FrenzyStrikesThreeTimesAtRandomVictims) {
    Mark({kFoe});
    Rolls({kStrikeRoll, kLuckRoll, 0.0f / 6, 2.0f / 6, 4.0f / 6, // the actor, an empty slot, then slot 4
           kStrikeRoll, kLuckRoll,
           3.0f / 6, // slot 3 again
           kStrikeRoll, kLuckRoll});
    EXPECT_EQ(Aim("アア", kFoe), kFoe);
    EXPECT_TRUE(game.form.Cursor[kFoe].visible);
    EXPECT_FALSE(game.form.Cursor[kOtherFoe].visible);
    auto lines = [&](SlotIndex s) {
        int n = 0;
        for (std::size_t at = Box(s).find("のダメージ！"); at != std::string::npos;
             at = Box(s).find("のダメージ！", at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(lines(kFoe), 2);
    EXPECT_EQ(lines(kOtherFoe), 1);
}

// With nobody else on the field the victim draws give up after 21 and the last draw stands.
TEST_F(ItemHandlingTest, FrenzyKeepsTheLastOf21Draws) {
    for (SlotIndex s : {kAlly, kFoe, kOtherFoe}) game.form.ViewUnder[s].visible = false;
    // 20 draws of the actor itself, then the 21st stands: empty slot 5, and later empty slot 2.
    for (float last : {5.0f / 6, 2.0f / 6}) {
        Rolls({kStrikeRoll, kLuckRoll});
        for (int i = 0; i < 20; ++i) Rolls({0.0f});
        Rolls({last});
    }
    Rolls({kStrikeRoll, kLuckRoll});
    EXPECT_EQ(Aim("アア", kFoe), 2);
}

// The MP is spent whether or not a picture answers the call.
TEST_F(ItemHandlingTest, SummonWithoutAPictureMissesButSpendsTheMp) {
    struct Case {
        const char* name;
        std::vector<std::string> files;
        std::vector<float> rolls;
    };
    const std::vector<Case> cases{
        {"empty folder", {}, {}},
        {"unreadable picture", {"gone.png"}, {0.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.form.MP[kActor].text = "100";
        game.mpCost = 30;
        game.form.File1.clear();
        for (const std::string& file : c.files) game.form.File1.add(file, 0);
        for (float u : c.rolls) t.random.push(u);
        Use("召喚", kFoe);
        EXPECT_EQ(Mp(kActor), "70");
        EXPECT_EQ(Box(kActor), "ミス！");
        EXPECT_EQ(f.weapon[kActor], kBareHands);
        EXPECT_EQ(game.form.Exi.caption, "");
    }
}

} // namespace
} // namespace vk2

namespace vk2 {
namespace {

// Borrowed commands run a whole nested action inside the click on the target.
class BorrowedCommandTest : public test::ActionTest {};

TEST_F(BorrowedCommandTest, MimicCarriesOutTheTargetsCommandForOneTurn) {
    Choose(0, "ものまね");
    game.form.Command[3].selected = 4; // ぼうぎょ
    Act(0, 3, {});
    EXPECT_TRUE(platform.showed(0, "身を守っている…"));
    EXPECT_EQ(game.form.Command[0].entries[0].text, "ものまね");
    EXPECT_TRUE(game.form.Exi.visible);
    EXPECT_EQ(f.timeGauge[0], 500); // the copied action's turn is given back: one turn in all
}

class SummonTest : public test::ActionTest {
  protected:
    SummonTest() {
        f.weapon[0] = "ダガー";
        f.baseMaxHp[3] = f.maxHp[3] = 5000;
        game.form.HP[3].text = "5000";
        game.form.Item[0].clear();
        game.mpCost = 30;
        Choose(0, "召喚");
    }
    // The folder holds one picture of one colour.
    void Folder(Colour colour) {
        platform.addSolidPicture("called.png", 40, 40, colour);
        game.form.File1.add("called.png", 0);
    }
};

// A red picture gives a fighter of spirit 37 whose only command is ファイヤーボール: the actor
// casts it with that spirit, then gets its own equipment and command back.
TEST_F(SummonTest, SummonedFighterActsOnceWithItsOwnNumbers) {
    Folder(Rgb(255, 0, 0));
    Act(0, 3, {0.0f, 0.0f, 0.0f, 0.0f});
    EXPECT_TRUE(platform.showed(0, "ファイヤーボール"));
    EXPECT_TRUE(platform.showed(3, " 1343 のダメージ！"));
    EXPECT_EQ(f.weapon[0], "ダガー");
    EXPECT_EQ(game.form.Command[0].entries[0].text, "召喚");
    EXPECT_EQ(game.form.MP[0].text, "70");
    EXPECT_FALSE(game.form.ViewUnder[kPreviewSlot].visible);
    EXPECT_EQ(game.form.Exi.caption, "");
}

// A grey picture gives 気合ため, 突撃 and そぎ落とす and herbs. Drawing 気合ため turns every round
// to a herb, which finds no target on the foes' side: each herb goes back, and after eight rounds
// the actor attacks. Its own items stay as they were.
TEST_F(SummonTest, ExcludedCommandIsNeverUsedAndUnusedLentItemsGoBack) {
    Folder(Rgb(128, 128, 128));
    game.form.Item[0].add("石ころ", kItemTool);
    for (int i = 0; i < 100; ++i) random.push(0.0f);
    Act(0, 3, {});
    EXPECT_FALSE(platform.showed(0, "気合ため"));
    EXPECT_TRUE(platform.showed(0, "たたかう"));
    EXPECT_EQ(game.form.Item[0].entries, (std::vector<ListEntry>{{"石ころ", kItemTool}}));
}

} // namespace
} // namespace vk2
