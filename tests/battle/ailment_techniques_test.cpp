#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/counters.h"
#include "battle/techniques/execute_technique.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 uses the technique on slot 3. Slots 3 and 4 carry white marks, slot 5 a grey one.
// Everyone has spirit 40, 1000 of 1000 HP and tension 50.
constexpr SlotIndex kActor = 0;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kSecondFoe = 4;
constexpr SlotIndex kGreyFoe = 5;

class AilmentTest : public ::testing::Test {
  protected:
    AilmentTest() {
        game.partySize = {1, 3};
        for (SlotIndex s : {kActor, kFoe, kSecondFoe, kGreyFoe}) {
            f.level[s] = 5;
            f.baseMaxHp[s] = f.maxHp[s] = 1000;
            f.baseSpirit[s] = f.spirit[s] = 40;
            f.baseSpeed[s] = f.speed[s] = 100;
            f.tension[s] = 50;
            f.affinity[s].fill(kNormal);
            game.form.HP[s].text = "1000";
            game.form.Cursor[s].visible = false;
        }
        test::PutOnField(game, {kActor, kFoe, kSecondFoe, kGreyFoe});
        Mark(kFoe, kWhite);
        Mark(kSecondFoe, kWhite);
        Mark(kGreyFoe, Rgb(96, 96, 96));
        // "オー" is the aurora only while it is the chosen command, not the charged staff's sweep.
        game.form.Command[kActor].add("オーロラ", 0);
        game.form.Command[kActor].selected = 0;
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    void Mark(SlotIndex s, Colour colour) {
        game.form.Cursor[s].visible = true;
        game.form.Cursor[s].foreColour = colour;
    }

    void Roll(int r) { t.random.push(static_cast<float>(r) / 16.0f); }

    // The technique's own roll r first, then the further rolls it draws.
    void Use(const std::string& command, int r, std::vector<int> more = {}, SlotIndex target = kFoe) {
        Roll(r);
        for (int roll : more) Roll(roll);
        std::string key = command;
        ExecuteTechnique(game, kActor, target, key);
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    std::uint8_t Counter(SlotIndex s, int k) const { return f.counter(s, k); }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// --- Sleep --------------------------------------------------------------------------------------

// With spirit 40 against 150 the lullaby takes on r = 0 (156 > 150) and fails on r = 1 (144). A
// sleeper-to-be falls for Int(40 × 0.06) + 3 = 5 turns.
TEST_F(AilmentTest, SleepTakesUnlessResistedGuardedOrAlreadyAsleep) {
    struct Case {
        const char* key;
        int r;
        int guard;
        const char* accessory;
        int sleepBefore;
        int sleepAfter;
        const char* box;
    };
    const std::vector<Case> cases{
        {"こも", 0, 0, "", 0, 5, "眠りに落ちた。\r\n"},
        {"こも", 1, 0, "", 0, 0, "眠らなかった。\r\n"},
        {"こも", 0, 1, "", 0, 0, "眠らなかった。\r\n"},
        {"こも", 0, 0, "", 4, 4, "眠っている…\r\n"},
        {"コー", 0, 0, "", 0, 5, "眠りに落ちた。\r\n"},
        {"催眠", 1, 0, "", 0, 0, "眠らなかった。\r\n"},
        {"クロ", 15, 0, "", 0, 5, "眠りに落ちた。\r\n"}, // no contest for the chloroform
        {"クロ", 0, 1, "", 0, 0, "眠らなかった。\r\n"},
        {"こも", 15, 2, "アリスのハンカチ", 0, 5, "眠りに落ちた。\r\n"}, // the handkerchief invites sleep
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " r=" + std::to_string(c.r) + " guard=" + std::to_string(c.guard));
        game.form.Message[kFoe].text.clear();
        f.spirit[kFoe] = 150;
        f.tension[kFoe] = 50;
        f.counter(kFoe, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.counter(kFoe, kSleepCounter) = static_cast<std::uint8_t>(c.sleepBefore);
        f.accessory[kFoe] = c.accessory;
        Use(c.key, c.r);
        EXPECT_EQ(Counter(kFoe, kSleepCounter), c.sleepAfter);
        EXPECT_EQ(Box(kFoe), c.box);
        EXPECT_EQ(f.tension[kFoe], c.sleepAfter != c.sleepBefore ? 43 : 50);
    }
}

TEST_F(AilmentTest, FallingAsleepAgainstThePropositionKills) {
    f.counter(kFoe, kPropositionCounter) = 35;
    Use("こも", 0);
    EXPECT_EQ(Box(kFoe), "眠りに落ちた。\r\n天の命題に背いた！\r\n");
    EXPECT_EQ(game.form.HP[kFoe].text, "0");
    EXPECT_EQ(t.platform.pauses.back(), 400);
}

// The pendulum sings every white-marked member of the side to sleep, each on a roll of its own.
TEST_F(AilmentTest, PendulumPutsEachWhiteMarkedMemberToSleepOnItsOwnRoll) {
    f.spirit[kFoe] = f.spirit[kSecondFoe] = 150;
    Use("レム", 15, {0, 1});
    EXPECT_EQ(Counter(kFoe, kSleepCounter), 5);
    EXPECT_EQ(Box(kFoe), "眠りに落ちた。\r\n");
    EXPECT_EQ(Counter(kSecondFoe, kSleepCounter), 0);
    EXPECT_EQ(Box(kSecondFoe), "眠らなかった。\r\n");
    EXPECT_EQ(Box(kGreyFoe), "");
    EXPECT_EQ(t.platform.sounds, std::vector<int>{11});
}

// --- Sweeps -------------------------------------------------------------------------------------

// Each sweep rolls once per slot 0-5 (except the smoke, which needs no roll); the white-marked
// slot is struck, the guarded one answers "ミス！", the grey-marked one is passed over.
TEST_F(AilmentTest, SweepsStrikeEveryWhiteMarkedSlotAndMissTheGuarded) {
    struct Case {
        const char* key;
        bool rolls;
        int counter;
        int value;
        const char* box;
    };
    const std::vector<Case> cases{
        {"フラ", true, kBlindnessCounter, 4, "視界を奪われた。\r\n"},
        {"けむ", false, kBlindnessCounter, 4, "視界を奪われた。\r\n"},
        {"ふら", true, kBlindnessCounter, 4, "砂が目に入った！\r\n"},
        {"スパ", true, kParalysisCounter, 4, "身体が麻痺した。\r\n"},
        {"しび", true, kParalysisCounter, 4, "身体が麻痺した。\r\n"},
        {"ポイ", true, kPoisonCounter, 1, "毒に冒された。\r\n"},
        {"ドッ", true, kAgeingCounter, 1, "急速に老化が始まる…\r\n"},
        {"エア", true, kSpeedMarkCounter, 2, "すばやさ 36 ダウン。\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        for (SlotIndex s : {kFoe, kSecondFoe, kGreyFoe}) {
            game.form.Message[s].text.clear();
            f.counter(s, c.counter) = 0;
        }
        f.counter(kFoe, kStatusGuardCounter) = 1;
        f.counter(kSecondFoe, kStatusGuardCounter) = 2;
        Use(c.key, 0, c.rolls ? std::vector<int>(6, 0) : std::vector<int>{});
        EXPECT_EQ(Counter(kFoe, c.counter), c.value);
        EXPECT_EQ(Box(kFoe), c.box);
        EXPECT_EQ(Counter(kSecondFoe, c.counter), 0);
        EXPECT_EQ(Box(kSecondFoe), "ミス！\r\n");
        EXPECT_EQ(Counter(kGreyFoe, c.counter), 0);
        EXPECT_EQ(Box(kGreyFoe), "");
    }
}

TEST_F(AilmentTest, SweepRollsAfreshForEachSlot) {
    //                slot  0  1  2  3  4   5
    Use("ポイ", 0, {15, 15, 15, 0, 15, 0});
    EXPECT_EQ(Counter(kFoe, kPoisonCounter), 1);
    EXPECT_EQ(f.tension[kFoe], 47);
    EXPECT_EQ(Counter(kSecondFoe, kPoisonCounter), 0); // (3.6 − 4.5) × 40 loses to 40
    EXPECT_EQ(Box(kSecondFoe), "ミス！\r\n");
}

// The air pressure takes a tie (3 × 40 against 120); the lower speed is applied at once.
TEST_F(AilmentTest, AirPressureTakesATieAndSlows) {
    f.spirit[kFoe] = 120;
    game.form.Cursor[kSecondFoe].visible = false;
    Use("エア", 0, std::vector<int>(6, 0));
    EXPECT_EQ(f.speedMod[kFoe], -36);
    EXPECT_EQ(f.speed[kFoe], 64);
}

// The sand blinds only where the caster's spirit wins, and a lost roll says nothing: the storm
// already told its own blow.
TEST_F(AilmentTest, SandBlindsSilentlyOnlyWhereTheCasterWins) {
    f.spirit[kFoe] = 60; // 1.55 × 40 = 62 wins, 1.45 × 40 = 58 loses
    f.spirit[kSecondFoe] = 60;
    Use("ふら", 0, {0, 0, 0, 0, 1, 0});
    EXPECT_EQ(Counter(kFoe, kBlindnessCounter), 4);
    EXPECT_EQ(Counter(kSecondFoe, kBlindnessCounter), 0);
    EXPECT_EQ(Box(kSecondFoe), "");
}

// --- Single targets -----------------------------------------------------------------------------

TEST_F(AilmentTest, SingleTargetAilments) {
    struct Case {
        const char* key;
        int r;
        int targetSpirit;
        int guard;
        int counter;
        int before;
        int after;
        const char* box;
    };
    const std::vector<Case> cases{
        // The aurora blinds while 40 × 0.16 = 6.4 beats the roll, for Int(40 × 0.06) + 4 more turns.
        {"オー", 6, 1000, 0, kBlindnessCounter, 1, 7, "視界を奪われた。\r\n"},
        {"オー", 7, 0, 0, kBlindnessCounter, 1, 1, "ミス！\r\n"},
        {"オー", 0, 0, 2, kBlindnessCounter, 1, 1, "ミス！\r\n"},
        {"かげ", 0, 139, 0, kBlindnessCounter, 0, 6, "視界を奪われた。\r\n"},
        {"かげ", 0, 140, 0, kBlindnessCounter, 0, 0, "ミス！\r\n"},
        {"ブレ", 0, 40, 1, kConfusionCounter, 0, 1, "混乱した。\r\n"},
        {"怪電", 0, 40, 0, kConfusionCounter, 2, 2, "混乱した。\r\n"}, // the lasting confusion is kept
        {"ブレ", 0, 40, 2, kConfusionCounter, 0, 0, "理性を保った。\r\n"},
        {"怪電", 15, 40, 0, kConfusionCounter, 0, 0, "理性を保った。\r\n"},
        {"シャ", 0, 40, 1, kParalysisCounter, 1, 5, "身体が麻痺した。\r\n"},
        {"シャ", 0, 40, 2, kParalysisCounter, 1, 1, "ミス！\r\n"},
        {"しゃ", 0, 40, 0, kParalysisCounter, 0, 4, "身体が麻痺した。\r\n"},
        {"しゃ", 15, 40, 0, kParalysisCounter, 0, 0, ""},
        {"しゃ", 0, 40, 2, kParalysisCounter, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " r=" + std::to_string(c.r));
        game.form.Message[kFoe].text.clear();
        f.spirit[kFoe] = static_cast<std::int16_t>(c.targetSpirit);
        f.counter(kFoe, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.counter(kFoe, c.counter) = static_cast<std::uint8_t>(c.before);
        Use(c.key, c.r);
        EXPECT_EQ(Counter(kFoe, c.counter), c.after);
        EXPECT_EQ(Box(kFoe), c.box);
        if (c.after != c.before) {
            EXPECT_TRUE(game.form.StPic[kFoe].visible);
        }
    }
}

TEST_F(AilmentTest, ShadowStitchNeedsAWhiteMarkOnTheTarget) {
    for (SlotIndex target : {kGreyFoe, kActor}) {
        SCOPED_TRACE(target);
        Use("シャ", 0, {}, target);
        EXPECT_EQ(Counter(target, kParalysisCounter), 0);
        EXPECT_EQ(Box(target), "ミス！\r\n");
    }
}

// --- Foxglove -----------------------------------------------------------------------------------

// A roll above 7 poisons whoever the guard lets through; any other roll kills, whatever the guard,
// unless the level is above 9 or a charm protects.
TEST_F(AilmentTest, FoxglovePoisonsOnAHighRollAndOtherwiseKills) {
    struct Case {
        int r;
        int guard;
        int level;
        const char* accessory;
        int poisonBefore;
        const char* hp;
        int poisonAfter;
        const char* box;
    };
    const std::vector<Case> cases{
        {8, 0, 5, "", 0, "10000", 7, "毒に冒された。\r\n"},
        {8, 1, 5, "", 7, "9500", 14, "毒が回った。\r\n 500 のダメージ！\r\n"},
        {8, 2, 5, "", 0, "10000", 0, "ミス！\r\n"},
        {3, 2, 5, "", 0, "0", 0, "息の根を止めた。\r\n"},
        {7, 0, 9, "", 0, "0", 0, "息の根を止めた。\r\n"},
        {3, 0, 10, "", 0, "10000", 0, "ミス！\r\n"},
        {3, 0, 5, "お守り", 0, "10000", 0, "ミス！\r\n"},
        {3, 0, 5, "アリスのハンカチ", 0, "10000", 0, "ミス！\r\n"},
    };
    f.maxHp[kFoe] = 10000;
    for (const Case& c : cases) {
        SCOPED_TRACE("r=" + std::to_string(c.r) + " guard=" + std::to_string(c.guard));
        game.form.Message[kFoe].text.clear();
        game.form.HP[kFoe].text = "10000";
        f.tension[kFoe] = 50;
        f.counter(kFoe, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.counter(kFoe, kPoisonCounter) = static_cast<std::uint8_t>(c.poisonBefore);
        f.level[kFoe] = static_cast<std::uint8_t>(c.level);
        f.accessory[kFoe] = c.accessory;
        Use("ジギ", c.r);
        EXPECT_EQ(game.form.HP[kFoe].text, c.hp);
        EXPECT_EQ(Counter(kFoe, kPoisonCounter), c.poisonAfter);
        EXPECT_EQ(Box(kFoe), c.box);
        EXPECT_EQ(f.tension[kFoe], c.poisonAfter != c.poisonBefore ? 71 : 50);
    }
}

} // namespace
} // namespace vk2
