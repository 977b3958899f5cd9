#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "model/accessories.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 casts at slot 3. The left side is slots 0-1, the right side 3-5; everyone stands on the
// field with 1000 of 1000 HP, spirit 40 and tension 50, and only the right side is marked white.
constexpr SlotIndex kCaster = 0;
constexpr SlotIndex kAlly = 1;
constexpr SlotIndex kFoe = 3;
constexpr SlotIndex kSecondFoe = 4;
constexpr SlotIndex kThirdFoe = 5;

class AfflictionTest : public ::testing::Test {
  protected:
    AfflictionTest() {
        game.partySize = {2, 3};
        for (SlotIndex s : {kCaster, kAlly, kFoe, kSecondFoe, kThirdFoe}) {
            f.level[s] = 5;
            f.baseMaxHp[s] = f.maxHp[s] = 1000;
            f.baseMaxMp[s] = f.maxMp[s] = 100;
            f.baseSpirit[s] = f.spirit[s] = 40;
            f.tension[s] = 50;
            f.affinity[s].fill(kNormal);
            game.form.HP[s].text = "1000";
            game.form.MP[s].text = "100";
            game.form.Cursor[s].visible = false;
        }
        test::PutOnField(game, {kCaster, kAlly, kFoe, kSecondFoe, kThirdFoe});
        for (SlotIndex s : {kFoe, kSecondFoe, kThirdFoe}) Mark(s);
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    void Mark(SlotIndex s) {
        game.form.Cursor[s].visible = true;
        game.form.Cursor[s].foreColour = kWhite;
    }

    // Casts and returns the target the effect ended on.
    SlotIndex Cast(const std::string& command, SlotIndex target = kFoe) {
        std::string key = command;
        ExecuteSkill(game, kCaster, target, key);
        return target;
    }

    void Roll(int index, int of) {
        t.random.push((static_cast<float>(index) + 0.5f) / static_cast<float>(of));
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    std::uint8_t Counter(SlotIndex s, int k) const { return f.counter(s, k); }
    const std::vector<int>& Sounds() const { return t.platform.sounds; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// A full guard turns an affliction into "ミス！" and nothing else; some effects still show their
// animation (and so their sound) before they fail.
TEST_F(AfflictionTest, FullGuardAnswersWithMissAndChangesNothing) {
    struct Case {
        const char* key;
        std::vector<int> sounds;
    };
    const std::vector<Case> cases{
        {"ヴェ", {}}, {"一切", {}}, {"白無", {10}}, {"黒無", {10}}, {"毒針", {}},
        {"鉱毒", {}}, {"求不", {}}, {"狂気", {15}}, {"愛別", {}},   {"イン", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        t.platform.sounds.clear();
        game.form.Message[kFoe].text.clear();
        f.counter(kFoe, kStatusGuardCounter) = 2;
        f.counter(kCaster, kMadnessCounter) = 4; // something for the infection to pass on
        const auto counters = f.statusCounters;
        Cast(c.key);
        EXPECT_EQ(Box(kFoe), "ミス！\r\n");
        EXPECT_EQ(f.statusCounters, counters);
        EXPECT_EQ(game.form.HP[kFoe].text, "1000");
        EXPECT_TRUE(game.form.HP[kFoe].visible);
        EXPECT_EQ(f.maxHp[kFoe], 1000);
        EXPECT_TRUE(game.form.ViewUnder[kSecondFoe].visible);
        EXPECT_EQ(Sounds(), c.sounds);
    }
}

TEST_F(AfflictionTest, VenomGenomeReversesHealingAndSufferingMakesWeakToEverything) {
    Cast("ヴェ");
    EXPECT_EQ(Counter(kFoe, kReversedHealingCounter), 1);
    EXPECT_EQ(Box(kFoe), "DNAを蝕まれた。\r\n");

    Cast("一切", kSecondFoe);
    EXPECT_EQ(Counter(kSecondFoe, kElementFactorCounter), 200);
    EXPECT_EQ(f.affinity[kSecondFoe], (ElementCodes{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(f.tension[kSecondFoe], 45);
    EXPECT_EQ(Box(kSecondFoe), "一切諸行皆悉是苦！\r\n");
}

TEST_F(AfflictionTest, WhiteImpermanenceMakesTheCurrentHpTheMaximumForGood) {
    f.equipHp[kFoe] = 50;
    f.maxHp[kFoe] = 1050;
    game.form.HP[kFoe].text = "700";
    game.form.Message[kFoe].text = "earlier\r\n";
    Cast("白無");
    EXPECT_EQ(f.maxHp[kFoe], 700);
    EXPECT_EQ(f.hpMod[kFoe], 700 - 1000 - 50);
    EXPECT_EQ(Box(kFoe), "現在のHPが上限になった！\r\n");
}

TEST_F(AfflictionTest, BlackImpermanenceHidesTheNumbers) {
    Cast("黒無");
    EXPECT_FALSE(game.form.HP[kFoe].visible);
    EXPECT_FALSE(game.form.MP[kFoe].visible);
    EXPECT_EQ(game.form.HPMP[kFoe].backColour, kBlack);
    EXPECT_EQ(Box(kFoe), "HP、MP確認不能！\r\n");
}

// A fresh dose only poisons; on a poisoned fighter the poison works at once, by the raised count.
TEST_F(AfflictionTest, NeedleAndMineralPoison) {
    struct Case {
        const char* key;
        int poisonBefore;
        int poisonAfter;
        const char* hp;
        const char* box;
    };
    const std::vector<Case> cases{
        {"毒針", 0, 6, "1000", "毒に冒された。\r\n"},
        {"毒針", 3, 9, "950", "毒が回った。\r\n 50 のダメージ！\r\n"}, // Int(50 + 0.054)
        {"鉱毒", 0, 6, "1000", "毒に冒された。\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " on " + std::to_string(c.poisonBefore));
        game.form.Message[kFoe].text.clear();
        game.form.HP[kFoe].text = "1000";
        f.tension[kFoe] = 50;
        f.counter(kFoe, kPoisonCounter) = static_cast<std::uint8_t>(c.poisonBefore);
        Cast(c.key);
        EXPECT_EQ(Counter(kFoe, kPoisonCounter), c.poisonAfter);
        EXPECT_EQ(game.form.HP[kFoe].text, c.hp);
        EXPECT_EQ(Box(kFoe), c.box);
        EXPECT_EQ(f.tension[kFoe], 44);
        EXPECT_TRUE(game.form.StPic[kFoe].visible);
    }
}

TEST_F(AfflictionTest, ItemBanPlaysItsSoundAfterTheBan) {
    Cast("求不");
    EXPECT_EQ(Counter(kFoe, kItemBanCounter), 1);
    EXPECT_EQ(Box(kFoe), "アイテム使用禁止。\r\n");
    EXPECT_EQ(Sounds(), std::vector<int>{190});
}

// The eye of the dead spares a fighter of higher spirit and the handkerchief's wearer, and pays
// no heed to the guard.
TEST_F(AfflictionTest, EyeOfTheDeadLeavesLevelPlusOneHp) {
    struct Case {
        int targetSpirit;
        const char* accessory;
        const char* hp;
        const char* box;
    };
    const std::vector<Case> cases{
        {40, "", "6", "死の間際に追いやられた！\r\n"},
        {41, "", "1000", "ミス！\r\n"},
        {10, "アリスのハンカチ", "1000", "ミス！\r\n"},
    };
    f.counter(kFoe, kStatusGuardCounter) = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.targetSpirit);
        game.form.Message[kFoe].text.clear();
        game.form.HP[kFoe].text = "1000";
        f.spirit[kFoe] = static_cast<std::int16_t>(c.targetSpirit);
        f.accessory[kFoe] = c.accessory;
        t.platform.sounds.clear();
        Cast("アヌ");
        EXPECT_EQ(game.form.HP[kFoe].text, c.hp);
        EXPECT_EQ(Box(kFoe), c.box);
        EXPECT_EQ(Sounds(), std::vector<int>{180}); // the animation plays either way
    }
}

TEST_F(AfflictionTest, BombAndOilIgnoreTheGuard) {
    f.counter(kFoe, kStatusGuardCounter) = 2;
    Cast("時限");
    EXPECT_EQ(Counter(kFoe, kTimeBombCounter), 5);
    EXPECT_EQ(Box(kFoe), "設置！\r\n");
    EXPECT_TRUE(game.form.StPic[kFoe].visible);

    Cast("オイ", kSecondFoe);
    EXPECT_EQ(Counter(kSecondFoe, kOilCounter), 1);
    EXPECT_EQ(Box(kSecondFoe), "油をまかれた。\r\n");
    EXPECT_NE(f.affinity[kSecondFoe], (ElementCodes{3, 3, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(Sounds(), (std::vector<int>{22, 160}));
}

// The sleeper keeps 1 HP and wakes; what the caster gains is halved like any heal of the victim.
TEST_F(AfflictionTest, NightmareDrainsAllButOneHpAndWakes) {
    struct Case {
        const char* targetHp;
        int halving;
        const char* casterHp;
        const char* casterLine;
    };
    const std::vector<Case> cases{
        {"801", 1, "600", " 400 HP回復。\r\n"},
        {"801", 0, "1000", " 800 HP回復。\r\n"},
        {"1", 0, "200", " 0 HP回復。\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.targetHp);
        game.form.Message[kCaster].text.clear();
        game.form.Message[kFoe].text.clear();
        game.form.HP[kCaster].text = "200";
        game.form.HP[kFoe].text = c.targetHp;
        f.counter(kFoe, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halving);
        f.counter(kFoe, kSleepCounter) = 4;
        game.form.StPic[kFoe].visible = true;
        Cast("ナイ");
        EXPECT_EQ(game.form.HP[kFoe].text, "1");
        EXPECT_EQ(game.form.HP[kCaster].text, c.casterHp);
        EXPECT_EQ(Box(kCaster), c.casterLine);
        EXPECT_EQ(Box(kFoe), "生気を吸い取られた！\r\n目を覚ました。\r\n");
        EXPECT_EQ(Counter(kFoe, kSleepCounter), 0);
        EXPECT_FALSE(game.form.StPic[kFoe].visible);
    }
}

TEST_F(AfflictionTest, NightmareDoesNotRaiseTheFallen) {
    game.form.HP[kFoe].text = "0";
    game.form.HP[kCaster].text = "200";
    Cast("ナイ");
    EXPECT_EQ(game.form.HP[kFoe].text, "0");
    EXPECT_EQ(game.form.HP[kCaster].text, "200");
}

// Every fighter on the field goes mad, the caster too, except the fully guarded, who are passed
// over without a word.
TEST_F(AfflictionTest, ScarletSkyMaddensEveryoneUnguarded) {
    f.counter(kSecondFoe, kStatusGuardCounter) = 2;
    f.counter(kFoe, kMadnessCounter) = 3;
    game.form.ViewUnder[kThirdFoe].visible = false;
    Cast("真紅");
    for (SlotIndex s : {kCaster, kAlly}) EXPECT_EQ(Counter(s, kMadnessCounter), 5) << s;
    EXPECT_EQ(Counter(kFoe, kMadnessCounter), 8);
    EXPECT_EQ(Counter(kSecondFoe, kMadnessCounter), 0);
    EXPECT_EQ(Counter(kThirdFoe, kMadnessCounter), 0);
    EXPECT_EQ(Box(kCaster), "狂気に駆られた！\r\n");
    EXPECT_EQ(Box(kSecondFoe), "");
    EXPECT_EQ(f.tension[kFoe], 60);
}

TEST_F(AfflictionTest, WanderingInsanityPicksAMarkedVictimAndRedirectsTheAction) {
    game.form.Cursor[kFoe].visible = false;
    Roll(1, 6);          // slot 1: not marked, drawn again
    Roll(kSecondFoe, 6); // marked
    EXPECT_EQ(Cast("ワン"), kSecondFoe);
    EXPECT_EQ(Counter(kSecondFoe, kMadnessCounter), 100);
    EXPECT_EQ(Box(kSecondFoe), "狂気に駆られた！\r\n");
    EXPECT_EQ(Box(kFoe), "");
}

TEST_F(AfflictionTest, CherryMadnessLastsBySpirit) {
    f.spirit[kCaster] = 130;
    game.form.Message[kFoe].text = "earlier\r\n";
    Cast("狂気");
    EXPECT_EQ(Counter(kFoe, kMadnessCounter), 7); // Int(5.2) + 2
    EXPECT_EQ(Box(kFoe), "狂気に駆られた！\r\n");
    EXPECT_TRUE(game.form.StPic[kFoe].visible);
}

TEST_F(AfflictionTest, HolyVoidReachesTheMarkedMembersOfTheTargetsSide) {
    game.form.Cursor[kThirdFoe].visible = false;
    Mark(kAlly);
    f.counter(kSecondFoe, kStatusGuardCounter) = 2;
    Cast("ホー");
    EXPECT_EQ(Counter(kFoe, kHolyVoidCounter), 10);
    EXPECT_EQ(Counter(kSecondFoe, kHolyVoidCounter), 10);
    EXPECT_EQ(Counter(kThirdFoe, kHolyVoidCounter), 0);
    EXPECT_EQ(Counter(kAlly, kHolyVoidCounter), 0);
    EXPECT_EQ(Box(kSecondFoe), "全ての属性防御無効。\r\n");
}

TEST_F(AfflictionTest, SeparationLeavesTheTargetAloneOnItsSide) {
    Cast("愛別", kSecondFoe);
    EXPECT_EQ(game.separatedMember[1], 1);
    EXPECT_EQ(game.separatedMember[0], 3);
    EXPECT_FALSE(game.form.ViewUnder[kFoe].visible);
    EXPECT_TRUE(game.form.ViewUnder[kSecondFoe].visible);
    EXPECT_FALSE(game.form.ViewUnder[kThirdFoe].visible);
    EXPECT_TRUE(game.form.ViewUnder[kAlly].visible);
    EXPECT_EQ(Box(kSecondFoe), "仲間との離別。\r\n");
}

class InfectionTest : public AfflictionTest {
  protected:
    InfectionTest() {
        f.counter(kCaster, kPoisonCounter) = 5;
        f.counter(kFoe, kPoisonCounter) = 2;
        f.counter(kCaster, kSleepCounter) = 250;
        f.counter(kFoe, kSleepCounter) = 10;
        f.counter(kCaster, kHealHalvingCounter) = 1;
        f.counter(kCaster, kUndeadMarkCounter) = 1;
        f.statusIconIndex[kCaster] = 6;
        game.form.StPic[kCaster].visible = true;
        game.form.HPMP[kCaster].backColour = kBlack;
        game.form.HP[kCaster].visible = false;
        game.form.MP[kCaster].visible = false;
    }
};

TEST_F(InfectionTest, PassesEveryAfflictionAndHidesTheTargetsNumbers) {
    f.counter(kCaster, kBloodMarkCounter) = kSecondFoe + 1;
    Cast("イン");
    EXPECT_EQ(Counter(kFoe, kPoisonCounter), 7);
    EXPECT_EQ(Counter(kFoe, kSleepCounter), 255); // the sum stays at the counter's limit
    EXPECT_EQ(Counter(kFoe, kHealHalvingCounter), 1);
    EXPECT_EQ(Counter(kFoe, kUndeadMarkCounter), 1);
    EXPECT_EQ(Counter(kFoe, kBloodMarkCounter), kSecondFoe + 1);
    for (int k : {kPoisonCounter, kSleepCounter, kHealHalvingCounter, kUndeadMarkCounter, kBloodMarkCounter})
        EXPECT_EQ(Counter(kCaster, k), 0) << k;
    EXPECT_FALSE(game.form.HP[kFoe].visible);
    EXPECT_FALSE(game.form.MP[kFoe].visible);
    EXPECT_EQ(game.form.HPMP[kFoe].backColour, kBlack);
    EXPECT_EQ(f.statusIconIndex[kFoe], 6);
    EXPECT_TRUE(game.form.StPic[kFoe].visible);
    EXPECT_EQ(Box(kFoe), "ステータス異常を移された！\r\n");

    EXPECT_EQ(game.form.HPMP[kCaster].backColour, kWhite);
    EXPECT_TRUE(game.form.HP[kCaster].visible);
    EXPECT_FALSE(game.form.StPic[kCaster].visible);
    EXPECT_EQ(Box(kCaster), "ステータス回復。\r\n");
    EXPECT_EQ(Sounds(), std::vector<int>{3});
}

TEST_F(InfectionTest, BloodMarkPassedToItsOwnVictimLapses) {
    f.counter(kCaster, kBloodMarkCounter) = kFoe + 1;
    Cast("イン");
    EXPECT_EQ(Counter(kFoe, kBloodMarkCounter), 0);
    EXPECT_EQ(Counter(kCaster, kBloodMarkCounter), 0);
}

TEST_F(AfflictionTest, RebirthChangesTheElementAndTheBlackMassTakesTheOffering) {
    ListBox& items = game.form.Item[kCaster];
    items.add("薬草", 0);
    items.add("いけにえ", 0);
    items.selected = 1;

    Cast("バプ");
    EXPECT_EQ(f.element[kFoe], kHoly);
    EXPECT_EQ(game.form.ViewFrame[kFoe].borderColour, ElementColour(kHoly));
    EXPECT_EQ(items.count(), 2);
    EXPECT_EQ(Box(kFoe), "聖属性に生まれ変わった。\r\n");

    f.counter(kSecondFoe, kStatusGuardCounter) = 2; // no guard keeps it off
    Cast("黒ミ", kSecondFoe);
    EXPECT_EQ(f.element[kSecondFoe], kDark);
    EXPECT_EQ(game.form.ViewFrame[kSecondFoe].borderColour, ElementColour(kDark));
    ASSERT_EQ(items.count(), 1);
    EXPECT_EQ(items.entries[0].text, "薬草");
    EXPECT_EQ(Box(kSecondFoe), "魔属性に生まれ変わった。\r\n");
    EXPECT_EQ(Sounds(), (std::vector<int>{160, 184}));
}

// Only the fallen of the target's side rise, confused, marked as undead and with heals reversed.
TEST_F(AfflictionTest, NecromancyRaisesTheFallenOfTheTargetsSide) {
    for (SlotIndex s : {kAlly, kSecondFoe}) {
        game.form.HP[s].text = "0";
        game.form.ViewUnder[s].visible = false;
        game.form.ViewFrame[s].borderStyle = 1;
        game.form.TGage[s].visible = false;
        f.timeGauge[s] = 100;
    }
    f.element[kSecondFoe] = kWater;
    Cast("ネク");
    EXPECT_EQ(game.form.HP[kSecondFoe].text, "1");
    EXPECT_TRUE(game.form.ViewUnder[kSecondFoe].visible);
    EXPECT_EQ(game.form.ViewFrame[kSecondFoe].borderStyle, 0);
    EXPECT_EQ(game.form.ViewFrame[kSecondFoe].borderColour, ElementColour(kWater));
    for (int k : {kConfusionCounter, kUndeadMarkCounter, kReversedHealingCounter})
        EXPECT_EQ(Counter(kSecondFoe, k), 1) << k;
    EXPECT_EQ(f.timeGauge[kSecondFoe], 1099);
    EXPECT_TRUE(game.form.TGage[kSecondFoe].visible);
    EXPECT_TRUE(game.form.StPic[kSecondFoe].visible);
    EXPECT_EQ(Box(kSecondFoe), "亡者として蘇った。\r\n");

    EXPECT_EQ(game.form.HP[kAlly].text, "0");
    EXPECT_EQ(game.form.HP[kFoe].text, "1000");
    EXPECT_EQ(Box(kFoe), "");
}

} // namespace
} // namespace vk2
