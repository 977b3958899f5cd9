#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/counters.h"
#include "battle/skills/skill_rules.h"
#include "battle/techniques/execute_technique.h"
#include "battle/techniques/technique_rules.h"
#include "core/text.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 0;
constexpr SlotIndex kTarget = 3;

class TechniqueFrameTest : public ::testing::Test {
  protected:
    TechniqueFrameTest() {
        test::PutAllOnField(game);
        game.form.Command[kActor].add("たたかう", 0);
        game.form.Command[kActor].selected = 0;
        game.actionKind = 2;
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    // The action's elements as nine digits, 炎 first.
    std::string Elements() const {
        std::string digits;
        for (std::uint8_t e : game.actionElements) digits += static_cast<char>('0' + e);
        return digits;
    }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// Charged means the top tension band and the wielded kind trained above 79; otherwise a roll below
// 3 may call a named weapon's own move, and always strips the weapon's elements.
TEST_F(TechniqueFrameTest, FinishingMoveSelection) {
    struct Case {
        const char* name;
        Element element;
        WeaponKind kind;
        int proficiency;
        const char* weapon;
        bool charged;
        int r;
        Element targetElement;
        const char* box; // the actor's box afterwards; its first two characters are the new key
        const char* elements;
        int actionKind;
    };
    const char* kept = "111111111";
    const char* none = "000000000";
    const std::vector<Case> cases{
        {"風 sword", kWind, kSword, 80, "ロングソード", true, 5, kNone, "飛旋断", "000100000", 2},
        {"炎 sword: no move, no elements", kFire, kSword, 80, "ロングソード", true, 5, kNone, "たたかう",
         none, 2},
        {"proficiency 79 is not charged", kWind, kSword, 79, "ロングソード", true, 5, kNone, "たたかう", kept,
         2},
        {"冷 knife at 89", kCold, kKnife, 89, "ダガー", true, 5, kNone, "たたかう", none, 2},
        {"冷 knife at 90", kCold, kKnife, 90, "ダガー", true, 5, kNone, "血肉よ紅い霜となれ", "010000000", 2},
        {"細雪 at 80, any element", kEarth, kKnife, 80, "細雪", true, 5, kNone, "血肉よ紅い霜となれ",
         "010000000", 2},
        {"無 fist", kNone, kFist, 80, "メリケン", true, 5, kNone, "烈火焦魂拳", "100000000", 2},
        {"木 spear", kWood, kSpear, 80, "スピア", true, 5, kNone, "ウッドピアシング", "000000100", 3},
        {"無 axe", kNone, kAxe, 80, "バトルアクス", true, 5, kNone, "アトラスクラッシュ", "000010000", 2},
        {"無 staff takes the first staff row", kNone, kStaff, 85, "ロッド", true, 5, kNone,
         "オーシャンディバイド", "000001000", 2},
        {"魔 staff", kDark, kStaff, 85, "ロッド", true, 5, kNone, "マグヌス・オプス", "000000010", 0},
        {"雷 bow", kThunder, kBowGun, 80, "ボウガン", true, 5, kNone, "ジュピターストライク", "001000000", 2},
        {"聖 axe", kHoly, kAxe, 80, "バトルアクス", true, 5, kNone, "骨を砕きても謝すべし", "000000001", 2},
        {"charged named axe: no lucky move", kFire, kAxe, 80, "鏖殺大斧", true, 0, kNone, "たたかう", none,
         2},
        {"uncharged, r = 2", kWind, kSword, 99, "ロングソード", false, 2, kNone, "たたかう", none, 2},
        {"uncharged, r = 3", kWind, kSword, 99, "ロングソード", false, 3, kNone, "たたかう", kept, 2},
        {"鏖殺大斧, r = 2", kNone, kAxe, 0, "鏖殺大斧", false, 2, kNone, "皆殺し", none, 2},
        {"三途之舟漕, r = 0", kNone, kSpear, 0, "三途之舟漕", false, 0, kNone, "黄泉送り", none, 2},
        {"岩融, r = 1", kNone, kSpear, 0, "岩融", false, 1, kNone, "刀狩り", none, 2},
        {"銀のフォーク against 魔", kNone, kKnife, 0, "銀のフォーク", false, 0, kDark, "シルバーモーニング",
         none, 2},
        {"銀のフォーク against 無", kNone, kKnife, 0, "銀のフォーク", false, 0, kNone, "たたかう", none, 2},
        {"銀のフォーク against 魔, r = 3", kNone, kKnife, 0, "銀のフォーク", false, 3, kDark, "たたかう",
         kept, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.element[kActor] = c.element;
        f.equippedKind[kActor] = c.kind;
        f.proficiency[kActor] = {};
        f.proficiency[kActor][c.kind] = static_cast<std::uint8_t>(c.proficiency);
        f.weapon[kActor] = c.weapon;
        game.form.TGage[kActor].backColour = c.charged ? kTensionHighColour : kTensionMidColour;
        f.element[kTarget] = c.targetElement;
        game.form.Message[kActor].text = "たたかう\r\n";
        game.actionElements.fill(1);
        game.actionKind = 2;
        game.techniqueRoll = static_cast<std::int16_t>(c.r);
        std::string key = "たた";
        SelectFinishingMove(game, kActor, kTarget, key);
        EXPECT_EQ(game.form.Message[kActor].text, std::string(c.box) + "\r\n");
        EXPECT_EQ(key, Left(c.box, 2));
        EXPECT_EQ(Elements(), c.elements);
        EXPECT_EQ(game.actionKind, c.actionKind);
    }
}

// A side-wide move marks the whole side of the slot last pointed at.
TEST_F(TechniqueFrameTest, SideWideMoveMarksTheTargetsSide) {
    game.phase = 10 + kActor;
    game.targetSlot = kTarget;
    for (SlotIndex s : {3, 4}) game.form.ViewFrame[s].borderStyle = 0; // standing
    f.element[kActor] = kWind;
    f.equippedKind[kActor] = kSword;
    f.proficiency[kActor][kSword] = 80;
    game.form.TGage[kActor].backColour = kTensionHighColour;
    std::string key = "たた";
    SelectFinishingMove(game, kActor, kTarget, key);
    EXPECT_EQ(key, "飛旋");
    EXPECT_EQ(game.actionCode, 199);
    EXPECT_TRUE(game.form.Cursor[3].visible);
    EXPECT_TRUE(game.form.Cursor[4].visible);
}

TEST_F(TechniqueFrameTest, UnknownKeyOnlyDrawsTheRoll) {
    t.random.push(7.0f / 16);
    SlotIndex target = kTarget;
    std::string key = "ＺＺ";
    ExecuteTechnique(game, kActor, target, key);
    EXPECT_EQ(game.techniqueRoll, 7);
    EXPECT_EQ(key, "ＺＺ");
    EXPECT_EQ(target, kTarget);
    EXPECT_EQ(game.form.Message[kTarget].text, "");
    EXPECT_FALSE(HasTechniqueHandler("ＺＺ"));
    for (const char* strike : {"たた", "おし", "二連", "三連", "そぎ", "突撃", "一期", "ああ"})
        EXPECT_TRUE(HasTechniqueHandler(strike)) << strike;
}

TEST_F(TechniqueFrameTest, ResistRollComparesInDoublePrecision) {
    struct Case {
        double c;
        double k;
        bool orEqual;
        int r;
        bool succeeds;
    };
    // The actor's spirit is 100, the target's 100: (c − k × r) × 100 against 100.
    const std::vector<Case> cases{
        {1.5, 0.1, false, 4, true}, {1.5, 0.1, false, 5, false},  {1.5, 0.1, true, 5, true},
        {1.5, 0.1, true, 6, false}, {1.2, 0.03, true, 15, false}, {2.0, 0.05, false, 15, true},
    };
    f.spirit[kActor] = 100;
    f.spirit[kTarget] = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.c) + " - " + std::to_string(c.k) + " x " + std::to_string(c.r));
        EXPECT_EQ(ResistRoll(game, kActor, kTarget, ResistTest{c.c, c.k, c.orEqual}, c.r), c.succeeds);
    }
}

TEST_F(TechniqueFrameTest, GuardTests) {
    struct Case {
        int guard;
        bool belowTwo;
        bool notTwo;
        bool zero;
    };
    for (const Case& c : {Case{0, true, true, true}, Case{1, true, true, false}, Case{2, false, false, false},
                          Case{3, false, true, false}}) {
        SCOPED_TRACE("guard " + std::to_string(c.guard));
        f.counter(kTarget, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        EXPECT_EQ(PassesGuard(game, kTarget, GuardTest::BelowTwo), c.belowTwo);
        EXPECT_EQ(PassesGuard(game, kTarget, GuardTest::NotTwo), c.notTwo);
        EXPECT_EQ(PassesGuard(game, kTarget, GuardTest::Zero), c.zero);
    }
}

TEST_F(TechniqueFrameTest, StrikeConnectsUnlessMissedOrBlocked) {
    struct Case {
        const char* box;
        bool connected;
    };
    for (const Case& c :
         {Case{" 120 のダメージ！\r\n", true}, Case{"会心の一撃！\r\n 900 のダメージ！\r\n", true},
          Case{"ミス！\r\n", false}, Case{"攻撃を受け止めた！\r\n", false}}) {
        SCOPED_TRACE(c.box);
        game.form.Message[kTarget].text = c.box;
        EXPECT_EQ(StrikeConnected(game, kTarget), c.connected);
    }
}

} // namespace
} // namespace vk2
