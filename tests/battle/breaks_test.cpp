#include <gtest/gtest.h>

#include <algorithm>
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

constexpr SlotIndex kActor = 0;
constexpr SlotIndex kTarget = 3;
constexpr int kLuck = 8; // a luck roll that lets a blow land as an ordinary hit

class BreakTest : public ::testing::Test {
  protected:
    BreakTest() {
        for (SlotIndex s : {kActor, kTarget}) {
            f.affinity[s].fill(3);
            f.baseMaxHp[s] = f.maxHp[s] = 9999;
            f.baseSpirit[s] = f.spirit[s] = 100;
            f.speed[s] = 100;
            f.weapon[s] = kBareHands;
            f.equippedKind[s] = kFist;
            SetHp(game, s, 5000);
            game.form.Command[s].add("たたかう", 0);
        }
        f.attack[kActor] = 200;
        f.tension[kActor] = 64;
        game.actionKind = 2;
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    void Arm(SlotIndex s, const std::string& weapon) {
        f.weapon[s] = weapon;
        f.equippedKind[s] = kSword;
        game.form.Item[s].add(kWeaponMark + weapon, WeaponItemCode(kSword));
    }
    void Wear(SlotIndex s, const std::string& accessory) {
        f.accessory[s] = accessory;
        game.form.Item[s].add(kAccessoryMark + accessory, kItemAccessory);
    }
    void Carry(SlotIndex s, const std::vector<std::string>& items) {
        for (const std::string& item : items) game.form.Item[s].add(item, kItemConsumable);
    }

    // Runs the technique with roll r first, then the further draws; returns the key it leaves.
    std::string Use(const std::string& key, int r, const std::vector<float>& draws = {}) {
        Roll(r);
        for (float u : draws) t.random.push(u);
        SlotIndex target = kTarget;
        std::string k = key;
        ExecuteTechnique(game, kActor, target, k);
        return k;
    }

    void Roll(int n) { t.random.push(static_cast<float>(n) / 16.0f); }
    static float Luck() { return kLuck / 16.0f; }
    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    std::vector<std::string> ItemTexts(SlotIndex s) const {
        std::vector<std::string> texts;
        for (const ListEntry& e : game.form.Item[s].entries) texts.push_back(e.text);
        return texts;
    }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// The weapon goes on a low roll, the accessory on a middling one, and otherwise the actor's own
// weapon breaks, unless the actor is a summoned fighter borrowing it.
TEST_F(BreakTest, BreakEquipmentOutcomes) {
    struct Case {
        const char* name;
        bool targetArmed;
        bool targetAdorned;
        bool actorArmed;
        const char* marker;
        int r;
        std::string key;
        std::string actorBox;
        std::string targetBox;
        std::vector<std::string> actorItems;
        std::vector<std::string> targetItems;
    };
    const std::vector<Case> cases{
        {"weapon",
         true,
         true,
         true,
         "",
         6,
         "ＺＺ剣",
         "",
         "ＺＺ剣を\r\n壊された。\r\n",
         {"◆ダガー"},
         {"★ＺＺ環", "ＺＺ石"}},
        {"accessory at r = 7",
         true,
         true,
         true,
         "",
         7,
         "ＺＺ環",
         "",
         "ＺＺ環を\r\n壊された。\r\n",
         {"◆ダガー"},
         {"◆ＺＺ剣", "ＺＺ石"}},
        {"accessory of a bare-handed target",
         false,
         true,
         true,
         "",
         2,
         "ＺＺ環",
         "",
         "ＺＺ環を\r\n壊された。\r\n",
         {"◆ダガー"},
         {"ＺＺ石"}},
        {"backfire",
         true,
         false,
         true,
         "",
         12,
         "ダガー",
         "ミス！\r\nダガーを\r\n破損。\r\n",
         "",
         {},
         {"◆ＺＺ剣", "ＺＺ石"}},
        {"backfire on a summoned fighter",
         true,
         false,
         true,
         "2",
         12,
         "こわ",
         "ミス！\r\n",
         "",
         {"◆ダガー"},
         {"◆ＺＺ剣", "ＺＺ石"}},
        {"nothing to break", false, false, true, "", 0, "こわ", "ミス！\r\n", "", {"◆ダガー"}, {"ＺＺ石"}},
        {"bare-handed actor",
         true,
         true,
         false,
         "",
         0,
         "こわ",
         "ミス！\r\n",
         "",
         {},
         {"◆ＺＺ剣", "★ＺＺ環", "ＺＺ石"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (SlotIndex s : {kActor, kTarget}) {
            game.form.Item[s].clear();
            game.form.Message[s].text.clear();
            f.weapon[s] = kBareHands;
            f.accessory[s].clear();
        }
        t.platform.sounds.clear();
        if (c.actorArmed) Arm(kActor, "ダガー");
        if (c.targetArmed) Arm(kTarget, "ＺＺ剣");
        if (c.targetAdorned) Wear(kTarget, "ＺＺ環");
        Carry(kTarget, {"ＺＺ石"});
        game.form.Exi.caption = c.marker;

        EXPECT_EQ(Use("こわ", c.r), c.key);
        EXPECT_EQ(Box(kActor), c.actorBox);
        EXPECT_EQ(Box(kTarget), c.targetBox);
        EXPECT_EQ(ItemTexts(kActor), c.actorItems);
        EXPECT_EQ(ItemTexts(kTarget), c.targetItems);
        EXPECT_EQ(f.weapon[kTarget] == kBareHands, !c.targetArmed || c.key == "ＺＺ剣");
        EXPECT_EQ(f.accessory[kTarget].empty(), !c.targetAdorned || c.key == "ＺＺ環");
        EXPECT_EQ(f.weapon[kActor] == kBareHands, !c.actorArmed || c.key == "ダガー");
        const auto breakSounds = std::count(t.platform.sounds.begin(), t.platform.sounds.end(), 4);
        EXPECT_EQ(breakSounds, c.key == "ＺＺ環" ? 1 : 0);
    }
}

// A helpless victim or a sure-handed thief steals as if rolling 50; the draw picks the item, and
// a worn one cannot be taken. A sleeper wakes either way.
TEST_F(BreakTest, StealOutcomes) {
    struct Case {
        const char* name;
        int r;
        int targetSpeed;
        int sleep;
        int paralysis;
        int sureHit;
        int hidden;
        std::vector<float> draws;
        std::string targetBox;
        std::vector<std::string> actorItems;
    };
    const float second = 1.5f / 3; // the second of three entries
    const float first = 0.5f / 3;
    const std::vector<Case> cases{
        {"just fast enough", 5, 100, 0, 0, 0, 0, {second}, "ＺＺ石を\r\n盗まれた！\r\n", {"ＺＺ石"}},
        {"too slow", 4, 100, 0, 0, 0, 0, {}, "ミス！\r\n", {}},
        {"sleeping victim, worn item drawn", 0, 505, 2, 0, 0, 0, {first}, "ミス！\r\n目を覚ました。\r\n", {}},
        {"sleeping victim too fast", 0, 506, 2, 0, 0, 0, {}, "ミス！\r\n目を覚ました。\r\n", {}},
        {"paralysed victim", 0, 505, 0, 3, 0, 0, {second}, "ＺＺ石を\r\n盗まれた！\r\n", {"ＺＺ石"}},
        {"sure-handed thief",
         0,
         505,
         0,
         0,
         1,
         0,
         {1.0f - 0.5f / 3},
         "ＺＺ草を\r\n盗まれた！\r\n",
         {"ＺＺ草"}},
        {"hidden victim", 15, 100, 0, 0, 1, 1, {}, "ミス！\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.form.Item[kActor].clear();
        game.form.Item[kTarget].clear();
        game.form.Message[kTarget].text.clear();
        f.weapon[kTarget] = kBareHands;
        Arm(kTarget, "ＺＺ剣");
        Carry(kTarget, {"ＺＺ石", "ＺＺ草"});
        f.speed[kTarget] = static_cast<std::int16_t>(c.targetSpeed);
        f.counter(kTarget, kSleepCounter) = static_cast<std::uint8_t>(c.sleep);
        f.counter(kTarget, kParalysisCounter) = static_cast<std::uint8_t>(c.paralysis);
        f.counter(kTarget, kHiddenCounter) = static_cast<std::uint8_t>(c.hidden);
        f.counter(kActor, kSureHitCounter) = static_cast<std::uint8_t>(c.sureHit);

        Use("ぬす", c.r, c.draws);
        EXPECT_EQ(Box(kTarget), c.targetBox);
        EXPECT_EQ(ItemTexts(kActor), c.actorItems);
        EXPECT_EQ(game.form.Item[kTarget].count(), 3 - static_cast<int>(c.actorItems.size()));
        EXPECT_EQ(f.counter(kTarget, kSleepCounter), 0);
        EXPECT_EQ(t.random.unused(), 0u);
    }
}

TEST_F(BreakTest, StealFromAnEmptyBagFails) {
    Use("ぬす", 15);
    EXPECT_EQ(Box(kTarget), "ミス！\r\n");
    EXPECT_TRUE(game.form.Item[kActor].entries.empty());
}

// Worn entries stay put; the taker's new items arrive reversed at its top, the victim gets the
// taker's old ones in their old order at its top, each with its own code.
TEST_F(BreakTest, SwapExchangesEverythingButWornEquipment) {
    Carry(kActor, {"Ａ1"});
    Arm(kActor, "Ａ剣");
    game.form.Item[kActor].add("Ａ2", kItemTool);
    Carry(kTarget, {"Ｔ1"});
    Wear(kTarget, "Ｔ環");
    game.form.Item[kTarget].add("Ｔ2", kItemTool);
    Carry(kTarget, {"Ｔ3"});

    Use("すり", 15);
    EXPECT_EQ(game.form.Item[kActor].entries, (std::vector<ListEntry>{{"Ｔ3", kItemConsumable},
                                                                      {"Ｔ2", kItemTool},
                                                                      {"Ｔ1", kItemConsumable},
                                                                      {"◆Ａ剣", WeaponItemCode(kSword)}}));
    EXPECT_EQ(
        game.form.Item[kTarget].entries,
        (std::vector<ListEntry>{{"Ａ1", kItemConsumable}, {"Ａ2", kItemTool}, {"★Ｔ環", kItemAccessory}}));
    EXPECT_EQ(Box(kActor), "すりかえ\r\n装備品以外を交換。\r\n");
    EXPECT_EQ(Box(kTarget), "装備品以外を交換。\r\n");
}

// Positions 1 and 2 stand one step apart: the swap needs speed (1 − r) × 9 + 145.
TEST_F(BreakTest, SwapNeedsSpeedAgainstDistanceAndRoll) {
    struct Case {
        int r;
        int actorSpeed;
        bool swaps;
    };
    for (const Case& c : {Case{5, 109, true}, Case{5, 108, false}, Case{0, 153, false}, Case{0, 154, true}}) {
        SCOPED_TRACE("r = " + std::to_string(c.r) + ", speed " + std::to_string(c.actorSpeed));
        for (SlotIndex s : {kActor, kTarget}) {
            game.form.Item[s].clear();
            game.form.Message[s].text.clear();
        }
        Carry(kActor, {"Ａ1"});
        Carry(kTarget, {"Ｔ1"});
        f.speed[kActor] = static_cast<std::int16_t>(c.actorSpeed);
        Use("すり", c.r);
        EXPECT_EQ(ItemTexts(kActor), std::vector<std::string>{c.swaps ? "Ｔ1" : "Ａ1"});
        EXPECT_EQ(ItemTexts(kTarget), std::vector<std::string>{c.swaps ? "Ａ1" : "Ｔ1"});
        EXPECT_EQ(Box(kTarget), c.swaps ? "装備品以外を交換。\r\n" : "ミス！\r\n");
    }
}

// The cut is (r And 7) + 10 but always leaves one point; a fighter with none loses nothing.
TEST_F(BreakTest, SkillBreakCutsTheWieldedKind) {
    struct Case {
        int r;
        int proficiency;
        int left;
        const char* line;
    };
    const std::vector<Case> cases{
        {5, 50, 35, "ナイフの熟練度 15 ダウン。\r\n"}, {15, 50, 33, "ナイフの熟練度 17 ダウン。\r\n"},
        {5, 12, 1, "ナイフの熟練度 11 ダウン。\r\n"},  {5, 15, 1, "ナイフの熟練度 14 ダウン。\r\n"},
        {0, 0, 0, "ナイフの熟練度 0 ダウン。\r\n"},
    };
    f.equippedKind[kTarget] = kKnife;
    for (const Case& c : cases) {
        SCOPED_TRACE("r = " + std::to_string(c.r) + ", proficiency " + std::to_string(c.proficiency));
        game.form.Message[kTarget].text.clear();
        f.proficiency[kTarget].fill(60);
        f.proficiency[kTarget][kKnife] = static_cast<std::uint8_t>(c.proficiency);
        Use("スキ", c.r, {Luck()});
        EXPECT_TRUE(EndsWith(Box(kTarget), std::string("のダメージ！\r\n") + c.line)) << Box(kTarget);
        EXPECT_EQ(f.proficiency[kTarget][kKnife], c.left);
        EXPECT_EQ(f.proficiency[kTarget][kSword], 60);
    }
}

// (r mod 3) + 2 commands are tried; the strike at the top and the last four are never drawn.
TEST_F(BreakTest, MemoryBreakForgetsCommandsBeyondTheFirstFive) {
    struct Case {
        int r;
        int commands;
        std::vector<float> draws;
        std::string forgotten;
        std::vector<std::string> left;
    };
    const std::vector<Case> cases{
        {2, 7, {0.0f, 0.5f}, "「Ｃ1」\r\n「Ｃ2」\r\nを忘れた…\r\n", {"Ｃ0", "Ｃ3", "Ｃ4", "Ｃ5", "Ｃ6"}},
        {0,
         9,
         {0.99f, 0.0f},
         "「Ｃ4」\r\n「Ｃ1」\r\nを忘れた…\r\n",
         {"Ｃ0", "Ｃ2", "Ｃ3", "Ｃ5", "Ｃ6", "Ｃ7", "Ｃ8"}},
        {1, 5, {}, "のダメージ！\r\n", {"Ｃ0", "Ｃ1", "Ｃ2", "Ｃ3", "Ｃ4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("r = " + std::to_string(c.r) + ", " + std::to_string(c.commands) + " commands");
        game.form.Message[kTarget].text.clear();
        ListBox& commands = game.form.Command[kTarget];
        commands.clear();
        for (int i = 0; i < c.commands; ++i) commands.add("Ｃ" + std::to_string(i), 0);
        std::vector<float> draws{Luck()};
        draws.insert(draws.end(), c.draws.begin(), c.draws.end());
        Use("メモ", c.r, draws);
        EXPECT_TRUE(EndsWith(Box(kTarget), c.forgotten)) << Box(kTarget);
        std::vector<std::string> left;
        for (const ListEntry& e : commands.entries) left.push_back(e.text);
        EXPECT_EQ(left, c.left);
    }
}

TEST_F(BreakTest, CalorieBreakHalvesHealsOnceMore) {
    f.counter(kTarget, kHealHalvingCounter) = 1;
    Use("カロ", 0, {Luck()});
    EXPECT_TRUE(EndsWith(Box(kTarget), "のダメージ！\r\nHP回復量半減。\r\n")) << Box(kTarget);
    EXPECT_EQ(f.counter(kTarget, kHealHalvingCounter), 2);
}

// A missed strike or a full guard leaves only the strike; a partial guard lets the break through.
TEST_F(BreakTest, BreakStrikesNeedAConnectedBlowAndNoFullGuard) {
    struct Case {
        const char* name;
        int hidden;
        int guard;
        bool breaks;
    };
    f.equippedKind[kTarget] = kKnife;
    for (const char* key : {"スキ", "メモ", "カロ"}) {
        for (const Case& c : {Case{"missed", 1, 0, false}, Case{"full guard", 0, 2, false},
                              Case{"partial guard", 0, 1, true}}) {
            SCOPED_TRACE(std::string(key) + ", " + c.name);
            game.form.Message[kTarget].text.clear();
            ListBox& commands = game.form.Command[kTarget];
            commands.clear();
            for (int i = 0; i < 6; ++i) commands.add("Ｃ" + std::to_string(i), 0);
            f.proficiency[kTarget][kKnife] = 50;
            f.counter(kTarget, kHealHalvingCounter) = 0;
            f.counter(kTarget, kHiddenCounter) = static_cast<std::uint8_t>(c.hidden);
            f.counter(kTarget, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
            std::vector<float> draws{Luck()};
            if (c.breaks && std::string(key) == "メモ") draws.push_back(0.0f);
            Use(key, 0, draws);
            const bool broke = f.proficiency[kTarget][kKnife] != 50 || commands.count() != 6 ||
                               f.counter(kTarget, kHealHalvingCounter) != 0;
            EXPECT_EQ(broke, c.breaks) << Box(kTarget);
            if (c.hidden)
                EXPECT_TRUE(EndsWith(Box(kTarget), "ミス！\r\n")) << Box(kTarget);
            else
                EXPECT_NE(EndsWith(Box(kTarget), "のダメージ！\r\n"), c.breaks) << Box(kTarget);
        }
    }
}

} // namespace
} // namespace vk2
