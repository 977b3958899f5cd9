#include <gtest/gtest.h>

#include <string>

#include "battle/action_effect.h"
#include "battle/action_fixture.h"
#include "battle/clock.h"
#include "battle/counters.h"
#include "battle/resolution.h"
#include "battle/targeting.h"

namespace vk2 {
namespace {

class ResolutionTest : public test::ActionTest {};

struct IgnoredClick {
    const char* name;
    SlotIndex target;
    std::int16_t phase;
    bool marked;
};

class IgnoredClickTest : public test::ActionTest, public ::testing::WithParamInterface<IgnoredClick> {};

// Any roll drawn here would fail the test: the scripted source has none.
TEST_P(IgnoredClickTest, LeavesTheTurnAlone) {
    const IgnoredClick& c = GetParam();
    game.phase = c.phase;
    if (c.marked && IsBattleSlot(c.target)) Mark(c.target);
    ResolveClickedAction(game, c.target);
    EXPECT_EQ(game.phase, c.phase);
    EXPECT_EQ(f.timeGauge[0], 1500);
    EXPECT_TRUE(platform.pauses.empty());
}

INSTANTIATE_TEST_SUITE_P(Clicks, IgnoredClickTest,
                         ::testing::Values(IgnoredClick{"PreviewSlot", 6, 10, true},
                                           IgnoredClick{"OutsideATurn", 3, kPhaseClockRuns, true},
                                           IgnoredClick{"UnmarkedPicture", 3, 10, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResolutionTest, GreyMarkIsIgnoredInNormalPlay) {
    game.phase = 10;
    Mark(3);
    game.form.Cursor[3].foreColour = kGreyMark;
    ResolveClickedAction(game, 3);
    EXPECT_EQ(game.phase, 10);
    EXPECT_EQ(f.timeGauge[0], 1500);
}

// An automatic fighter whose blow a protector with a grey mark steps in front of cannot wait for a
// better click: it loses the turn, or the battle would stand still.
TEST_F(ResolutionTest, GreyMarkCostsTheTurnOfAFighterNobodyPlays) {
    game.form.Mode[0].backColour = kBlack; // "Auto"
    game.phase = 10;
    Mark(3);
    game.form.Cursor[3].foreColour = kGreyMark;
    ResolveClickedAction(game, 3);
    EXPECT_EQ(f.timeGauge[0], 500);
    EXPECT_EQ(game.phase, kPhaseClockRuns);
}

// A copied command (Exi hidden) or a summoned fighter (Exi caption set) that lands on a grey mark
// loses the turn, and the flags return to normal play.
TEST_F(ResolutionTest, GreyMarkCostsTheTurnOfACopiedOrSummonedAction) {
    for (const bool summon : {false, true}) {
        SCOPED_TRACE(summon ? "summon" : "copy");
        f.timeGauge[0] = 1500;
        game.form.Exi.visible = summon;
        game.form.Exi.caption = summon ? "2" : "";
        game.form.ViewUnder[kPreviewSlot].visible = true;
        game.phase = 10;
        Mark(3);
        game.form.Cursor[3].foreColour = kGreyMark;
        ResolveClickedAction(game, 3);
        EXPECT_EQ(platform.shown.back()[3], "ミス！");
        EXPECT_EQ(game.form.Message[3].text, "");
        EXPECT_EQ(f.timeGauge[0], 500);
        EXPECT_EQ(game.phase, kPhaseClockRuns);
        EXPECT_TRUE(game.form.Exi.visible);
        EXPECT_EQ(game.form.Exi.caption, "");
        EXPECT_EQ(game.form.ViewUnder[kPreviewSlot].visible, !summon);
    }
}

TEST_F(ResolutionTest, ProtectorTakesTheBlowMeantForItsWard) {
    Enter(4);
    f.counter(3, kBondCounter) = 14; // protected by slot 4
    game.actionCode = 100;
    game.phase = 10;
    Mark(3);
    random.push(0.5f);
    ResolveClickedAction(game, 3);
    EXPECT_EQ(game.targetSlot, 4);
    EXPECT_TRUE(platform.showed(4, "攻撃をかばった！"));
}

TEST_F(ResolutionTest, MirrorSendsASpellAtAnEnemyBackToTheCaster) {
    f.counter(3, kMirrorCounter) = 3;
    game.actionKind = 1;
    Act(0, 3);
    // The first pause follows the mirrors: the holder reports, the caster is marked instead.
    EXPECT_EQ(platform.pauses.front(), 200);
    EXPECT_EQ(platform.shown.front()[3], "反射！\r\n");
    EXPECT_FALSE(platform.showed(0, "ミス！"));
}

TEST_F(ResolutionTest, MirrorsLeaveAMissWhenTheReflectionFindsNoValidMark) {
    // The caster's own mark would be grey: the spell is wasted.
    f.counter(3, kMirrorCounter) = 3;
    f.counter(0, kMirrorCounter) = 1;
    game.actionKind = 1;
    game.actionCode = 10; // grey while counter 10 is already running
    game.phase = 10;
    game.targetSlot = 3;
    Mark(3);
    random.push(0.5f);
    ResolveClickedAction(game, 3);
    EXPECT_TRUE(platform.showed(0, "ミス！\r\n"));
    EXPECT_FALSE(game.form.Cursor[0].visible);
}

// Two mirrors on the caster's own side send the spell to the same enemy twice; the mark there
// only hits once, so the effect runs once more.
TEST_F(ResolutionTest, SecondReflectionOntoAMarkedSlotRunsTheEffectAgain) {
    game.partySize[0] = 3;
    Enter(1);
    Enter(2);
    Enter(4);
    f.counter(1, kMirrorCounter) = 2;
    f.counter(2, kMirrorCounter) = 2;
    game.actionKind = 1;
    game.actionCode = 99;
    Mark(0);
    Mark(2);
    // Both mirrors draw slot 3; a missing repeat would leave the last roll unused.
    Act(0, 1, {0.0f, 0.0f, test::kEffectRoll, test::kEffectRoll});
    EXPECT_EQ(platform.shown.front()[1], "反射！\r\n");
    EXPECT_EQ(platform.shown.front()[2], "反射！\r\n");
    EXPECT_FALSE(game.form.Cursor[3].visible);
}

struct ItemUse {
    const char* name;
    std::int32_t code;
    bool usedUp;
};

class ItemUseTest : public test::ActionTest, public ::testing::WithParamInterface<ItemUse> {};

TEST_P(ItemUseTest, ConsumablesAreUsedUpAndBreakTheNoItemTask) {
    const ItemUse& c = GetParam();
    Choose(0, kUseItemCommand);
    ListBox& items = game.form.Item[0];
    items.add("ＺＺ玉", c.code);
    items.add("ＺＺ石", 0);
    items.selected = 0;
    f.counter(0, kPropositionCounter) = 23;
    Act(0, 0);
    EXPECT_EQ(items.count(), c.usedUp ? 1 : 2);
    EXPECT_EQ(items.entries.back().text, "ＺＺ石");
    // The task is broken at once, so the same action ends with the penalty.
    EXPECT_TRUE(platform.showed(0, "天の命題に背いた！"));
    EXPECT_FALSE(OnField(0));
}

INSTANTIATE_TEST_SUITE_P(Items, ItemUseTest,
                         ::testing::Values(ItemUse{"Consumable", kItemConsumable, true},
                                           ItemUse{"Tool", kItemTool, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vk2
