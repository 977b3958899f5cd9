#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/counters.h"
#include "battle/techniques/curses.h"
#include "battle/techniques/execute_technique.h"
#include "core/colour.h"
#include "form/menus.h"
#include "model/game.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 uses the technique on slot 3. Slots 3 and 4 carry white marks, slot 5 a grey one.
// Everyone is level 5 with spirit 40 and 1000 HP.
constexpr SlotIndex kActor = 0;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kSecondFoe = 4;
constexpr SlotIndex kGreyFoe = 5;

class CurseTest : public ::testing::Test {
  protected:
    CurseTest() {
        game.partySize = {1, 3};
        for (SlotIndex s : {kActor, kFoe, kSecondFoe, kGreyFoe}) {
            f.level[s] = 5;
            f.spirit[s] = 40;
            game.form.HP[s].text = "1000";
            game.form.ViewFrame[s].borderStyle = 0;
            game.form.Cursor[s].visible = false;
        }
        test::PutOnField(game, {kActor, kFoe, kSecondFoe, kGreyFoe});
        Mark(kFoe, kWhite);
        Mark(kSecondFoe, kWhite);
        Mark(kGreyFoe, Rgb(96, 96, 96));
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    void Mark(SlotIndex s, Colour colour) {
        game.form.Cursor[s].visible = true;
        game.form.Cursor[s].foreColour = colour;
    }

    void Roll(int r, int sides = 16) { t.random.push(static_cast<float>(r) / static_cast<float>(sides)); }

    // The technique's own roll r first, then the further rolls it draws; returns the final target.
    SlotIndex Use(const std::string& command, int r, std::vector<int> more = {}, int sides = 16) {
        Roll(r);
        for (int roll : more) Roll(roll, sides);
        std::string key = command;
        SlotIndex target = kFoe;
        ExecuteTechnique(game, kActor, target, key);
        return target;
    }

    void Reset(SlotIndex s) {
        game.form.Message[s].text.clear();
        game.form.HP[s].text = "1000";
        for (int k = 0; k < kCounters; ++k) f.counter(s, k) = 0;
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// --- The contract and the proposition -----------------------------------------------------------

TEST_F(CurseTest, ContractProclaimsTheOutcomeItStores) {
    struct Case {
        int r;
        int contract;
        const char* box;
    };
    const std::vector<Case> cases{
        {0, 1, "汝死せり時、その仲間に\r\n堕天使の羽根を与える…\r\n"},
        {5, 2, "汝死せり時、その仲間に\r\nデスサイズを与える…\r\n"},
        {11, 4, "汝死せり時、その仲間に\r\n悪魔の角笛を与える…\r\n"},
        {12, 5, "汝死せり時、\r\nその仇を道連れに…\r\n"},
        {15, 6, "汝死せり時、\r\n仇なす者達に呪いを…\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r=" + std::to_string(c.r));
        Reset(kFoe);
        f.counter(kFoe, kDeathContractCounter) = 3; // a new contract replaces the old
        Use("死神", c.r);
        EXPECT_EQ(f.counter(kFoe, kDeathContractCounter), c.contract);
        EXPECT_EQ(Box(kFoe), c.box);
    }
    EXPECT_EQ(t.platform.sounds.back(), 181);
}

TEST_F(CurseTest, PropositionSetsTaskAndTurnsByTheRoll) {
    struct Case {
        int r;
        int proposition;
        const char* box;
    };
    const std::vector<Case> cases{
        {1, 13, " 3ターン以内に\r\n会心の一撃を出さなければ\r\n即死亡！\r\n"},
        {7, 25, " 5ターンの間、\r\n一度でもアイテムを使ったら\r\n即死亡！\r\n"},
        {10, 34, " 4ターンの間、\r\n一度でも眠ったら\r\n即死亡！\r\n"},
        {12, 42, " 2ターン以内に\r\n敵に薬草を使わなければ\r\n即死亡！\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r=" + std::to_string(c.r));
        Reset(kFoe);
        Use("世の", c.r);
        EXPECT_EQ(f.counter(kFoe, kPropositionCounter), c.proposition);
        EXPECT_EQ(Box(kFoe), c.box);
    }
    EXPECT_EQ(t.platform.sounds.back(), 22);
}

// --- Birth, age, sickness and death -------------------------------------------------------------

TEST_F(CurseTest, WheelLandsOnBirthAgeOrDeathUnlessGuardedOrProtected) {
    struct Case {
        int r;
        int level;
        int guard;
        const char* accessory;
        const char* box;
        int levelAfter;
        int ageing;
        const char* hp;
    };
    const std::vector<Case> cases{
        {3, 5, 1, "", "「生」！\r\nレベル０まで若返った。\r\n", 0, 0, "1000"},
        {3, 10, 0, "", "ミス！\r\n", 10, 0, "1000"},
        {5, 5, 2, "", "ミス！\r\n", 5, 0, "1000"},
        {1, 5, 0, "", "ミス！\r\n", 5, 0, "1000"}, // below the first spoke
        {6, 5, 1, "", "「老」！\r\n急速に老化が始まる…\r\n", 5, 1, "1000"},
        {9, 5, 2, "", "ミス！\r\n", 5, 0, "1000"},
        {14, 9, 2, "", "「死」！\r\n…………\r\n", 9, 0, "0"}, // the guard does not stop death
        {15, 10, 0, "", "ミス！\r\n", 10, 0, "1000"},
        {15, 5, 0, "お守り", "ミス！\r\n", 5, 0, "1000"},
        {14, 5, 0, "アリスのハンカチ", "ミス！\r\n", 5, 0, "1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r=" + std::to_string(c.r) + " level=" + std::to_string(c.level));
        Reset(kFoe);
        f.level[kFoe] = static_cast<std::uint8_t>(c.level);
        f.counter(kFoe, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.accessory[kFoe] = c.accessory;
        Use("生老", c.r);
        EXPECT_EQ(Box(kFoe), c.box);
        EXPECT_EQ(f.level[kFoe], c.levelAfter);
        EXPECT_EQ(f.counter(kFoe, kAgeingCounter), c.ageing);
        EXPECT_EQ(game.form.HP[kFoe].text, c.hp);
    }
    EXPECT_EQ(t.platform.sounds.back(), 190);
}

// Five draws of 0-7 pick among counters 18-25: madness, oil twice, sleep and confusion here. Oil,
// confusion and ageing only ever read 0 or 1 afterwards.
TEST_F(CurseTest, SicknessHeapsAfflictionsAndCondemnsASleeperUnderTheProposition) {
    f.counter(kFoe, kConfusionCounter) = 2;
    f.counter(kFoe, kPropositionCounter) = 34;
    Use("生老", 10, {0, 4, 4, 5, 6}, 8);
    EXPECT_EQ(f.counter(kFoe, kMadnessCounter), 3);
    EXPECT_EQ(f.counter(kFoe, kOilCounter), 1);
    EXPECT_EQ(f.counter(kFoe, kSleepCounter), 3);
    EXPECT_EQ(f.counter(kFoe, kConfusionCounter), 1);
    EXPECT_EQ(f.counter(kFoe, kAgeingCounter), 0);
    EXPECT_EQ(f.counter(kFoe, kPropositionCounter), 10);
    EXPECT_TRUE(game.form.StPic[kFoe].visible);
    EXPECT_EQ(Box(kFoe), "「病」！\r\n数々の病魔に襲われた。\r\n");
}

TEST_F(CurseTest, SicknessLetsAPartlyGuardedSleeperWakeAndKeepItsProposition) {
    f.counter(kFoe, kStatusGuardCounter) = 1;
    f.counter(kFoe, kPropositionCounter) = 34;
    Use("生老", 13, {5, 5, 5, 5, 5}, 8);
    EXPECT_EQ(f.counter(kFoe, kSleepCounter), 0);
    EXPECT_EQ(f.counter(kFoe, kPropositionCounter), 34);
}

// --- Spiriting away -----------------------------------------------------------------------------

TEST_F(CurseTest, SpiritingAwayEmptiesTheTargetsSlotWithoutStoppingTheBattle) {
    game.phase = 9;
    f.counter(kFoe, kPoisonCounter) = 4;
    f.timeGauge[kFoe] = 700;
    f.filePath[kFoe] = "foe.png";
    game.form.Chara[kFoe].caption = "foe";
    const SlotIndex target = Use("神隠", 5);
    EXPECT_EQ(target, kFoe);
    EXPECT_EQ(Box(kFoe), "消滅した…\r\n");
    EXPECT_FALSE(game.form.ViewUnder[kFoe].visible);
    EXPECT_EQ(game.form.ViewFrame[kFoe].borderStyle, 1);
    EXPECT_FALSE(game.form.HP[kFoe].visible);
    EXPECT_FALSE(game.form.TGage[kFoe].visible);
    EXPECT_EQ(f.counter(kFoe, kPoisonCounter), 0);
    EXPECT_EQ(f.timeGauge[kFoe], 0);
    EXPECT_EQ(f.filePath[kFoe], "");
    EXPECT_EQ(game.form.Chara[kFoe].caption, "");
    EXPECT_FALSE(game.form.menus.find("mnuClose", MenuIndexOfSlot(kFoe))->enabled);
    EXPECT_EQ(game.phase, 9);
    EXPECT_EQ(game.form.ReadyGo.caption, "戦闘開始！");
    EXPECT_EQ(t.platform.sounds.back(), 15);
}

TEST_F(CurseTest, SpiritingAwayMissesOnAMiddleRollOrAProtectedTargetAndBackfiresOnAHighOne) {
    struct Case {
        int r;
        int level;
        const char* accessory;
        SlotIndex target;
    };
    const std::vector<Case> cases{
        {6, 5, "", kFoe},
        {12, 5, "", kFoe},
        {0, 10, "", kFoe},
        {0, 5, "お守り", kFoe},
        {0, 5, "アリスのハンカチ", kFoe},
        {13, 5, "", kActor}, // the actor's own box shows the miss
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r=" + std::to_string(c.r));
        Reset(kFoe);
        Reset(kActor);
        f.level[kFoe] = static_cast<std::uint8_t>(c.level);
        f.accessory[kFoe] = c.accessory;
        EXPECT_EQ(Use("神隠", c.r), c.target);
        EXPECT_EQ(Box(c.target), "ミス！\r\n");
        EXPECT_TRUE(game.form.ViewUnder[kFoe].visible);
        EXPECT_TRUE(game.form.ViewUnder[kActor].visible);
    }
}

// A side whose other members a technique had hidden gets them back when one of it leaves; a
// fallen member (single border) stays hidden.
TEST_F(CurseTest, WithdrawalBringsHiddenMembersBack) {
    game.separatedMember[1] = 0;
    game.form.ViewUnder[kSecondFoe].visible = false;
    game.form.ViewUnder[kGreyFoe].visible = false;
    game.form.ViewFrame[kGreyFoe].borderStyle = 1;
    game.form.Exi.visible = true;
    WithdrawDuringAction(game, kFoe);
    EXPECT_TRUE(game.form.ViewUnder[kSecondFoe].visible);
    EXPECT_FALSE(game.form.ViewUnder[kGreyFoe].visible);
    EXPECT_EQ(game.separatedMember[1], 3);
    EXPECT_EQ(Box(kFoe), "退場！");
}

// --- The killing techniques ---------------------------------------------------------------------

// Spirit 40 against 60: a roll of 1 wins (62.4), a roll of 2 loses (58.4). The grey-marked slot
// is left alone and draws no roll.
TEST_F(CurseTest, StrangleTriesEachWhiteMarkedFighterOnItsOwnRoll) {
    f.spirit[kFoe] = f.spirit[kSecondFoe] = f.spirit[kGreyFoe] = 60;
    Use("死の", 15, {1, 2});
    EXPECT_EQ(game.form.HP[kFoe].text, "0");
    EXPECT_EQ(Box(kFoe), "息の根を止めた。\r\n");
    EXPECT_EQ(game.form.HP[kSecondFoe].text, "1000");
    EXPECT_EQ(Box(kSecondFoe), "ミス！\r\n");
    EXPECT_EQ(Box(kGreyFoe), "");
    EXPECT_EQ(t.platform.sounds.back(), 191);
}

TEST_F(CurseTest, StrangleNeverKillsTheProtected) {
    f.level[kFoe] = 10;
    f.accessory[kSecondFoe] = "お守り";
    Use("死の", 0, {0, 0});
    EXPECT_EQ(Box(kFoe), "ミス！\r\n");
    EXPECT_EQ(Box(kSecondFoe), "ミス！\r\n");
    EXPECT_EQ(game.form.HP[kFoe].text, "1000");
    EXPECT_EQ(game.form.HP[kSecondFoe].text, "1000");
}

TEST_F(CurseTest, BurialKillsOnALowRollAndBuriesAliveOtherwise) {
    struct Case {
        int r;
        int guard;
        int level;
        const char* accessory;
        int sleepBefore;
        const char* hp;
        int sleepAfter;
        const char* box;
    };
    const std::vector<Case> cases{
        {4, 0, 5, "", 0, "0", 0, "息の根を止めた。\r\n"},
        {10, 0, 5, "", 0, "0", 0, "息の根を止めた。\r\n"},
        {11, 0, 5, "", 0, "1000", 5, "眠りに落ちた。\r\n"},
        {11, 1, 5, "", 0, "1000", 0, "ミス！\r\n"}, // a guarded target is not buried alive
        {4, 0, 10, "", 0, "1000", 0, "ミス！\r\n"},
        {4, 0, 5, "お守り", 0, "1000", 0, "ミス！\r\n"},
        {4, 2, 5, "アリスのハンカチ", 0, "1000", 5, "眠りに落ちた。\r\n"},
        {15, 0, 5, "", 2, "1000", 2, "眠っている…\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r=" + std::to_string(c.r) + " guard=" + std::to_string(c.guard));
        Reset(kFoe);
        f.counter(kFoe, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.level[kFoe] = static_cast<std::uint8_t>(c.level);
        f.accessory[kFoe] = c.accessory;
        f.counter(kFoe, kSleepCounter) = static_cast<std::uint8_t>(c.sleepBefore);
        Use("土葬", c.r);
        EXPECT_EQ(game.form.HP[kFoe].text, c.hp);
        EXPECT_EQ(f.counter(kFoe, kSleepCounter), c.sleepAfter);
        EXPECT_EQ(Box(kFoe), c.box);
    }
}

TEST_F(CurseTest, BurialAliveCondemnsASleeperUnderTheProposition) {
    f.counter(kFoe, kPropositionCounter) = 32;
    Use("土葬", 12);
    EXPECT_EQ(f.counter(kFoe, kPropositionCounter), 10);
    EXPECT_TRUE(game.form.StPic[kFoe].visible);
}

} // namespace
} // namespace vk2
