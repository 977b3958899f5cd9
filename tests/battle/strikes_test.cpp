#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/techniques/execute_technique.h"
#include "core/text.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 strikes slot 3, both in their front rows, one step apart: a distance that leaves the
// damage as it is. The attacker has attack 200, tension 64 (where a technique's hit leaves it) and no
// proficiency, so a luck roll of 8 gives r = 3.5 and a blow of power p deals Int((16 + p) × 114.5 × 8 / 168):
// 1177 for 200, 1150 for 195, 1123 for 190.
constexpr SlotIndex kActor = 0;
constexpr SlotIndex kTarget = 3;
constexpr int kLuck = 8;

class StrikeTest : public ::testing::Test {
  protected:
    StrikeTest() {
        for (SlotIndex s : {kActor, kTarget}) {
            f.affinity[s].fill(3);
            f.baseMaxHp[s] = f.maxHp[s] = 9999;
            f.baseSpirit[s] = f.spirit[s] = 100;
            SetHp(game, s, 5000);
        }
        f.attack[kActor] = 200;
        f.tension[kActor] = 64;
        f.equippedKind[kActor] = kKnife;
        f.weapon[kActor] = "ダガー";
        f.baseDefense[kTarget] = f.defense[kTarget] = 100;
        game.actionKind = 2;
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    // The command as the action hands it over: chosen, announced in the actor's box, its key
    // (by default the first two characters). The technique roll comes first, then one luck roll
    // per blow.
    void Use(const std::string& command, int r, const std::vector<int>& lucks) {
        Use(command, Left(command, 2), r, lucks);
    }

    void Use(const std::string& command, const std::string& commandKey, int r,
             const std::vector<int>& lucks) {
        game.form.Command[kActor].add(command, 0);
        game.form.Command[kActor].selected = 0;
        game.form.Message[kActor].text = command + "\r\n";
        Roll(r);
        for (int luck : lucks) Roll(luck);
        SlotIndex target = kTarget;
        std::string key = commandKey;
        ExecuteTechnique(game, kActor, target, key);
    }

    void Roll(int n) { t.random.push(static_cast<float>(n) / 16.0f); }
    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// Each extra strike is 5 weaker than the one before; the twin daggers add one on r above 8, but
// never a fourth to 三連撃. A plain たたかう's hit raises the tension by 5 before its damage is
// reckoned, so its blows deal Int((17.25 + 200) × 114.5 × 8 / 168) = 1184 and then
// Int((18.5 + 195) × 114.5 × 8 / 168) = 1164.
TEST_F(StrikeTest, StrikeCountsAndPowers) {
    struct Case {
        const char* command;
        const char* key;
        const char* weapon;
        int r;
        std::vector<int> lucks; // one per blow, so the rolls pin the number of strikes
        std::string targetBox;
    };
    const std::string plainFirst = " 1184 のダメージ！\r\n";
    const std::string first = " 1177 のダメージ！\r\n";
    const std::string second = " 1150 のダメージ！\r\n";
    const std::string third = " 1123 のダメージ！\r\n";
    const std::vector<Case> cases{
        {"たたかう", "たた", "ダガー", 5, {kLuck}, plainFirst},
        {"たたかう", "たた", "双匕首", 8, {kLuck}, plainFirst},
        {"たたかう", "たた", "双匕首", 9, {kLuck, kLuck}, plainFirst + " 1164 のダメージ！\r\n"},
        {"アアアアアアアア！！！", "ああ", "双匕首", 9, {kLuck, kLuck}, first + second},
        {"一期一会", "一期", "双匕首", 15, {kLuck, kLuck}, first + second},
        {"二連撃", "二連", "ダガー", 0, {kLuck, kLuck}, first + second},
        {"三連撃", "三連", "ダガー", 0, {kLuck, kLuck, kLuck}, first + second + third},
        {"三連撃", "三連", "双匕首", 15, {kLuck, kLuck, kLuck}, first + second + third},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " with " + c.weapon + ", r = " + std::to_string(c.r));
        game.form.Message[kTarget].text.clear();
        game.form.Command[kActor].clear();
        f.weapon[kActor] = c.weapon;
        f.tension[kActor] = 64;
        SetHp(game, kTarget, 5000);
        Use(c.command, c.key, c.r, c.lucks);
        EXPECT_EQ(Box(kTarget), c.targetBox);
        EXPECT_EQ(t.random.unused(), 0u);
    }
}

// A miss or a block of the first strike adds nothing; the extra strikes still follow.
TEST_F(StrikeTest, MissedFirstStrikeStillStrikesAgain) {
    f.counter(kTarget, kHiddenCounter) = 1; // every physical blow misses
    f.weapon[kActor] = "双匕首";
    Use("そぎ落とす", 12, {kLuck, kLuck});
    EXPECT_EQ(Box(kTarget), "ミス！\r\nミス！\r\n");
    EXPECT_EQ(f.defenseMod[kTarget], 0);
}

TEST_F(StrikeTest, DefenseCutByAFifthOfAttackAndMore) {
    f.attack[kActor] = 100; // Int(100 × 0.14) = 14
    Use("そぎ落とす", 4, {kLuck});
    EXPECT_TRUE(EndsWith(Box(kTarget), "のダメージ！\r\n守備力 14 ダウン。\r\n")) << Box(kTarget);
    EXPECT_EQ(f.defenseMod[kTarget], -14);
    EXPECT_EQ(f.defense[kTarget], 86);
}

TEST_F(StrikeTest, ChargeIntoABackRowTargetOnlyStrikes) {
    f.position[kTarget] = 3;
    Use("突撃", 4, {kLuck});
    EXPECT_TRUE(EndsWith(Box(kTarget), "のダメージ！\r\n")) << Box(kTarget);
    EXPECT_EQ(Box(kTarget).find("後列"), std::string::npos);
    EXPECT_EQ(f.position[kTarget], 3);
}

TEST_F(StrikeTest, OnceInALifetimeEndsWithTheFelledOnly) {
    Use("一期一会", 4, {kLuck});
    EXPECT_EQ(Box(kTarget), " 1177 のダメージ！\r\n");
    EXPECT_EQ(HpOf(game, kTarget), 5000 - 1177);

    game.form.Message[kTarget].text.clear();
    SetHp(game, kTarget, 1000);
    Use("一期一会", 4, {kLuck});
    EXPECT_EQ(Box(kTarget), "今生の別れ！\r\n");
}

// The weakness seeker's strike carries exactly the elements the target is weak to.
TEST_F(StrikeTest, WeaknessSeekerReplacesTheElements) {
    f.counter(kActor, kWeaknessSeekerCounter) = 1;
    struct Case {
        const char* name;
        int weakIndex; // -1: weak to nothing
    };
    for (const Case& c : {Case{"weak to 雷", kThunder - 1}, Case{"weak to nothing", -1}}) {
        SCOPED_TRACE(c.name);
        f.affinity[kTarget].fill(3);
        if (c.weakIndex >= 0) f.affinity[kTarget][c.weakIndex] = 1;
        game.actionElements.fill(1);
        game.form.Command[kActor].clear();
        Use("たたかう", 4, {kLuck});
        for (int i = 0; i < kElements; ++i) EXPECT_EQ(game.actionElements[i], i == c.weakIndex ? 1 : 0) << i;
    }
}

// Weapon effects come only with a connected たたかう.
TEST_F(StrikeTest, WeaponEffectOnlyOnAConnectedPlainStrike) {
    f.weapon[kActor] = "デスサイズ"; // reaps a low-level fighter on r up to 3
    f.level[kTarget] = 5;
    struct Case {
        const char* command;
        bool hidden;
        bool reaped;
    };
    for (const Case& c :
         {Case{"たたかう", false, true}, Case{"たたかう", true, false}, Case{"おしびたる", false, false}}) {
        SCOPED_TRACE(std::string(c.command) + (c.hidden ? ", hidden target" : ""));
        game.form.Message[kTarget].text.clear();
        game.form.Command[kActor].clear();
        f.counter(kTarget, kHiddenCounter) = c.hidden ? 1 : 0;
        SetHp(game, kTarget, 5000);
        Use(c.command, 3, {kLuck});
        EXPECT_EQ(EndsWith(Box(kTarget), "魂を摘み取った。\r\n"), c.reaped) << Box(kTarget);
        EXPECT_EQ(HpOf(game, kTarget) == 0, c.reaped);
    }
}

} // namespace
} // namespace vk2
