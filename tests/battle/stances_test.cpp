#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/counters.h"
#include "battle/skills/execute_skill.h"
#include "battle/stats.h"
#include "battle/targeting.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/elements.h"
#include "model/game.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// The music device answers every question with `answer`.
class MusicPlatform : public test::RecordingPlatform {
  public:
    std::string answer;
    std::string musicCommand(const std::string& command) override {
        RecordingPlatform::musicCommand(command);
        return answer;
    }
};

// Slots 0 and 1 stand on the left (front and back row), 3 and 4 on the right (front and back).
// Every fighter has 1000 HP of 1000, 100 MP of 200, attack 200, defense 80, speed 100, spirit 120,
// tension 50, and an empty message box.
constexpr SlotIndex kActor = 0;
constexpr SlotIndex kAlly = 1;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kBackFoe = 4;

class StanceTest : public ::testing::Test {
  protected:
    StanceTest() {
        for (auto& cursor : game.form.Cursor) cursor.visible = false;
        test::PutOnField(game, {kActor, kAlly, kFoe, kBackFoe});
        for (SlotIndex s : {kActor, kAlly, kFoe, kBackFoe}) {
            f.level[s] = 3;
            f.baseMaxHp[s] = 1000;
            f.baseMaxMp[s] = 200;
            f.baseAttack[s] = 200;
            f.baseDefense[s] = 80;
            f.baseSpeed[s] = 100;
            f.baseSpirit[s] = 120;
            f.tension[s] = 50;
            f.weapon[s] = "素手";
            f.affinity[s].fill(kNormal);
            game.form.HP[s].text = "1000";
            game.form.MP[s].text = "100";
            RecomputeStats(game, s);
        }
        f.position = {1, 0, 6, 2, 3, 6, 6};
    }

    void TearDown() override { EXPECT_EQ(random.unused(), 0u) << "rolls left unused"; }

    void Mark(SlotIndex s, Colour colour = kWhite) {
        game.form.Cursor[s].visible = true;
        game.form.Cursor[s].foreColour = colour;
    }

    void Cast(const std::string& key, SlotIndex target = kActor, SlotIndex actor = kActor) {
        std::string k = key;
        ExecuteSkill(game, actor, target, k);
    }

    // The chosen music entry's caption.
    void ChooseMusic(const std::string& caption) {
        game.comboSetting = 1;
        game.form.menus.find("mnuBGM", 1)->caption = caption;
    }

    std::string& Box(SlotIndex s) { return game.form.Message[s].text; }

    MusicPlatform platform;
    ScriptedRandom random;
    Game game{platform, random};
    FighterTable& f = game.f;
};

TEST_F(StanceTest, TwoRowChangesReturnTheFighterAndItsCommand) {
    game.form.Command[kActor].clear();
    for (const char* command : {"たたかう", "ぼうぎょ", "後退", "アイテム使用"})
        game.form.Command[kActor].add(command, 0);
    game.form.ViewUnder[kActor].rect.left = 200;
    game.form.Idou.value = 5;

    Cast("後退");
    EXPECT_EQ(f.position[kActor], 0);
    EXPECT_EQ(game.form.Command[kActor].entries[2].text, "前進");
    EXPECT_EQ(game.form.ViewUnder[kActor].rect.left, 200 - 8 * 19);
    EXPECT_EQ(platform.pauses, std::vector<int>(8, 8));

    Cast("前進");
    EXPECT_EQ(f.position[kActor], 1);
    EXPECT_EQ(game.form.Command[kActor].entries[2].text, "後退");
    EXPECT_EQ(game.form.ViewUnder[kActor].rect.left, 200);
    EXPECT_TRUE(Box(kActor).empty());

    std::string key = "後退";
    SlotIndex self = kBackFoe;
    ExecuteSkill(game, kBackFoe, self, key);
    EXPECT_EQ(f.position[kBackFoe], 2);
}

// Cast from the left front row: marked allies step into the left front row, marked foes into the
// right front row; a grey mark stays where it is.
TEST_F(StanceTest, RaisedGroundMovesTheMarkedIntoTheCastersRow) {
    game.form.Command[kAlly].clear();
    for (const char* command : {"たたかう", "ぼうぎょ", "前進", "アイテム使用"})
        game.form.Command[kAlly].add(command, 0);
    f.position[kFoe] = 3;
    Mark(kAlly);
    Mark(kFoe);
    Mark(kBackFoe, kGreyMark);
    Cast("地盤", kFoe);
    EXPECT_EQ(f.position[kAlly], 1);
    EXPECT_EQ(f.position[kFoe], 2);
    EXPECT_EQ(f.position[kBackFoe], 3);
    EXPECT_EQ(game.form.Command[kAlly].entries[2].text, "後退");
}

TEST_F(StanceTest, AnnouncedStancesSpeakAndMoveTheTension) {
    struct Case {
        const char* key;
        int tension;
        SlotIndex box; // the actor casts on the ally; some stances speak in the actor's box
        std::string text;
        int tensionAfter;
        std::vector<int> sounds;
    };
    const std::vector<Case> cases{
        {"ぼう", 50, kAlly, "身を守っている…\r\n", 50, {}},
        {"修羅", 50, kAlly, "刺し違える覚悟で\r\n敵の懐を狙う…\r\n", 50, {15}},
        {"気合", 50, kAlly, "力をみなぎらせている…\r\n", 55, {20}},
        {"精神", 49, kAlly, "心を研ぎ澄ませている…\r\n", 52, {11}},
        {"精神", 50, kAlly, "心を研ぎ澄ませている…\r\n", 47, {11}},
        {"瞑想", 50, kActor, "MP回復中…\r\n", 40, {11}},
        {"ラー", 50, kActor, "敵の動きを観察…\r\n", 50, {16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " at tension " + std::to_string(c.tension));
        Box(kActor).clear();
        Box(kAlly).clear();
        platform.sounds.clear();
        f.tension[kActor] = static_cast<std::uint8_t>(c.tension);
        Cast(c.key, kAlly);
        EXPECT_EQ(Box(c.box), c.text);
        EXPECT_EQ(f.tension[kActor], c.tensionAfter);
        EXPECT_EQ(platform.sounds, c.sounds);
    }
}

TEST_F(StanceTest, StancesSetTheirCounters) {
    Cast("スネ", kFoe);
    EXPECT_EQ(f.counter(kFoe, kSureHitCounter), 1);
    EXPECT_TRUE(game.form.StPic[kFoe].visible);
    EXPECT_EQ(f.tension[kActor], 46);
    Cast("夾竹");
    EXPECT_EQ(f.counter(kActor, kOleanderCounter), 5);
    Cast("カオ");
    EXPECT_EQ(f.counter(kActor, kWeaknessSeekerCounter), 1);
    EXPECT_EQ(Box(kActor), "確実に標的を狙う…\r\n美しい花を咲かせた。\r\n混沌の源泉を垣間見た！\r\n");
}

TEST_F(StanceTest, CastingOffTheElementLeavesOnlyTheTable) {
    f.element[kActor] = kFire;
    f.counter(kActor, kLemonBarrierCounter) = 5;
    RecomputeAffinities(game, kActor);
    Cast("無の");
    EXPECT_EQ(f.element[kActor], 0);
    EXPECT_EQ(game.form.ViewFrame[kActor].borderColour, ElementColour(0));
    EXPECT_EQ(f.counter(kActor, kNoElementStanceCounter), 1);
    EXPECT_EQ(f.affinity[kActor][kWind - 1], kNormal); // the barrier no longer counts
    EXPECT_EQ(Box(kActor), "属性を捨てた。\r\n");
}

// The pineapple's boost makes its own +25 four times as large.
TEST_F(StanceTest, TensionItemsFillTheBar) {
    f.tension[kAlly] = 0;
    Cast("パイ", kAlly);
    EXPECT_EQ(f.counter(kAlly, kTensionBoostCounter), 3);
    EXPECT_EQ(f.tension[kAlly], 100);
    EXPECT_EQ(Box(kAlly), "「テンション上がって\r\n　きたぜーーーーッ！！！」\r\n");
    Cast("ハー", kFoe);
    EXPECT_EQ(f.tension[kFoe], 100);
    EXPECT_EQ(Box(kFoe), "テンションMAX！\r\n");
}

TEST_F(StanceTest, DashRaisesSpeedAtOnceAndAdvancesTheClock) {
    f.blueSum[kActor] = 47;
    f.timeGauge[kActor] = 100;
    Cast("ダッ");
    EXPECT_EQ(f.counter(kActor, kDashCounter), 1);
    EXPECT_EQ(f.speed[kActor], 100 + 17 + 50);
    EXPECT_EQ(f.timeGauge[kActor], 699);
    EXPECT_EQ(f.tension[kActor], 56);
    EXPECT_EQ(Box(kActor), "体力消耗を惜しまず速攻！\r\n");
}

TEST_F(StanceTest, DanceStepFollowsTheMusic) {
    struct Case {
        const char* caption;
        std::string answer;
        int step;
        const char* line;
    };
    const std::vector<Case> cases{
        {"なし", "", 50, "サイレントダンス\r\n"},          // level 3 x 5 + 35
        {"battle.mid", "121", 95, "ステップ開始♪\r\n"},    // 60.5 rounds to 60, + 35
        {"battle.MID", "123", 97, "ステップ開始♪\r\n"},    // 61.5 rounds to 62
        {"battle.mid", "tempo?", 35, "ステップ開始♪\r\n"}, // no number: a tempo of 0
        {"battle.wav", "", 57, "ステップ開始♪\r\n"},       // "12" of 123456, + 45
    };
    game.musicLength = 123456;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + (" answering " + c.answer));
        ChooseMusic(c.caption);
        platform.answer = c.answer;
        platform.musicCommands.clear();
        Box(kActor).clear();
        f.timeGauge[kActor] = 0;
        Cast("おど");
        EXPECT_EQ(f.counter(kActor, kStepCounter), c.step);
        EXPECT_EQ(Box(kActor), c.line);
        EXPECT_EQ(f.timeGauge[kActor], 388);
        const bool asksTempo = Right(c.caption, 1) == "d" || Right(c.caption, 1) == "D";
        EXPECT_EQ(platform.musicCommands,
                  asksTempo ? std::vector<std::string>{"Status bgm tempo"} : std::vector<std::string>{});
    }
}

// The iron fan's bonus is the step; a second dance replaces the first bonus.
TEST_F(StanceTest, IronFanAttackFollowsTheLatestDance) {
    f.weapon[kActor] = "鉄扇";
    ChooseMusic("なし");
    Cast("おど");
    EXPECT_EQ(f.attack[kActor], 250);
    f.level[kActor] = 5;
    Cast("おど");
    EXPECT_EQ(f.attackMod[kActor], 60);
    EXPECT_EQ(f.attack[kActor], 260);
}

TEST_F(StanceTest, AdrenalineGrowsWithDistanceFromTheCentre) {
    for (int spirit : {120, 300}) {
        SCOPED_TRACE(spirit);
        f.attackMod[kActor] = 0;
        f.spiritMod[kActor] = static_cast<std::int16_t>(spirit - 120);
        RecomputeStats(game, kActor);
        Box(kActor).clear();
        Cast("アド");
        const int rush = spirit == 120 ? 104 : 76;
        EXPECT_EQ(f.counter(kActor, kAdrenalineCounter), rush);
        EXPECT_EQ(f.attack[kActor], 200 + rush);
        EXPECT_EQ(Box(kActor), "攻撃力 " + std::to_string(rush) + " アップ。\r\n");
    }
}

TEST_F(StanceTest, NoGuardTradesDefenseForAttackAndSpeed) {
    Cast("ノー");
    EXPECT_EQ(f.attack[kActor], 280);
    EXPECT_EQ(f.speed[kActor], 120);
    EXPECT_EQ(f.defense[kActor], 0);
    EXPECT_EQ(Box(kActor), "捨て身の攻撃体勢！\r\n");
}

TEST_F(StanceTest, MoonlitLamentTradesSpiritForAttackUntilTheLimit) {
    Cast("月下");
    EXPECT_EQ(f.spirit[kActor], 30);
    EXPECT_EQ(f.attack[kActor], 362);
    EXPECT_EQ(f.tension[kActor], 70);
    EXPECT_EQ(Box(kActor), "精神力 90 ダウン。\r\n攻撃力 162 アップ。\r\n");

    f.attackMod[kActor] = 1000;
    Box(kActor).clear();
    Cast("月下");
    EXPECT_EQ(f.attackMod[kActor], 1000);
    EXPECT_EQ(Box(kActor), "精神力 22 ダウン。\r\n攻撃力 0 アップ。\r\n");
}

TEST_F(StanceTest, ZoroasterConsumesTheOfferingAndDoublesMp) {
    ListBox& items = game.form.Item[kActor];
    items.add("薬草", 1);
    items.add("供物", 1);
    items.selected = 1;
    game.form.MP[kActor].text = "600";
    f.baseMaxMp[kActor] = 700;
    RecomputeStats(game, kActor);
    Cast("ゾロ");
    EXPECT_EQ(items.count(), 1);
    EXPECT_EQ(items.entries[0].text, "薬草");
    EXPECT_EQ(f.mpMod[kActor], 700);
    EXPECT_EQ(f.maxMp[kActor], 1400);
    EXPECT_EQ(game.form.MP[kActor].text, "999");

    Cast("ゾロ");
    EXPECT_EQ(f.mpMod[kActor], 999);
}

TEST_F(StanceTest, StolenAttackIsZeroAgainstAGuardedTarget) {
    struct Case {
        const char* what;
        std::uint8_t guard;
        const char* accessory;
        int amount;
    };
    const std::vector<Case> cases{
        {"open", 0, "", 80},
        {"partial guard", 1, "", 80},
        {"full guard", 2, "", 0},
        {"handkerchief", 0, "アリスのハンカチ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        f.attackMod[kActor] = f.attackMod[kFoe] = 0;
        RecomputeStats(game, kActor);
        RecomputeStats(game, kFoe);
        Box(kActor).clear();
        Box(kFoe).clear();
        f.counter(kFoe, kStatusGuardCounter) = c.guard;
        f.accessory[kFoe] = c.accessory;
        Cast("覇手", kFoe);
        EXPECT_EQ(f.attack[kActor], 200 + c.amount);
        EXPECT_EQ(f.attack[kFoe], 200 - c.amount);
        const std::string amount = " " + std::to_string(c.amount);
        EXPECT_EQ(Box(kActor), "攻撃力" + amount + " アップ。\r\n");
        EXPECT_EQ(Box(kFoe), "攻撃力" + amount + " ダウン。\r\n");
    }
}

TEST_F(StanceTest, TimeThiefTakesSpeedAndTheWholeTimeGauge) {
    f.timeGauge[kActor] = 300;
    f.timeGauge[kFoe] = 900;
    Cast("時間", kFoe);
    EXPECT_EQ(f.speed[kActor], 130);
    EXPECT_EQ(f.speed[kFoe], 70);
    EXPECT_EQ(f.timeGauge[kActor], 1200);
    EXPECT_EQ(f.timeGauge[kFoe], 0);
    EXPECT_EQ(Box(kFoe), "すばやさ 30 ダウン。\r\n");

    f.counter(kAlly, kStatusGuardCounter) = 2;
    Cast("時間", kAlly);
    EXPECT_EQ(f.speed[kAlly], 100);
    EXPECT_EQ(Box(kAlly), "すばやさ 0 ダウン。\r\n");
}

// Only the white marks on the target's side are hastened.
TEST_F(StanceTest, QuickClockHastensTheWhiteMarksOfTheTargetsSide) {
    Mark(kFoe);
    Mark(kBackFoe, kGreyMark);
    Mark(kAlly);
    Cast("クイ", kFoe);
    EXPECT_EQ(f.speed[kFoe], 191);
    EXPECT_EQ(f.counter(kFoe, kSpeedMarkCounter), 1);
    EXPECT_EQ(Box(kFoe), "すばやさ 91 アップ。\r\n");
    EXPECT_EQ(f.speed[kBackFoe], 100);
    EXPECT_EQ(f.speed[kAlly], 100);

    Cast("追い", kAlly);
    EXPECT_EQ(f.speed[kAlly], 191); // Int(120 x 0.3 + 55)
}

TEST_F(StanceTest, MireSlowsUnlessFullyGuarded) {
    Cast("ぬか", kFoe);
    EXPECT_EQ(f.speed[kFoe], 45); // Int(120 x 0.16 + 36) = 55
    EXPECT_EQ(f.counter(kFoe, kSpeedMarkCounter), 2);
    EXPECT_EQ(Box(kFoe), "すばやさ 55 ダウン。\r\n");

    f.counter(kBackFoe, kStatusGuardCounter) = 2;
    Cast("ぬか", kBackFoe);
    EXPECT_EQ(f.speed[kBackFoe], 100);
    EXPECT_EQ(f.counter(kBackFoe, kSpeedMarkCounter), 0);
    EXPECT_TRUE(Box(kBackFoe).empty());
}

// The share is taken as a single-precision number, just below the whole percentage: 8 % of 1000
// gives 79, 12 % of 1000 gives 119.
TEST_F(StanceTest, ChineseBunRaisesEveryAbilityByTheActorsHp) {
    struct Case {
        const char* hp;
        int percent;
        int hpGain;
        int attackGain;
    };
    for (const Case& c : std::vector<Case>{{"1234", 12, 119, 23}, {"1000", 8, 79, 15}}) {
        SCOPED_TRACE(c.hp);
        f.hpMod[kAlly] = f.attackMod[kAlly] = 0;
        RecomputeStats(game, kAlly);
        Box(kAlly).clear();
        game.form.HP[kActor].text = c.hp;
        Cast("中華", kAlly);
        EXPECT_EQ(f.maxHp[kAlly], 1000 + c.hpGain);
        EXPECT_EQ(f.attack[kAlly], 200 + c.attackGain);
        EXPECT_EQ(Box(kAlly), "全能力値 " + std::to_string(c.percent) + " ％アップ！\r\n");
    }
}

// Repeated draws are thrown back until three different abilities come up; they rise in the
// reverse order of the draws.
TEST_F(StanceTest, TricolourUirouRaisesThreeDifferentAbilities) {
    for (float u : {0.0f, 0.0f, 0.2f, 0.1f, 0.5f}) random.push(u); // 1; 1 again, 2; 1 again, 4
    Cast("三色", kAlly);
    EXPECT_EQ(f.maxHp[kAlly], 1170);
    EXPECT_EQ(f.maxMp[kAlly], 234);
    EXPECT_EQ(f.defense[kAlly], 93); // Int(80 x 0.01 x 17) = 13
    EXPECT_EQ(f.attack[kAlly], 200);
    EXPECT_EQ(Box(kAlly), "守備力、最大MP、\r\n最大HP、 17％アップ！\r\n");
}

TEST_F(StanceTest, PetitChocolatRaisesTheLevelUpToNine) {
    struct Case {
        int level;
        int after;
        std::string text;
    };
    const std::vector<Case> cases{
        {3, 5, "レベル 5にアップ！\r\n"},
        {8, 9, "レベル 9にアップ！\r\n"},
        {9, 9, "効果がなかった。\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        f.level[kAlly] = static_cast<std::uint8_t>(c.level);
        Box(kAlly).clear();
        Cast("プチ", kAlly);
        EXPECT_EQ(f.level[kAlly], c.after);
        EXPECT_EQ(Box(kAlly), c.text);
    }
}

TEST_F(StanceTest, SweetsRaiseDefenseByHpAndTension) {
    game.form.HP[kAlly].text = "999";
    Cast("どん", kAlly);
    EXPECT_EQ(f.defense[kAlly], 84);
    EXPECT_EQ(Box(kAlly), "守備力 4 アップ。\r\n");

    f.tension[kFoe] = 30;
    Cast("ピロ", kFoe);
    EXPECT_EQ(f.attack[kFoe], 230);
    EXPECT_EQ(f.defense[kFoe], 110);
    EXPECT_EQ(Box(kFoe), "攻撃力、守備力 30 アップ。\r\n");
}

} // namespace
} // namespace vk2
