#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/clock.h"
#include "battle/counters.h"
#include "play/manual_input.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Answers the music device's status query and plays the active or inactive window.
class ClockPlatform : public test::RecordingPlatform {
  public:
    std::string musicAnswer;
    bool active = true;

    std::string musicCommand(const std::string& command) override {
        RecordingPlatform::musicCommand(command);
        return musicAnswer;
    }
    bool isOwnWindowActive() override { return active; }
};

// A running battle with an empty field; Enter puts fighters on it.
class ClockTest : public ::testing::Test {
  protected:
    ClockTest() { ClearField(); }

    void ClearField() {
        for (Frame& picture : game.form.ViewUnder) picture.visible = false;
        f.timeGauge.fill(0);
        game.phase = kPhaseClockRuns;
    }

    void Enter(SlotIndex s, int speed, int gauge = 0, int tension = 0) {
        const auto i = static_cast<std::size_t>(s);
        game.form.ViewUnder[i].visible = true;
        f.baseSpeed[i] = f.speed[i] = static_cast<std::int16_t>(speed);
        f.baseAttack[i] = f.attack[i] = 100;
        f.baseSpirit[i] = f.spirit[i] = 80;
        f.baseMaxHp[i] = f.maxHp[i] = 300;
        f.baseMaxMp[i] = f.maxMp[i] = 50;
        game.form.HP[i].text = "300";
        game.form.MP[i].text = "50";
        game.form.ViewFrame[i].borderStyle = 0;
        f.timeGauge[i] = static_cast<std::int16_t>(gauge);
        f.tension[i] = static_cast<std::uint8_t>(tension);
        f.weapon[i] = "木の棒";
        game.form.Command[i].clear();
        for (const char* command : {"たたかう", "気合ため", "精神統一", "瞑想", "アイテム使用",
                                    "アイテムをわたす", "後退", "ぼうぎょ"})
            game.form.Command[i].add(command, 0);
    }

    // What the end of an action does to the clock.
    void FinishAction() {
        f.timeGauge[static_cast<std::size_t>(game.phase - kPhaseTurn)] -= kTurnCost;
        game.phase = kPhaseClockRuns;
    }

    std::uint8_t& Counter(SlotIndex s, int k) { return f.counter(s, k); }
    const std::string& Message(SlotIndex s) const {
        return game.form.Message[static_cast<std::size_t>(s)].text;
    }

    ClockPlatform platform;
    ScriptedRandom random;
    Game game{platform, random};
    FighterTable& f = game.f;
};

TEST_F(ClockTest, TheLargestCounterPast1000ActsAndTheLowestSlotBreaksTies) {
    struct Fighter {
        SlotIndex slot;
        int gauge;
        bool onField = true;
    };
    struct Case {
        const char* name;
        std::vector<Fighter> fighters;
        int phase;
    };
    const std::vector<Case> cases = {
        {"largest first", {{4, 1020}, {1, 1050}}, kPhaseTurn + 1},
        {"equal counters", {{5, 1001}, {2, 1001}}, kPhaseTurn + 2},
        {"1000 is not past", {{0, 995}, {3, 990}}, kPhaseTurn + 0},
        {"a larger counter off the field holds everyone back",
         {{0, 1500, false}, {3, 1100}},
         kPhaseClockRuns},
    };
    for (const Case& c : cases) {
        ClearField();
        for (const Fighter& fighter : c.fighters) {
            Enter(fighter.slot, 0, fighter.gauge);
            game.form.ViewUnder[static_cast<std::size_t>(fighter.slot)].visible = fighter.onField;
        }
        BattleClockTick(game);
        EXPECT_EQ(game.phase, c.phase) << c.name;
    }
}

TEST_F(ClockTest, TimePassesInJumpsAndTensionAddsHalfToEveryStep) {
    Enter(0, 100, 0, 50);
    Enter(3, 60, 0, 50);
    struct Turn {
        int phase;
        int gauge0;
        int gauge3;
    };
    for (const Turn& turn : {Turn{kPhaseTurn + 0, 1080, 760}, Turn{kPhaseTurn + 3, 485, 1045},
                             Turn{kPhaseTurn + 0, 1025, 425}}) {
        BattleClockTick(game);
        EXPECT_EQ(game.phase, turn.phase);
        EXPECT_EQ(f.timeGauge[0], turn.gauge0);
        EXPECT_EQ(f.timeGauge[3], turn.gauge3);
        FinishAction();
    }
}

TEST_F(ClockTest, PassesRepeatUntilACounterPasses1000In16BitArithmetic) {
    struct Case {
        int speed;
        int tension;
        std::uint8_t step;
        int start;
        int end;
    };
    for (const Case& c : {
             Case{0, 51, 5, 961, 1001},     // 25 + 10 + 5 per pass
             Case{0, 51, 5, 960, 1040},     // reaching 1000 is not enough
             Case{32000, 0, 0, 900, 31394}, // 32910 wraps to -32626, then -616, then 31394
         }) {
        game.phase = kPhaseClockRuns;
        Enter(0, c.speed, c.start, c.tension);
        Counter(0, kStepCounter) = c.step;
        BattleClockTick(game);
        EXPECT_EQ(f.timeGauge[0], c.end) << c.start;
        EXPECT_EQ(game.phase, kPhaseTurn + 0);
    }
}

TEST_F(ClockTest, OnlyTheWindowWidePartsRunWithoutABattle) {
    game.phase = kPhaseNoBattle;
    Enter(0, 50, 990);
    platform.active = false;
    Counter(0, kMadnessCounter) = 1;
    Counter(0, kSleepCounter) = 1;
    f.statusIconIndex[0] = 3;
    game.form.StPic[1].visible = false;

    BattleClockTick(game);

    EXPECT_EQ(game.form.caption, "Vellumark2 ");
    EXPECT_EQ(game.form.StPic[0].picture, 3);
    EXPECT_EQ(f.statusIconIndex[0], 8);
    EXPECT_EQ(game.form.StPic[1].picture, -1);
    EXPECT_EQ(f.timeGauge[0], 990);
    EXPECT_EQ(game.phase, kPhaseNoBattle);

    platform.active = true;
    BattleClockTick(game);
    EXPECT_EQ(game.form.caption, "Vellumark2");
}

TEST_F(ClockTest, StoppedMusicStartsAgain) {
    struct Case {
        std::uint8_t playing;
        const char* answer;
        std::vector<std::string> commands;
    };
    for (const Case& c : {
             Case{1, "stopped", {"Status bgm mode", "play bgm from 0"}},
             Case{1, "playing", {"Status bgm mode"}},
             Case{0, "stopped", {}},
         }) {
        platform.musicCommands.clear();
        game.musicPlaying = c.playing;
        platform.musicAnswer = c.answer;
        game.phase = kPhaseNoBattle;
        BattleClockTick(game);
        EXPECT_EQ(platform.musicCommands, c.commands) << int{c.playing} << ' ' << c.answer;
    }
}

TEST_F(ClockTest, TurnStartCountsDownTimedEffects) {
    struct Case {
        int k;
        std::uint8_t start;
        std::uint8_t left;
        const char* message;
    };
    for (const Case& c : {
             Case{kMadnessCounter, 100, 100, ""},
             Case{kMadnessCounter, 5, 4, ""},
             Case{kMadnessCounter, 1, 0, "理性を取り戻した。\r\n"},
             Case{kHiddenCounter, 1, 0, "姿を現した。\r\n"},
             Case{kElectrifiedCounter, 1, 0, "帯電の効力が切れた。\r\n"},
             Case{kBlindnessCounter, 1, 0, "視界を取り戻した。\r\n"},
             Case{kSleepCounter, 1, 0, "目を覚ました。\r\n"},
             Case{kPropositionCounter, 23, 22, ""},
             Case{kHolyVoidCounter, 10, 9, ""},
             Case{kHolyVoidCounter, 1, 0, "ホーリーヴォイドの\r\n効力が切れた。\r\n"},
             Case{kStatLockCounter, 32, 31, ""},
             Case{kStatLockCounter, 31, 0, "クラムボンの\r\n効力が切れた。\r\n"},
             Case{kStatLockCounter, 30, 30, ""},
             Case{kWetCounter, 7, 0, ""},
             Case{kPoisonCounter, 5, 5, ""},
             Case{kMirrorCounter, 1, 0, "鏡の効力が切れた。\r\n"},
         }) {
        Enter(2, 50, 1100);
        f.statusCounters.fill(0);
        game.form.Message[2].text.clear();
        Counter(2, c.k) = c.start;

        EXPECT_FALSE(StartOfTurnUpkeep(game, 2)) << c.k << '=' << int{c.start};
        EXPECT_EQ(Counter(2, c.k), c.left) << c.k << '=' << int{c.start};
        EXPECT_EQ(Message(2), c.message) << c.k << '=' << int{c.start};
    }
}

TEST_F(ClockTest, ParalysisAndSleepSkipTurnsUntilTheyEnd) {
    struct Case {
        int k;
        std::uint8_t start;
        const char* skipLine;
        const char* endLine;
    };
    for (const Case& c : {
             Case{kParalysisCounter, 2, "身体が動かない…\r\n", ""},
             Case{kParalysisCounter, 3, "身体が動かない…\r\n", "麻痺が解けた。\r\n"},
             Case{kSleepCounter, 2, "眠っている…\r\n", ""},
             Case{kSleepCounter, 3, "眠っている…\r\n", "目を覚ました。\r\n"},
         }) {
        Enter(1, 50, 1100);
        platform.pauses.clear();
        game.form.Message[1].text.clear();
        Counter(1, c.k) = c.start;

        EXPECT_TRUE(StartOfTurnUpkeep(game, 1)) << c.k << '=' << int{c.start};
        EXPECT_EQ(Message(1), c.skipLine);
        EXPECT_EQ(f.timeGauge[1], 100);
        EXPECT_EQ(platform.pauses, std::vector<int>{400});
        EXPECT_EQ(Counter(1, c.k), c.start - 2);

        game.form.Message[1].text.clear();
        EXPECT_FALSE(StartOfTurnUpkeep(game, 1)) << c.k << '=' << int{c.start};
        EXPECT_EQ(Message(1), c.endLine);
        EXPECT_EQ(Counter(1, c.k), 0);
    }
}

TEST_F(ClockTest, ASkippedTurnPassesTheTickToTheNextCandidate) {
    Enter(0, 0, 1100);
    Enter(3, 0, 1050);
    Counter(0, kSleepCounter) = 5;

    BattleClockTick(game);

    EXPECT_EQ(game.phase, kPhaseTurn + 3);
    EXPECT_EQ(f.timeGauge[0], 110);
    EXPECT_EQ(Counter(0, kSleepCounter), 3);
}

TEST_F(ClockTest, ChargeAndConcentrationHoldForExactlyOneTurn) {
    struct Case {
        int entry;
        int k;
        std::uint8_t amount;
        const PerSlot<std::int16_t> FighterTable::*ability;
        int boosted;
        int plain;
    };
    for (const Case& c : {
             Case{1, kChargeCounter, 10, &FighterTable::attack, 100 + 10 * 14, 100},
             Case{2, kConcentrationCounter, 8, &FighterTable::spirit, 80 + 8 * 15, 80},
         }) {
        Enter(4, 50);
        game.form.Command[4].selected = c.entry;
        StartOfTurnUpkeep(game, 4);
        EXPECT_EQ(Counter(4, c.k), c.amount);
        EXPECT_EQ((f.*c.ability)[4], c.boosted);

        StartOfTurnUpkeep(game, 4); // chosen again: renewed from the plain value
        EXPECT_EQ(Counter(4, c.k), c.amount);
        EXPECT_EQ((f.*c.ability)[4], c.boosted);

        game.form.Command[4].selected = 0;
        StartOfTurnUpkeep(game, 4);
        EXPECT_EQ(Counter(4, c.k), 0);
        EXPECT_EQ((f.*c.ability)[4], c.plain);
        EXPECT_EQ(f.attackMod[4], 0);
        EXPECT_EQ(f.spiritMod[4], 0);
    }
}

TEST_F(ClockTest, MeditationRestoresMpUpToTheMaximum) {
    Enter(4, 50);
    game.form.Command[4].selected = 3;
    for (const auto& [before, after] : {std::pair{"10", "22"}, std::pair{"45", "50"}}) {
        game.form.MP[4].text = before;
        StartOfTurnUpkeep(game, 4);
        EXPECT_EQ(game.form.MP[4].text, after) << before;
    }
}

TEST_F(ClockTest, TheFieldEffectRunsOutAtTurnStarts) {
    constexpr Colour kDarkness = Rgb(0, 32, 32);
    Enter(0, 50);
    Enter(3, 50);
    game.fieldEffectTurns = 2;
    game.form.backColour = kDarkness;

    StartOfTurnUpkeep(game, 0);
    EXPECT_EQ(game.fieldEffectTurns, 1);
    EXPECT_EQ(game.form.backColour, kDarkness);

    StartOfTurnUpkeep(game, 3);
    EXPECT_EQ(game.fieldEffectTurns, 0);
    EXPECT_EQ(game.form.backColour, kButtonFace);
}

TEST_F(ClockTest, TheActingFighterGetsItsPanelBack) {
    Enter(4, 0, 1001);
    Enter(0, 0);
    game.form.Chara[4].visible = false;
    game.form.Chara[4].rect.left = 500;
    f.position[4] = 2;
    game.form.WinCh[4].caption = "ｺﾏﾝﾄﾞ選択";
    game.form.Command[4].visible = false;
    Counter(4, kTimeBombCounter) = 3;
    game.form.StPic[4].visible = false;
    game.actionCode = 7;

    BattleClockTick(game);

    EXPECT_EQ(game.phase, kPhaseTurn + 4);
    EXPECT_EQ(game.actionCode, 255);
    EXPECT_TRUE(game.form.Chara[4].visible);
    EXPECT_EQ(game.form.Message[4].rect.left, 500 - 184);
    EXPECT_EQ(f.messageOffset[4], 1);
    EXPECT_TRUE(game.form.StPic[4].visible);
    EXPECT_EQ(game.form.WinCh[4].caption, "ｽﾃｰﾀｽ参照");
    EXPECT_TRUE(game.form.Command[4].visible);
    EXPECT_EQ(game.form.focus, (Focus{FocusControl::Command, 4}));
}

TEST_F(ClockTest, AMadFighterIsMadeToUseItsBasicAttack) {
    Enter(2, 0, 1001);
    Enter(3, 0);
    Counter(2, kMadnessCounter) = 100;
    game.form.Command[2].selected = 5;
    // The mad fighter strikes a random fighter at once: the choice of target and the blow roll.
    for (int i = 0; i < 20; ++i) random.push(0.5f);

    BattleClockTick(game);

    EXPECT_EQ(game.form.Command[2].selected, 0);
    EXPECT_LT(game.phase, kPhaseTurn) << "the blow was carried out and the turn passed";
}

TEST_F(ClockTest, AnOrderToHandOverNothingIsBroken) {
    struct Case {
        const char* name;
        const char* weapon;
        int receiverItems;
    };
    for (const Case& c :
         {Case{"bare hands, no accessory", "素手", 0}, Case{"receiver's list full", "木の棒", 10}}) {
        Enter(1, 0, 1001);
        f.weapon[1] = c.weapon;
        game.form.Item[3].clear();
        for (int i = 0; i < c.receiverItems; ++i) game.form.Item[3].add("薬草", 0);
        Counter(1, kBondCounter) = 2 + 3;
        platform.pauses.clear();
        game.phase = kPhaseClockRuns;

        BattleClockTick(game);

        EXPECT_EQ(Counter(1, kBondCounter), 0) << c.name;
        EXPECT_EQ(Message(1), "捧げることができません…\r\n洗脳が解けた。\r\n") << c.name;
        EXPECT_FALSE(game.form.Message[1].visible) << c.name;
        EXPECT_FALSE(game.form.Chara[1].visible) << c.name;
        EXPECT_EQ(platform.pauses, std::vector<int>{800}) << c.name;
        EXPECT_EQ(game.phase, kPhaseClockRuns) << c.name;
    }
}

TEST_F(ClockTest, AnOrderToHandOverGivesTheAccessoryBeforeTheWeapon) {
    struct Case {
        const char* accessory;
        const char* handed; // the entry that leaves the giver's bag
        const char* kept;   // the equipment that stays
    };
    for (const Case& c : {Case{"銀の指輪", "★銀の指輪", "◆木の棒"}, Case{"", "◆木の棒", "★銀の指輪"}}) {
        Enter(1, 0, 1001);
        Enter(3, 0);
        f.accessory[1] = c.accessory;
        game.form.Item[1].clear();
        game.form.Item[1].add("薬草", 0);
        game.form.Item[1].add("◆木の棒", 10);
        game.form.Item[1].add("★銀の指輪", 3);
        game.form.Item[3].clear();
        Counter(1, kBondCounter) = 2 + 3;
        game.phase = kPhaseClockRuns;
        // The hand-over is clicked at once and carried out with its rolls.
        for (int i = 0; i < 20; ++i) random.push(0.5f);

        BattleClockTick(game);

        EXPECT_LT(game.phase, kPhaseTurn) << c.accessory;
        EXPECT_EQ(game.targetSlot, 3) << c.accessory;
        EXPECT_EQ(game.form.Item[1].find(c.handed), -1) << c.accessory;
        EXPECT_GE(game.form.Item[1].find(c.kept), 0) << c.accessory;
        EXPECT_EQ(game.form.Item[3].count(), 1) << c.accessory;
    }
}

// An automatic fighter ordered to hand its equipment to a fighter that is no longer on the field
// cannot make the click; nobody waits at the screen for it, so the automatic player takes the turn.
TEST_F(ClockTest, AnAutomaticFighterWhoseOrderCannotBeCarriedOutIsPlayedAutomatically) {
    Enter(1, 0, 1001);
    Enter(3, 0);
    ToggleMode(game, 1); // "Auto"
    game.form.Item[1].clear();
    game.form.Item[1].add("◆木の棒", 10);
    Counter(1, kBondCounter) = 2 + 4; // to slot 4, which stands empty
    game.phase = kPhaseClockRuns;
    for (int i = 0; i < 40; ++i) random.push(0.5f);

    BattleClockTick(game);

    EXPECT_LT(game.phase, kPhaseTurn) << "the turn was played and passed";
}

TEST_F(ClockTest, StartingABattlePlaysTheChosenMusic) {
    struct Case {
        int checkedItem;
        std::vector<std::string> commands;
        std::uint8_t playing;
    };
    for (const Case& c : {Case{0, {}, 0}, Case{3, {"Play  bgm from 0 notify"}, 1}}) {
        for (int i = 0; i <= 10; ++i) game.form.menus.find("mnuBGM", i)->checked = i == c.checkedItem;
        platform.musicCommands.clear();
        game.musicPlaying = 0;
        game.phase = kPhaseNoBattle;

        StartBattle(game);

        EXPECT_EQ(platform.musicCommands, c.commands) << c.checkedItem;
        EXPECT_EQ(game.musicPlaying, c.playing) << c.checkedItem;
        EXPECT_EQ(game.phase, kPhaseClockRuns);
    }
}

TEST_F(ClockTest, StartingABattleShowsTheTensionBarsOfTheFieldAndKeepsTheCounters) {
    Enter(0, 50, 640, 15);
    Enter(5, 50, 80, 50);
    game.form.ReadyGo.visible = true;
    Counter(0, kMadnessCounter) = 4;
    game.form.Mode[0].rect.left = 100;
    for (TextBox& box : game.form.Message) box.text = "前の戦闘\r\n";
    for (Label& bar : game.form.TGage) bar.visible = false;

    StartBattle(game);

    EXPECT_FALSE(game.form.ReadyGo.visible);
    EXPECT_EQ(Message(0), "理性を取り戻した。\r\n");
    EXPECT_EQ(Message(1), "");
    EXPECT_EQ(game.form.TGage[0].rect.width, 15);
    EXPECT_TRUE(game.form.TGage[0].visible);
    EXPECT_TRUE(game.form.TGage[5].visible);
    EXPECT_FALSE(game.form.TGage[1].visible);
    EXPECT_EQ(f.timeGauge[0], 640);
    EXPECT_EQ(f.tension[5], 50);
}

TEST_F(ClockTest, TheBattleCanStartOnceBothSidesAreOnTheField) {
    struct Case {
        const char* name;
        std::vector<SlotIndex> onField;
        bool ready;
    };
    for (const Case& c : {
             Case{"both sides", {1, 3}, true},
             Case{"left side only", {0, 1}, false},
             Case{"a slot beyond the party size does not count", {2, 4}, false},
         }) {
        ClearField();
        for (const SlotIndex s : c.onField) game.form.ViewUnder[static_cast<std::size_t>(s)].visible = true;
        game.musicPlaying = 1;
        game.form.ATB.enabled = false;
        game.form.menus.findMenu("mnuPause")->caption = "再開";
        platform.musicCommands.clear();

        CheckSidesReady(game, 0);
        CheckSidesReady(game, 1);

        EXPECT_EQ(game.form.ReadyGo.visible, c.ready) << c.name;
        if (c.ready) {
            EXPECT_EQ(platform.musicCommands, std::vector<std::string>{"Stop bgm"}) << c.name;
            EXPECT_EQ(game.musicPlaying, 0) << c.name;
            EXPECT_TRUE(game.form.ATB.enabled) << c.name;
            EXPECT_EQ(game.form.menus.findMenu("mnuPause")->caption, "ポーズ") << c.name;
            EXPECT_EQ(game.form.focus.control, FocusControl::ReadyGo) << c.name;
        } else {
            EXPECT_EQ(game.phase, kPhaseNoBattle) << c.name;
        }
    }
}

} // namespace
} // namespace vk2
