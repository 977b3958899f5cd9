#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/techniques/weapon_effects.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 1;
constexpr SlotIndex kTarget = 4;

// The moment after slot 1's たたかう connected on slot 4: the effect of the actor's weapon follows,
// reading the technique roll r.
class WeaponEffectTest : public ::testing::Test {
  protected:
    WeaponEffectTest() {
        for (SlotIndex s : {kActor, kTarget}) {
            f.baseMaxHp[s] = f.maxHp[s] = 4000;
            f.level[s] = 5;
            SetHp(game, s, 4000);
        }
        f.baseDefense[kTarget] = f.defense[kTarget] = 100;
        f.baseSpirit[kTarget] = f.spirit[kTarget] = 40;
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    void Hit(const char* weapon, int r) {
        f.weapon[kActor] = weapon;
        game.techniqueRoll = static_cast<std::int16_t>(r);
        ApplyWeaponEffect(game, kActor, kTarget);
    }

    void Commands(SlotIndex s, int count) {
        for (int i = 0; i < count; ++i) game.form.Command[s].add("技" + std::to_string(i), 0);
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

TEST_F(WeaponEffectTest, RazorCutsOneCommandBetweenTheFirstAndTheLastFour) {
    Commands(kTarget, 6);
    game.form.Command[kTarget].selected = 5;
    t.random.push(0.99f); // with six commands there is one candidate, whatever the roll
    Hit("オッカムの剃刀", 7);
    EXPECT_EQ(Box(kTarget), "「技1」を\r\n削除。\r\n");
    ASSERT_EQ(game.form.Command[kTarget].count(), 5);
    EXPECT_EQ(game.form.Command[kTarget].entries[1].text, "技2");
    EXPECT_EQ(game.form.Command[kTarget].selected, 4) << "the selection stays on its command";
}

TEST_F(WeaponEffectTest, RazorSparesShortListsGuardsAndFrenzy) {
    struct Case {
        const char* name;
        int commands;
        int r;
        int guard;
        const char* actorCommand;
    };
    const std::vector<Case> cases{
        {"five commands", 5, 0, 0, "たたかう"},
        {"r = 8", 7, 8, 0, "たたかう"},
        {"full guard", 7, 0, 2, "たたかう"},
        {"frenzy", 7, 0, 0, "アアアアアアアア！！！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.form.Command[kTarget].clear();
        game.form.Command[kActor].clear();
        Commands(kTarget, c.commands);
        game.form.Command[kActor].add(c.actorCommand, 0);
        game.form.Command[kActor].selected = 0;
        f.counter(kTarget, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        Hit("オッカムの剃刀", c.r);
        EXPECT_EQ(game.form.Command[kTarget].count(), c.commands);
        EXPECT_EQ(Box(kTarget), "");
    }
}

TEST_F(WeaponEffectTest, ScytheReapsLowLevelsWithoutCharms) {
    struct Case {
        const char* name;
        int level;
        int r;
        const char* accessory;
        bool reaped;
    };
    const std::vector<Case> cases{
        {"level 9, r = 3", 9, 3, "", true},
        {"level 10", 10, 0, "", false},
        {"r = 4", 9, 4, "", false},
        {"charm", 9, 0, "お守り", false},
        {"handkerchief", 9, 0, "アリスのハンカチ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.form.Message[kTarget].text.clear();
        t.platform.sounds.clear();
        SetHp(game, kTarget, 4000);
        f.level[kTarget] = static_cast<std::uint8_t>(c.level);
        f.accessory[kTarget] = c.accessory;
        Hit("デスサイズ", c.r);
        EXPECT_EQ(game.form.HP[kTarget].text, c.reaped ? "0" : "4000");
        EXPECT_EQ(Box(kTarget), c.reaped ? "魂を摘み取った。\r\n" : "");
        EXPECT_EQ(t.platform.sounds, c.reaped ? std::vector<int>{180} : std::vector<int>{});
    }
}

TEST_F(WeaponEffectTest, SlaveMakerBindsByRollOrByTheSleepingHandkerchief) {
    struct Case {
        const char* name;
        int r;
        int proficiency;
        const char* accessory;
        int sleep;
        int targetBond;
        int actorBond;
        const char* order;
    };
    const std::vector<Case> cases{
        {"r mod 3 = 0: hand over", 3, 31, "", 0, kActor + 2, 0, "「装備品を私に捧げなさい」\r\n"},
        {"r mod 3 = 1: attack allies", 1, 11, "", 0, 1, 0, "「仲間を攻撃しなさい」\r\n"},
        {"r mod 3 = 2: protect me", 2, 21, "", 0, 0, kTarget + 10, "「私を守りなさい」\r\n"},
        {"proficiency not above r × 10", 2, 20, "", 0, 0, 0, ""},
        {"sleeping handkerchief, any roll", 13, 0, "アリスのハンカチ", 2, kActor + 2, 0,
         "「装備品を私に捧げなさい」\r\n"},
        {"awake handkerchief", 13, 0, "アリスのハンカチ", 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game.form.Message[kTarget].text.clear();
        f.counter(kTarget, kBondCounter) = 0;
        f.counter(kActor, kBondCounter) = 0;
        f.proficiency[kActor][kStaff] = static_cast<std::uint8_t>(c.proficiency);
        f.accessory[kTarget] = c.accessory;
        f.counter(kTarget, kSleepCounter) = static_cast<std::uint8_t>(c.sleep);
        Hit("スレイブメーカー", c.r);
        EXPECT_EQ(f.counter(kTarget, kBondCounter), c.targetBond);
        EXPECT_EQ(f.counter(kActor, kBondCounter), c.actorBond);
        EXPECT_EQ(Box(kTarget), c.order);
    }
}

TEST_F(WeaponEffectTest, NewBondReleasesTheOldProtector) {
    f.counter(kActor, kBondCounter) = kTarget + 10;
    f.proficiency[kActor][kStaff] = 99;
    Hit("スレイブメーカー", 0);
    EXPECT_EQ(f.counter(kActor, kBondCounter), 0);
    EXPECT_EQ(f.counter(kTarget, kBondCounter), kActor + 2);
}

TEST_F(WeaponEffectTest, KillingSabreHastensOnlyAfterAKill) {
    f.timeGauge[kActor] = 100;
    Hit("キリングサーベル", 0);
    EXPECT_EQ(f.timeGauge[kActor], 100);

    game.form.HP[kTarget].text = "0";
    Hit("キリングサーベル", 0);
    EXPECT_EQ(f.timeGauge[kActor], 100 + 1000 + 2500);

    f.timeGauge[kActor] = 32000;
    Hit("キリングサーベル", 0);
    EXPECT_EQ(f.timeGauge[kActor], 32767) << "the time counter saturates instead of overflowing";
}

TEST_F(WeaponEffectTest, ParadoxBreaksEveryBarrierAtOnce) {
    Hit("パラドクス", 0);
    EXPECT_EQ(Box(kTarget), "");
    EXPECT_TRUE(t.platform.sounds.empty());

    f.counter(kTarget, kWardCounter) = 3; // the ward is no barrier the spear breaks
    f.counter(kTarget, kLemonBarrierCounter) = 2;
    f.counter(kTarget, kMirrorCounter) = 5;
    Hit("パラドクス", 0);
    EXPECT_EQ(Box(kTarget), "レモンバリアー\r\n鏡\r\nを打ち破った。\r\n");
    EXPECT_EQ(f.counter(kTarget, kLemonBarrierCounter), 0);
    EXPECT_EQ(f.counter(kTarget, kMirrorCounter), 0);
    EXPECT_EQ(f.counter(kTarget, kWardCounter), 3);
    EXPECT_EQ(t.platform.sounds, std::vector<int>{4});
}

TEST_F(WeaponEffectTest, RabbitPestleTurnsTheTargetIntoACake) {
    struct Case {
        const char* name;
        int items;
        int r;
        bool cake;
    };
    const std::vector<Case> cases{
        {"r = 1", 9, 1, true},
        {"r = 2", 0, 2, false},
        {"ten items", 10, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListBox& items = game.form.Item[kActor];
        items.clear();
        for (int i = 0; i < c.items; ++i) items.add("薬草", kItemConsumable);
        SetHp(game, kTarget, 4000);
        game.form.Message[kTarget].text.clear();
        Hit("うさぎの杵", c.r);
        EXPECT_EQ(HpOf(game, kTarget) == 0, c.cake);
        EXPECT_EQ(items.count(), c.items + (c.cake ? 1 : 0));
        if (c.cake) {
            EXPECT_EQ(items.entries.back(), (ListEntry{"うさぎ餅", kItemConsumable}));
        }
        EXPECT_EQ(Box(kTarget), c.cake ? "うさぎ餅に変化した。\r\n" : "");
    }
}

TEST_F(WeaponEffectTest, SandBlindsOnLowRolls) {
    f.counter(kTarget, kBlindnessCounter) = 1;
    Hit("一握の砂", 9);
    EXPECT_EQ(f.counter(kTarget, kBlindnessCounter), 4);
    EXPECT_TRUE(game.form.StPic[kTarget].visible);
    EXPECT_EQ(Box(kTarget), "砂が目に入った！\r\n");

    Hit("一握の砂", 10);
    EXPECT_EQ(f.counter(kTarget, kBlindnessCounter), 4);
}

TEST_F(WeaponEffectTest, ScalpelMarksOnce) {
    Hit("忘れられたメス", 0);
    Hit("忘れられたメス", 0);
    EXPECT_EQ(f.counter(kTarget, kBloodMarkCounter), kActor + 1);
    EXPECT_EQ(Box(kTarget), "鮮血の痕を刻んだ！\r\n");
}

TEST_F(WeaponEffectTest, KurikaraTradesHalfTheDefenseForAQuarterInSpirit) {
    f.counter(kTarget, kStatusGuardCounter) = 2; // no guard keeps it off
    Hit("倶利伽羅不動", 0);
    EXPECT_EQ(Box(kTarget), "守備力半減！\r\n精神力 25アップ。\r\n");
    EXPECT_EQ(f.defense[kTarget], 50);
    EXPECT_EQ(f.spirit[kTarget], 65);
}

TEST_F(WeaponEffectTest, OrdinaryWeaponDoesNothing) {
    Hit("ロングソード", 0);
    EXPECT_EQ(Box(kTarget), "");
    EXPECT_EQ(game.form.HP[kTarget].text, "4000");
}

} // namespace
} // namespace vk2
