#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "battle/targeting.h"
#include "model/elements.h"
#include "model/game.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kCaster = 0;
constexpr SlotIndex kPatient = 3;

class SkillRulesTest : public ::testing::Test {
  protected:
    SkillRulesTest() {
        test::PutAllOnField(game);
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            game.f.maxHp[s] = 1000;
            SetHp(game, s, 500);
        }
    }
    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    std::uint8_t& Counter(SlotIndex s, int k) { return game.f.counter(s, k); }

    test::TestGame t;
    Game& game = t.game;
};

TEST_F(SkillRulesTest, UnknownKeyGoesOnUnchangedToTheTechniques) {
    t.random.push(0.75f); // the roll every technique draws first: Int(0.75 * 16) = 12
    SlotIndex target = kPatient;
    std::string key = "ＺＺ";
    ExecuteSkill(game, kCaster, target, key);
    EXPECT_EQ(game.techniqueRoll, 12);
    EXPECT_EQ(target, kPatient);
    EXPECT_EQ(key, "ＺＺ");
}

TEST_F(SkillRulesTest, HealingIsHalvedPerCounterAndReversedWhileHealsHarm) {
    struct Case {
        int halvings;
        int reversed;
        double base;
        std::string hp;
        std::string piece;
    };
    const std::vector<Case> cases{
        {0, 0, 300, "800", " 300 HP回復。"},     {2, 0, 300, "575", " 75 HP回復。"}, // a quarter
        {2, 0, 301.9, "575", " 75 HP回復。"}, // the amount is rounded down
        {0, 1, 300, "200", " 300 のダメージ！"}, {1, 1, 300, "350", " 150 のダメージ！"},
        {0, 0, 900, "1000", " 900 HP回復。"}, // the box stops at the maximum, the line tells the amount
        {0, 1, 900, "0", " 900 のダメージ！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.piece + " from " + std::to_string(c.base));
        SetHp(game, kPatient, 500);
        Counter(kPatient, kHealHalvingCounter) = static_cast<std::uint8_t>(c.halvings);
        Counter(kPatient, kReversedHealingCounter) = static_cast<std::uint8_t>(c.reversed);
        EXPECT_EQ(Heal(game, kPatient, c.base), c.piece);
        EXPECT_EQ(game.form.HP[kPatient].text, c.hp);
    }
}

TEST_F(SkillRulesTest, PoisonStrikesAtOnceOnlyWhenAlreadyPoisoned) {
    struct Case {
        int before;
        int reversed;
        int after;
        std::string hp;
        std::string box;
    };
    // maxHp 1000: the dose that finds poison in place takes Int(50 + counter * 0.006).
    const std::vector<Case> cases{
        {0, 0, 4, "500", "毒に冒された。\r\n"},
        {4, 0, 8, "450", "毒が回った。\r\n 50 のダメージ！\r\n"},
        {4, 1, 8, "550", "毒が回った。\r\n 50 HP回復。\r\n"},
        {250, 0, 254, "449", "毒が回った。\r\n 51 のダメージ！\r\n"},
        // Past the byte's limit the fighter stays poisoned instead of counting as freshly poisoned.
        {254, 0, 255, "449", "毒が回った。\r\n 51 のダメージ！\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("poison counter " + std::to_string(c.before));
        SetHp(game, kPatient, 500);
        game.form.Message[kPatient].text.clear();
        game.form.StPic[kPatient].visible = false;
        Counter(kPatient, kPoisonCounter) = static_cast<std::uint8_t>(c.before);
        Counter(kPatient, kReversedHealingCounter) = static_cast<std::uint8_t>(c.reversed);
        Poison(game, kPatient, 4);
        EXPECT_EQ(Counter(kPatient, kPoisonCounter), c.after);
        EXPECT_EQ(game.form.HP[kPatient].text, c.hp);
        EXPECT_EQ(Box(kPatient), c.box);
        EXPECT_TRUE(game.form.StPic[kPatient].visible);
        EXPECT_EQ(game.form.StPic[kPatient].picture, kPoisonCounter - kHiddenCounter);
    }
}

TEST_F(SkillRulesTest, FieldEffectLastsBySpiritAndFighterCount) {
    struct Case {
        int spirit;
        std::array<std::uint8_t, 2> sides;
        int turns;
    };
    const std::vector<Case> cases{
        {40, {2, 2}, 8},      // Int(0.8 + 2) = 2 per fighter
        {98, {3, 2}, 20},     // exactly 4 per fighter
        {97, {1, 1}, 6},      // just below: 3 per fighter
        {32767, {3, 3}, 255}, // a turn count past a byte stays at its limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("spirit " + std::to_string(c.spirit));
        game.f.spirit[kCaster] = static_cast<std::int16_t>(c.spirit);
        game.partySize = c.sides;
        SetFieldEffect(game, kCaster, 0xDDAADD);
        EXPECT_EQ(game.fieldEffectTurns, c.turns);
        EXPECT_EQ(game.form.backColour, 0xDDAADDu);
    }
}

TEST_F(SkillRulesTest, GroupEffectsReachTheSlotsPassingTheirTest) {
    game.partySize = {3, 2};
    for (SlotIndex s : {1, 2, 4, 5}) game.form.ViewUnder[s].visible = false;
    for (SlotIndex s : {1, 3, 4}) {
        game.form.Cursor[s].visible = true;
        game.form.Cursor[s].foreColour = kWhite;
    }
    game.form.Cursor[1].foreColour = kGreyMark;
    for (SlotIndex s : {0, 2, 5}) game.form.Cursor[s].visible = false;

    const auto visited = [&](auto walk, SlotTest test) {
        std::vector<SlotIndex> slots;
        walk(test, [&](SlotIndex s) { slots.push_back(s); });
        return slots;
    };
    const auto all = [&](SlotTest test, auto act) { ForEachSlot(game, test, act); };
    const auto rightSide = [&](SlotTest test, auto act) { ForEachOnSide(game, 5, test, act); };

    EXPECT_EQ(visited(all, SlotTest::OnField), (std::vector<SlotIndex>{0, 3}));
    EXPECT_EQ(visited(all, SlotTest::Marked), (std::vector<SlotIndex>{1, 3, 4}));
    EXPECT_EQ(visited(all, SlotTest::MarkedWhite), (std::vector<SlotIndex>{3, 4}));
    // The right side has two members: slot 5 is outside it whatever it shows.
    game.form.ViewUnder[5].visible = true;
    EXPECT_EQ(visited(rightSide, SlotTest::OnField), (std::vector<SlotIndex>{3}));
    EXPECT_EQ(visited(rightSide, SlotTest::Marked), (std::vector<SlotIndex>{3, 4}));
}

TEST_F(SkillRulesTest, AnimationsResolveElementColoursAndTheirSlot) {
    game.form.Cursor[4].visible = true;
    game.form.Cursor[4].foreColour = kWhite;
    PlayAnimation(game, kPatient, {EffectSlot::Marked, 3, 1, Ec(kFire), kTransparent, 114});
    EXPECT_EQ(t.platform.sounds, (std::vector<int>{114}));
    const ActionEffect& effect = game.form.actionEffect;
    EXPECT_EQ(effect.colourA, ElementColour(kFire));
    EXPECT_EQ(effect.colourB, 1u);
    EXPECT_TRUE(effect.animated[4]);
    EXPECT_FALSE(effect.animated[kPatient]);

    PlayAnimation(game, kPatient, {EffectSlot::Target, 3, 1, Fixed(0x555555), Ec(kWood), 190});
    EXPECT_EQ(effect.colourA, 0x555555u);
    EXPECT_EQ(effect.colourB, ElementColour(kWood));
    EXPECT_TRUE(effect.animated[kPatient]);
    EXPECT_FALSE(effect.animated[4]);

    PlayAnimation(game, kPatient, {});
    EXPECT_EQ(t.platform.sounds.size(), 2u) << "an effect without animation plays nothing";
}

} // namespace
} // namespace vk2
