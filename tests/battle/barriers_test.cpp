#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/counters.h"
#include "battle/skills/execute_skill.h"
#include "battle/targeting.h"
#include "model/elements.h"
#include "model/game.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 (spirit 120) protects; slots 0-2 stand on the left, 3 and 4 on the right. Each box
// starts with a line of its own, so a message that should clear it shows.
constexpr SlotIndex kCaster = 0;
constexpr SlotIndex kAlly = 1;
constexpr SlotIndex kOtherAlly = 2;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kOtherFoe = 4;
const std::string kOldLine = "前の行\r\n";

class BarrierTest : public ::testing::Test {
  protected:
    BarrierTest() {
        for (auto& cursor : game.form.Cursor) cursor.visible = false;
        test::PutOnField(game, {kCaster, kAlly, kOtherAlly, kFoe, kOtherFoe});
        for (SlotIndex s : {kCaster, kAlly, kOtherAlly, kFoe, kOtherFoe}) {
            f.spirit[s] = 120;
            f.tension[s] = 50;
            f.affinity[s].fill(kNormal);
            game.form.Message[s].text = kOldLine;
        }
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    void Mark(SlotIndex s, Colour colour = kWhite) {
        game.form.Cursor[s].visible = true;
        game.form.Cursor[s].foreColour = colour;
    }

    void Cast(const std::string& key, SlotIndex target = kAlly, SlotIndex actor = kCaster) {
        std::string k = key;
        ExecuteSkill(game, actor, target, k);
    }

    std::uint8_t Counter(SlotIndex s, int k) const { return f.counter(s, k); }
    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

TEST_F(BarrierTest, SingleBarriersLastBySpiritAndSayWhatTheyHalve) {
    struct Case {
        const char* key;
        int counter;
        std::string box;
    };
    const std::string physical = "物理ダメージ半減。\r\n";
    const std::string magic = "魔法ダメージ半減。\r\n";
    const std::vector<Case> cases{
        {"アイ", kIceWallCounter, kOldLine + physical}, // the ice wall keeps what the box said
        {"ウイ", kWindGuardCounter, physical},          {"アー", kEarthProtectCounter, physical},
        {"フレ", kFlameCurtainCounter, magic},          {"マグ", kMagneticShieldCounter, magic},
    };
    game.actionCode = 6;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        game.form.Message[kAlly].text = kOldLine;
        f.counter(kAlly, c.counter) = 0;
        Cast(c.key);
        EXPECT_EQ(Counter(kAlly, c.counter), 11); // Int(120 x 0.05) + 5
        EXPECT_EQ(Box(kAlly), c.box);
        EXPECT_EQ(t.platform.sounds.back(), 5);
    }
}

// A white mark gets the barrier; a grey mark or none does not.
TEST_F(BarrierTest, ElementBarriersCoverEveryWhiteMark) {
    struct Case {
        const char* key;
        int counter;
        int turns;
        std::string box;
        int nullified; // an element the barrier makes harmless, 0 for none
    };
    const std::vector<Case> cases{
        {"レモ", kLemonBarrierCounter, 11, "雷・風属性\r\nダメージ無効化。\r\n", kWind},
        {"オレ", kOrangeBarrierCounter, 11, "炎・地属性\r\nダメージ無効化。\r\n", kEarth},
        {"ライ", kLimeBarrierCounter, 11, "冷・水・木属性\r\nダメージ無効化。\r\n", kWood},
        {"カボ", kKabosuBarrierCounter, 7, "無属性ダメージ無効化。\r\n", 0}, // Int(120 x 0.04) + 3
    };
    Mark(kCaster);
    Mark(kAlly);
    Mark(kFoe, kGreyMark);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        for (SlotIndex s : {kCaster, kAlly, kFoe}) {
            game.form.Message[s].text = kOldLine;
            f.counter(s, c.counter) = 0;
        }
        Cast(c.key);
        for (SlotIndex s : {kCaster, kAlly}) {
            EXPECT_EQ(Counter(s, c.counter), c.turns);
            EXPECT_EQ(Box(s), c.box);
            if (c.nullified != 0) {
                EXPECT_EQ(f.affinity[s][c.nullified - 1], kImmune);
            }
        }
        EXPECT_EQ(Counter(kFoe, c.counter), 0);
        EXPECT_EQ(Box(kFoe), kOldLine);
        EXPECT_EQ(t.platform.sounds.back(), 6);
    }
}

TEST_F(BarrierTest, OtherProtectionsSetTheirCounters) {
    struct Case {
        const char* key;
        int counter;
        int value;
        const char* line;
        int lastSound;
    };
    const std::vector<Case> cases{
        {"魔除", kWardCounter, 14, "魔属性ダメージ無効化。", 10},
        {"水鏡", kMirrorCounter, 12, "魔法を反射。", 19}, // Int(120 x 0.06) + 5
        {"天面", kMirrorCounter, 12, "魔法を反射。", 19},
        {"シル", kElementFactorCounter, 100, "全ての属性ダメージ半減。", 92},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        game.form.Message[kAlly].text = kOldLine;
        f.counter(kAlly, c.counter) = 0;
        Cast(c.key);
        EXPECT_EQ(Counter(kAlly, c.counter), c.value);
        EXPECT_EQ(Box(kAlly), kOldLine + c.line + "\r\n");
        EXPECT_EQ(t.platform.sounds.back(), c.lastSound);
    }
    EXPECT_EQ(f.affinity[kAlly][kDark - 1], kImmune); // the ward, rebuilt into the affinities
    EXPECT_EQ(f.affinity[kAlly][kFire - 1], kResist); // the crepe resists every element
}

// The fire element (index 0) is absorbed already, so the first draw is thrown back.
TEST_F(BarrierTest, CosmoDropAbsorbsAnElementNotAbsorbedYet) {
    f.affinity[kAlly][kFire - 1] = kAbsorb;
    f.element[kAlly] = 0;
    t.random.push(0.05f); // index 0: 炎, absorbed
    t.random.push(0.4f);  // index 3: 風
    Cast("コス");
    EXPECT_EQ(Counter(kAlly, kAbsorbedElementsCounter), kWind);
    EXPECT_EQ(Box(kAlly), kOldLine + "風属性ダメージを吸収。\r\n");
    EXPECT_EQ(f.affinity[kAlly][kWind - 1], kAbsorb);
}

TEST_F(BarrierTest, CosmoDropOnAFighterAbsorbingEverythingChangesNothing) {
    f.affinity[kAlly].fill(kAbsorb);
    Cast("コス");
    EXPECT_EQ(Counter(kAlly, kAbsorbedElementsCounter), 0);
    EXPECT_EQ(Box(kAlly), kOldLine);
}

TEST_F(BarrierTest, StatusGuardCostsTheActorTension) {
    struct Case {
        const char* key;
        const char* line;
    };
    for (const Case& c : std::vector<Case>{{"アタ", "魂に真の安寧を…"}, {"よも", "ステータス異常を予防。"}}) {
        SCOPED_TRACE(c.key);
        f.tension[kCaster] = 50;
        game.form.Message[kAlly].text = kOldLine;
        Cast(c.key);
        EXPECT_EQ(Counter(kAlly, kStatusGuardCounter), 2);
        EXPECT_EQ(f.tension[kCaster], 35);
        EXPECT_EQ(Box(kAlly), kOldLine + c.line + "\r\n");
    }
}

// A fighter covers one ally at a time; another protector's cover stays.
TEST_F(BarrierTest, NewCoverEndsTheActorsPreviousCover) {
    f.counter(kOtherFoe, kKarmaCounter) = kFoe + 10;
    Cast("かば", kAlly);
    Cast("かば", kOtherAlly);
    EXPECT_EQ(Counter(kAlly, kKarmaCounter), 0);
    EXPECT_EQ(Counter(kOtherAlly, kKarmaCounter), kCaster + 10);
    EXPECT_EQ(Counter(kOtherFoe, kKarmaCounter), kFoe + 10);
    EXPECT_EQ(Box(kAlly), kOldLine + "「物理攻撃から守る！」\r\n");
}

TEST_F(BarrierTest, RetributionMarksTheActor) {
    Cast("因果", kFoe);
    EXPECT_EQ(Counter(kCaster, kKarmaCounter), 9);
    EXPECT_EQ(f.tension[kCaster], 46);
    EXPECT_EQ(Box(kCaster), kOldLine + "自因自果の理を知るべし！\r\n");
    EXPECT_EQ(t.platform.sounds, std::vector<int>{190});
}

TEST_F(BarrierTest, HidingTwiceStacksTheTurns) {
    for (const char* key : {"霧が", "木の"}) {
        SCOPED_TRACE(key);
        f.counter(kCaster, kHiddenCounter) = 0;
        game.form.StPic[kCaster].visible = false;
        Cast(key, kFoe);
        Cast(key, kFoe);
        EXPECT_EQ(Counter(kCaster, kHiddenCounter), 14);
        EXPECT_TRUE(game.form.StPic[kCaster].visible);
        EXPECT_EQ(Counter(kFoe, kHiddenCounter), 0);
    }
    EXPECT_EQ(Box(kCaster), kOldLine + "身を隠した。\r\n身を隠した。\r\n身を隠した。\r\n身を隠した。\r\n");
}

} // namespace
} // namespace vk2
