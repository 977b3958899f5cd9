#include <gtest/gtest.h>

#include <string>

#include "battle/action_fixture.h"
#include "battle/boxes.h"
#include "battle/clock.h"
#include "battle/counters.h"
#include "model/growth.h"

namespace vk2 {
namespace {

using test::kEffectRoll;

class AfterActionTest : public test::ActionTest {};

// ---- the actor's own timed effects ----

struct OwnEffect {
    const char* name;
    void (*setUp)(Game&);
    std::int64_t startHp;
    const char* expectedHp;
    const char* line;
};

class OwnEffectTest : public test::ActionTest, public ::testing::WithParamInterface<OwnEffect> {};

TEST_P(OwnEffectTest, ChangesTheActorsHpAfterItsAction) {
    const OwnEffect& c = GetParam();
    game.form.HP[0].text = std::to_string(c.startHp);
    game.form.HP[3].text = "500";
    c.setUp(game);
    Act(0, 0);
    EXPECT_EQ(Hp(0), c.expectedHp);
    EXPECT_TRUE(platform.showed(0, c.line)) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Effects, OwnEffectTest,
    ::testing::Values(
        OwnEffect{"Poison", [](Game& g) { g.f.counter(0, kPoisonCounter) = 1; }, 1000, "950",
                  "毒が回った。\r\n 50 のダメージ！\r\n"},
        OwnEffect{"ReversedPoisonHeals",
                  [](Game& g) {
                      g.f.counter(0, kPoisonCounter) = 1;
                      g.f.counter(0, kReversedHealingCounter) = 1;
                  },
                  500, "550", " 50 HP回復。\r\n"},
        // A box ending with a healing line means the action cured the actor: no tick.
        OwnEffect{"PoisonSparedByACure",
                  [](Game& g) {
                      g.f.counter(0, kPoisonCounter) = 1;
                      g.form.Message[0].text = "毒が治った。\r\nHP回復。\r\n";
                  },
                  1000, "1000", "HP回復。"},
        OwnEffect{"Dash", [](Game& g) { g.f.counter(0, kDashCounter) = 1; }, 1000, "995", "体力消耗。"},
        // The bell rings for 700 (halved by counter 27) and regenerates 5 % of the maximum on top.
        OwnEffect{"BlessingBell", [](Game& g) { g.f.accessory[0] = "祝福の鈴"; }, 100, "850",
                  "天使の祝福。\r\n 700 HP回復。\r\n"},
        OwnEffect{"HalvedBlessingBell",
                  [](Game& g) {
                      g.f.accessory[0] = "祝福の鈴";
                      g.f.counter(0, kHealHalvingCounter) = 1;
                  },
                  100, "500", " 350 HP回復。"},
        OwnEffect{"BloodMark",
                  [](Game& g) {
                      g.f.counter(0, kBloodMarkCounter) = 4; // marked by slot 3
                      g.f.tension[0] = 5;
                  },
                  1000, "950", " 50 HPを奪われた。\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AfterActionTest, BloodMarkFeedsTheMarker) {
    f.counter(0, kBloodMarkCounter) = 4;
    f.tension[0] = 5;
    game.form.HP[3].text = "500";
    Act(0, 0);
    EXPECT_EQ(Hp(3), "550");
    EXPECT_TRUE(platform.showed(3, " 50 HP吸収。\r\n"));
}

TEST_F(AfterActionTest, AgeingWearsTheAbilitiesDown) {
    f.counter(0, kAgeingCounter) = 1;
    f.baseAttack[0] = 100;
    Act(0, 0);
    // spirit 40: maximum HP - 140, the others - 10 - 2
    EXPECT_EQ(f.hpMod[0], -140);
    EXPECT_EQ(f.attackMod[0], -12);
    EXPECT_EQ(f.defenseMod[0], -12);
    EXPECT_EQ(f.speedMod[0], -12);
    EXPECT_EQ(f.maxHp[0], 860);
    EXPECT_EQ(f.attack[0], 88);
    EXPECT_TRUE(platform.showed(0, "老化が進行。"));
}

TEST_F(AfterActionTest, WanderingMadnessMovesToAnotherFighterOnTheField) {
    f.counter(0, kMadnessCounter) = 100;
    Act(0, 0,
        {kEffectRoll, 0.0f /* the actor itself */, 0.2f /* slot 1, off the field */, 0.55f /* slot 3 */});
    EXPECT_EQ(f.counter(0, kMadnessCounter), 0);
    EXPECT_EQ(f.counter(3, kMadnessCounter), 100);
    EXPECT_TRUE(game.form.StPic[3].visible);
    EXPECT_TRUE(platform.showed(3, "狂気が彷徨う…"));
    EXPECT_TRUE(platform.showed(0, "理性を取り戻した。"));
}

TEST_F(AfterActionTest, WanderingMadnessEndsWhenNobodyElseIsOnTheField) {
    game.form.ViewUnder[3].visible = false;
    f.counter(0, kMadnessCounter) = 100;
    Act(0, 0);
    EXPECT_EQ(f.counter(0, kMadnessCounter), 0);
    EXPECT_TRUE(platform.showed(0, "理性を取り戻した。"));
}

TEST_F(AfterActionTest, WatchingAllyLearnsTheCommandUsedOnIt) {
    Enter(1);
    ListBox& learner = game.form.Command[1];
    learner.insert(3, "ラーニング", 0);
    learner.selected = 3;
    Choose(0, "ＺＺ斬り", 12);
    Act(0, 1);
    ASSERT_EQ(learner.count(), 7);
    EXPECT_EQ(learner.entries[2], (ListEntry{"ＺＺ斬り", 12}));
    EXPECT_EQ(learner.entries[static_cast<std::size_t>(learner.selected)].text, "ラーニング");
    EXPECT_EQ(f.learnedCount[1], 1);
    EXPECT_TRUE(platform.showed(1, "「ＺＺ斬り」\r\nをラーニング。\r\n"));
    EXPECT_FALSE(game.form.Cursor[1].visible);
}

// Smoke from the aimed side's oleander strikes and poisons the other side; a full guard keeps the
// poison out.
TEST_F(AfterActionTest, OleanderSmokePoisonsTheOtherSide) {
    Enter(1);
    for (SlotIndex s : {0, 1}) {
        f.baseMaxHp[At(s)] = f.maxHp[At(s)] = 99999;
        game.form.HP[At(s)].text = "99999";
    }
    f.counter(1, kStatusGuardCounter) = 2;
    f.counter(3, kOleanderCounter) = 150;
    Act(0, 3, {kEffectRoll, 0.5f /* the blow on slot 0 */, 0.5f /* on slot 1 */});
    EXPECT_EQ(f.counter(3, kOleanderCounter), 49);
    EXPECT_TRUE(platform.showed(3, "夾竹桃から猛毒の煙発生！"));
    EXPECT_EQ(platform.sounds.front(), 170);
    EXPECT_LT(HpOf(game, 0), 99999);
    EXPECT_EQ(f.counter(0, kPoisonCounter), 1);
    EXPECT_TRUE(platform.showed(0, "毒に冒された。"));
    EXPECT_EQ(f.counter(1, kPoisonCounter), 0);
}

TEST_F(AfterActionTest, BombExplodesForItsHoldersTimeGauge) {
    f.counter(0, kTimeBombCounter) = 1;
    f.timeGauge[0] = 1200;
    Act(0, 3);
    EXPECT_TRUE(platform.showed(0, "爆発！ 9000 のダメージ！"));
    EXPECT_EQ(f.counter(0, kTimeBombCounter), 0);
    // The actor fell: its gauge was reset to 0 and the turn costs nothing more.
    EXPECT_FALSE(OnField(0));
    EXPECT_EQ(f.timeGauge[0], 0);
}

// ---- MP payment, summons and copies ----

struct MpCase {
    const char* name;
    bool exiVisible;
    const char* marker;
    const char* expectedMp;
    const char* markerAfter;
};

class MpPaymentTest : public test::ActionTest, public ::testing::WithParamInterface<MpCase> {};

TEST_P(MpPaymentTest, OnlyTheActorsOwnCommandIsPaidAfterTheAction) {
    const MpCase& c = GetParam();
    game.form.Exi.visible = c.exiVisible;
    game.form.Exi.caption = c.marker;
    game.mpCost = 30;
    Act(0, 3);
    EXPECT_EQ(game.form.MP[0].text, c.expectedMp);
    EXPECT_EQ(game.form.Exi.caption, c.markerAfter);
    EXPECT_TRUE(game.form.Exi.visible);
}

INSTANTIATE_TEST_SUITE_P(Payments, MpPaymentTest,
                         ::testing::Values(MpCase{"OwnCommand", true, "", "70", ""},
                                           MpCase{"CopiedCommand", false, "", "100", ""},
                                           MpCase{"AfterASummon", true, "000", "100", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AfterActionTest, CopiedCommandGivesAnImmediateExtraTurn) {
    game.form.Exi.visible = false;
    Choose(0, "ＺＺ斬り");
    Act(0, 3);
    EXPECT_EQ(f.timeGauge[0], 1500);
    EXPECT_EQ(game.form.Command[0].entries[0].text, "ものまね");
    EXPECT_TRUE(game.form.Exi.visible);
}

TEST_F(AfterActionTest, SummonHandsTheSummonerItsOwnEquipmentBack) {
    Form& form = game.form;
    form.Exi.caption = "1"; // the borrowed item was not used up
    form.Scouting.caption = "ＺＺ杖";
    form.ChartLabel.caption = "ＺＺ指輪";
    form.menus.findMenu("mnuOpens")->enabled = false;
    form.ViewUnder[kPreviewSlot].visible = true;
    form.Item[0].add("借りた鏡", kItemTool);
    form.Item[0].add("ＺＺ石", kItemConsumable);
    f.weapon[0] = "召喚された剣";
    f.attack[0] = 999; // the summoned fighter's, written directly
    f.baseAttack[0] = 60;
    game.mpCost = 30;
    Act(0, 3);
    EXPECT_EQ(f.weapon[0], "ＺＺ杖");
    EXPECT_EQ(f.accessory[0], "ＺＺ指輪");
    EXPECT_EQ(f.attack[0], 60);
    EXPECT_EQ(form.ChartLabel.caption, "チャート");
    EXPECT_EQ(form.Command[0].entries[0], (ListEntry{"召喚", 0}));
    ASSERT_EQ(form.Item[0].count(), 1);
    EXPECT_EQ(form.Item[0].entries[0].text, "ＺＺ石");
    EXPECT_EQ(form.Exi.caption, "000");
    EXPECT_TRUE(form.menus.findMenu("mnuOpens")->enabled);
    EXPECT_FALSE(form.ViewUnder[kPreviewSlot].visible);
    EXPECT_EQ(form.MP[0].text, "100"); // the summon settles its own MP
}

// ---- falls ----

struct Headband {
    const char* name;
    std::int16_t gauge;
    std::uint8_t actorSleep;
    bool holdsOn;
};

class HeadbandTest : public test::ActionTest, public ::testing::WithParamInterface<Headband> {};

TEST_P(HeadbandTest, HoldsItsWearerOnWhenTheGaugeIsLucky) {
    const Headband& c = GetParam();
    f.accessory[3] = "根性はちまき";
    f.timeGauge[3] = c.gauge;
    f.counter(0, kSleepCounter) = c.actorSleep;
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_EQ(OnField(3), c.holdsOn);
    EXPECT_EQ(Hp(3), c.holdsOn ? "1" : "0");
    EXPECT_TRUE(platform.showed(3, c.holdsOn ? "根性で耐えた！\r\n" : "力尽きた…\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Gauges, HeadbandTest,
                         ::testing::Values(Headband{"Mod8Is5", 13, 0, true}, Headband{"Mod8Is7", 15, 0, true},
                                           Headband{"Mod8Is4", 12, 0, false},
                                           Headband{"ActorSleepOfTens", 13, 20, false},
                                           Headband{"ActorSleepNotTens", 13, 3, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AfterActionTest, FallenFighterLeavesTheFieldAndEverythingHeldOnItIsReleased) {
    Enter(1);
    Enter(4);
    f.level[0] = 9;
    f.level[3] = 4;
    f.baseLevel[3] = 2;
    f.attackMod[3] = 40;
    f.attack[3] = 140;
    f.baseAttack[3] = 100;
    f.counter(3, kPoisonCounter) = 3;
    f.counter(0, kBondCounter) = 13;
    f.counter(1, kKarmaCounter) = 13;
    f.counter(4, kBloodMarkCounter) = 4;
    f.counter(4, kKarmaCounter) = 9;
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_FALSE(OnField(3));
    EXPECT_EQ(game.form.ViewFrame[3].borderStyle, 1);
    EXPECT_EQ(game.form.ViewFrame[3].borderColour, kButtonFace);
    EXPECT_EQ(f.level[3], 2);
    EXPECT_EQ(f.attackMod[3], 0);
    EXPECT_EQ(f.attack[3], 100);
    EXPECT_EQ(f.counter(3, kPoisonCounter), 0);
    EXPECT_EQ(f.timeGauge[3], 0);
    EXPECT_EQ(f.counter(0, kBondCounter), 0);
    EXPECT_EQ(f.counter(1, kKarmaCounter), 0);
    EXPECT_EQ(f.counter(4, kBloodMarkCounter), 0);
    EXPECT_EQ(f.counter(4, kKarmaCounter), 9);
    // Slot 4 still stands: the battle goes on and the actor's turn is spent.
    EXPECT_EQ(game.phase, kPhaseClockRuns);
    EXPECT_EQ(f.timeGauge[0], 500);
}

struct LevelUp {
    const char* name;
    int actorLevel;
    int fallenLevel;
    bool levelUpsOff;
    int expectedLevel;
};

class LevelUpTest : public test::ActionTest, public ::testing::WithParamInterface<LevelUp> {};

TEST_P(LevelUpTest, DefeatingAStrongerFighterRaisesTheActorToItsLevel) {
    const LevelUp& c = GetParam();
    Enter(0, c.actorLevel);
    Enter(3, c.fallenLevel);
    Check("mnuNotLvup", c.levelUpsOff);
    f.digitCode[0] = "1234567890123456";
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_EQ(f.level[0], c.expectedLevel);
    EXPECT_EQ(f.baseLevel[0], c.expectedLevel);
    const bool levelled = c.expectedLevel != c.actorLevel;
    EXPECT_EQ(platform.showed(0, "レベルアップ！\r\n"), levelled);
    if (!levelled) return;
    test::TestGame grown;
    grown.game.f.digitCode[0] = f.digitCode[0];
    grown.game.f.level[0] = static_cast<std::uint8_t>(c.fallenLevel);
    ApplyLevel(grown.game, 0);
    EXPECT_EQ(f.baseMaxHp[0], grown.game.f.baseMaxHp[0]);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelUpTest,
                         ::testing::Values(LevelUp{"HigherLevelKill", 2, 5, false, 5},
                                           LevelUp{"SameLevelKill", 5, 5, false, 5},
                                           LevelUp{"LevelUpsSwitchedOff", 2, 5, true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AfterActionTest, LastFallOfASideEndsTheBattle) {
    game.musicPlaying = 1;
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_EQ(game.phase, kPhaseNoBattle);
    EXPECT_EQ(game.sidePresent[1], 0);
    EXPECT_EQ(game.musicPlaying, 0);
    EXPECT_EQ(platform.musicCommands, std::vector<std::string>{"Stop bgm"});
    EXPECT_EQ(game.form.focus.control, FocusControl::LetsClose);
    EXPECT_EQ(game.form.Message[0].text, "");
}

TEST_F(AfterActionTest, TestamentRevivesTheFallen) {
    f.counter(3, kTestamentCounter) = 4;
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_TRUE(OnField(3));
    EXPECT_EQ(game.form.ViewFrame[3].borderStyle, 0);
    EXPECT_EQ(Hp(3), "200");
    EXPECT_EQ(f.counter(3, kTestamentCounter), 0);
    EXPECT_EQ(game.phase, kPhaseClockRuns);
}

// ---- death curses ----

struct Gift {
    const char* name;
    int curse;
    const char* item;
    std::int32_t code;
};

class ReaperGiftTest : public test::ActionTest, public ::testing::WithParamInterface<Gift> {};

TEST_P(ReaperGiftTest, FallenFightersAlliesReceiveTheGift) {
    const Gift& c = GetParam();
    Enter(4);
    f.counter(3, kDeathContractCounter) = static_cast<std::uint8_t>(c.curse);
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_EQ(game.form.Item[4].entries.back(), (ListEntry{c.item, c.code}));
    EXPECT_TRUE(platform.showed(4, std::string(c.item) + "を\r\n死神から与えられた。\r\n"));
    EXPECT_EQ(f.counter(3, kDeathContractCounter), 0);
    EXPECT_TRUE(game.form.Item[0].entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Gifts, ReaperGiftTest,
                         ::testing::Values(Gift{"Wings", 1, "堕天使の羽根", kItemAccessory},
                                           Gift{"Scythe", 2, "デスサイズ", WeaponItemCode(kAxe)},
                                           Gift{"Fruit", 3, "罪の果実", kItemConsumable},
                                           Gift{"Horn", 4, "悪魔の角笛", kItemConsumable}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AfterActionTest, ReaperGiftDoesNotFitAFullBag) {
    Enter(4);
    for (int i = 0; i < 10; ++i) game.form.Item[4].add("ＺＺ石", kItemConsumable);
    f.counter(3, kDeathContractCounter) = 1;
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_EQ(game.form.Item[4].count(), 10);
    EXPECT_TRUE(platform.showed(4, "これ以上持てません。"));
}

TEST_F(AfterActionTest, FallenFighterTakesItsKillerAlongUnlessACharmProtects) {
    for (const char* accessory : {"", "お守り"}) {
        SCOPED_TRACE(accessory);
        Enter(0);
        Enter(3);
        f.accessory[0] = accessory;
        f.counter(3, kDeathContractCounter) = 5;
        game.form.HP[3].text = "0";
        platform.sounds.clear();
        platform.shown.clear();
        Act(0, 3);
        const bool taken = std::string(accessory).empty();
        EXPECT_EQ(OnField(0), !taken);
        EXPECT_EQ(Hp(0), taken ? "0" : "1000");
        EXPECT_EQ(platform.showed(0, "道連れにされた。"), taken);
        EXPECT_EQ(platform.sounds == std::vector<int>{184}, taken);
    }
}

TEST_F(AfterActionTest, ReapersCurseAfflictsTheKillersSide) {
    f.counter(3, kDeathContractCounter) = 6;
    game.form.HP[3].text = "0";
    // Ten draws of counter 18 + Int(u * 8): five madness, five ageing.
    Act(0, 3, {kEffectRoll, 0.0f, 0.99f, 0.0f, 0.99f, 0.0f, 0.99f, 0.0f, 0.99f, 0.0f, 0.99f});
    EXPECT_EQ(f.counter(0, kMadnessCounter), 15);
    EXPECT_EQ(f.counter(0, kAgeingCounter), 15);
    EXPECT_TRUE(game.form.StPic[0].visible);
    EXPECT_TRUE(platform.showed(0, "死神の呪いを受けた。"));
}

TEST_F(AfterActionTest, DarknessFallsOnEveryoneButTheKiller) {
    Enter(1);
    Enter(4);
    f.counter(1, kStatusGuardCounter) = 2;
    f.counter(3, kDeathContractCounter) = 7;
    game.form.HP[3].text = "0";
    Act(0, 3);
    EXPECT_EQ(game.form.backColour, Rgb(0, 32, 32));
    EXPECT_EQ(game.fieldEffectTurns, 20);
    EXPECT_EQ(Hp(0), "1000");
    EXPECT_EQ(Hp(1), "113"); // 1000 mod 444 + 1
    EXPECT_EQ(Hp(4), "113");
    EXPECT_EQ(f.counter(4, kBlindnessCounter), 5);
    EXPECT_EQ(f.counter(1, kBlindnessCounter), 0); // guarded
    EXPECT_TRUE(platform.showed(4, "闇が降りてきた。"));
}

// ---- booty ----

struct Booty {
    const char* name;
    bool ruleOn;
    int bagSize;
    bool taken;
};

class BootyTest : public test::ActionTest, public ::testing::WithParamInterface<Booty> {};

TEST_P(BootyTest, ActorTakesOneItemFromAFallenEnemy) {
    const Booty& c = GetParam();
    Check("mnuBooty", c.ruleOn);
    for (int i = 0; i < c.bagSize; ++i) game.form.Item[0].add("ＺＺ石", kItemConsumable);
    f.weapon[3] = "ＺＺ刀";
    game.form.Item[3].add("◆ＺＺ刀", WeaponItemCode(kSword));
    game.form.Item[3].add("ＺＺ薬", kItemConsumable);
    game.form.HP[3].text = "0";
    if (c.taken)
        Act(0, 3, {kEffectRoll, 0.0f /* slot 3 */, 0.0f /* its first entry */});
    else
        Act(0, 3);
    EXPECT_EQ(game.form.Item[3].count(), c.taken ? 1 : 2);
    EXPECT_EQ(game.form.Item[0].count(), c.bagSize + (c.taken ? 1 : 0));
    if (!c.taken) return;
    EXPECT_EQ(game.form.Item[0].entries.back(), (ListEntry{"ＺＺ刀", WeaponItemCode(kSword)}));
    EXPECT_EQ(f.weapon[3], kBareHands);
    EXPECT_TRUE(platform.showed(0, "戦利品\r\n\r\nＺＺ刀"));
    EXPECT_FALSE(game.form.Message[3].visible);
}

INSTANTIATE_TEST_SUITE_P(Rules, BootyTest,
                         ::testing::Values(Booty{"RuleOn", true, 0, true}, Booty{"RuleOff", false, 0, false},
                                           Booty{"BagFull", true, 10, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vk2
