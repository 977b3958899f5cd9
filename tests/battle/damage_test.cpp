#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Slot 0 (left front) strikes slot 3 (right front) with a plain attack: attack 200, tension 40,
// a sword trained to 50; the target has defense 100 and neutral affinities. A luck roll of 8
// makes this the 1711-damage blow every other case varies.
constexpr SlotIndex kAttacker = 0;
constexpr SlotIndex kTarget = 3;
constexpr std::uint8_t kNeutral = 3;

struct Duel {
    Duel() {
        test::PutOnField(game, {kAttacker, kTarget});
        for (SlotIndex s : {kAttacker, kTarget}) {
            f.affinity[s].fill(kNeutral);
            f.maxHp[s] = 9999;
            f.spirit[s] = 300;
            SetHp(game, s, 5000);
        }
        f.attack[kAttacker] = 200;
        f.tension[kAttacker] = 40;
        f.equippedKind[kAttacker] = kSword;
        f.proficiency[kAttacker][kSword] = 50;
        f.weapon[kAttacker] = "ロングソード";
        f.level[kAttacker] = 7;
        f.defense[kTarget] = 100;
        f.spirit[kTarget] = 100;
        game.form.Command[kAttacker].add("たたかう", 0);
        game.form.Command[kAttacker].selected = 0;
        game.form.Message[kAttacker].text = "たたかう";
        game.actionKind = 2;
    }

    void Roll(int luck) { t.random.push(static_cast<float>(luck) / 16.0f); }
    void Attack(int power = 200, int flags = 0) { ResolveAttack(game, kAttacker, kTarget, power, flags); }
    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

class DamageTest : public ::testing::Test, protected Duel {};

TEST_F(DamageTest, PhysicalBlows) {
    struct Case {
        const char* name;
        std::function<void(Duel&)> setup;
        int luck;
        int power;
        std::string targetBox;
        std::int64_t targetHp;
    };
    const std::vector<Case> cases{
        {"worked example", [](Duel&) {}, 8, 200, " 1711 のダメージ！\r\n", 3289},
        {"blind attacker, odd luck", [](Duel& d) { d.f.counter(kAttacker, kBlindnessCounter) = 3; }, 9, 200,
         "ミス！\r\n", 5000},
        {"blind attacker, even luck", [](Duel& d) { d.f.counter(kAttacker, kBlindnessCounter) = 3; }, 10, 200,
         " 1731 のダメージ！\r\n", 3269},
        {"hidden target", [](Duel& d) { d.f.counter(kTarget, kHiddenCounter) = 2; }, 8, 200, "ミス！\r\n",
         5000},
        {"fire on oil",
         [](Duel& d) {
             d.game.actionElements[kFire - 1] = 1;
             d.f.counter(kTarget, kOilCounter) = 1;
         },
         8, 200, "オイル燃焼！\r\n 5133 のダメージ！\r\n", 0},
        {"absorbing target",
         [](Duel& d) {
             d.game.actionElements[kFire - 1] = 1;
             d.f.affinity[kTarget][kFire - 1] = 9;
         },
         8, 200, " 1712 HP回復。\r\n", 6712},
        {"handkerchief, awake", [](Duel& d) { d.f.accessory[kTarget] = "アリスのハンカチ"; }, 8, 200,
         " 0 のダメージ！\r\n", 5000},
        {"handkerchief, asleep",
         [](Duel& d) {
             d.f.accessory[kTarget] = "アリスのハンカチ";
             d.f.counter(kTarget, kSleepCounter) = 2;
         },
         8, 200, " 9999 のダメージ！\r\n目を覚ました。\r\n", 0},
        {"noir darts, luck 7", [](Duel& d) { d.f.weapon[kAttacker] = "ノワールダーツ"; }, 7, 200,
         " 7777 のダメージ！\r\n", 0},
        {"capped", [](Duel&) {}, 8, 2000, " 9999 のダメージ！\r\n", 0},
        {"earth protect halves", [](Duel& d) { d.f.counter(kTarget, kEarthProtectCounter) = 3; }, 8, 200,
         " 855 のダメージ！\r\n", 4145},
        {"defending target",
         [](Duel& d) {
             d.game.form.Command[kTarget] = {{{"ぼうぎょ", 0}}, 0};
         },
         8, 200, " 684 のダメージ！\r\n", 4316},
        {"box already ends in a miss",
         [](Duel& d) {
             d.game.form.Message[kTarget].text = "ミス！";
             d.f.counter(kAttacker, kSureHitCounter) = 1;
         },
         8, 200, "ミス！\r\n", 5000},
    };
    for (const Case& c : cases) {
        Duel d;
        c.setup(d);
        d.f.maxHp[kTarget] = 9999;
        d.Roll(c.luck);
        d.Attack(c.power);
        EXPECT_EQ(d.Box(kTarget), c.targetBox) << c.name;
        EXPECT_EQ(HpOf(d.game, kTarget), c.targetHp) << c.name;
        EXPECT_EQ(d.t.random.unused(), 0u) << c.name;
    }
}

TEST_F(DamageTest, TheWorkedExampleTrainsTheWeaponAndMovesBothTensions) {
    Roll(8);
    Attack();
    EXPECT_EQ(f.proficiency[kAttacker][kSword], 51);
    EXPECT_EQ(f.tension[kAttacker], 45);
    EXPECT_EQ(f.tension[kTarget], 8); // Int(1711 x 0.005)
    EXPECT_EQ(t.platform.sounds, std::vector<int>{0});
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, ACriticalAddsThePositionalBonusAndRaisesTensionTo65) {
    f.tension[kAttacker] = 100; // the critical threshold falls to rounded(10.5) = 10
    Roll(12);
    Attack();
    EXPECT_EQ(Box(kTarget), "会心の一撃！\r\n 3832 のダメージ！\r\n");
    EXPECT_EQ(f.tension[kAttacker], 65);
    EXPECT_EQ(game.actionKind, 3);
    EXPECT_EQ(t.platform.sounds, std::vector<int>{1});
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, AMissAfterAMultiHitCommandLeavesABlankBeforeTheLineBreak) {
    game.form.Command[kAttacker] = {{{"五月雨連撃", 0}}, 0};
    game.form.Message[kAttacker].text = "五月雨連撃";
    f.counter(kTarget, kHiddenCounter) = 1;
    Roll(8);
    Attack();
    EXPECT_EQ(Box(kTarget), "ミス！ \r\n");
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, BonesTechniqueKeepsDamageAboveTheCap) {
    game.form.Message[kAttacker].text = "骨を断つ";
    Roll(8);
    Attack(2000);
    EXPECT_EQ(Box(kTarget), " 16328 のダメージ！\r\n");
    EXPECT_EQ(f.tension[kAttacker], 64); // any technique but the plain attack
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, SpellFormulaWetsTheTargetWithWater) {
    game.actionKind = 0;
    game.actionElements[kWater - 1] = 1;
    Roll(8);
    Attack(10);
    // 10 x 100 x 1.048 x 1.56 - 1.1 x 100, rounded down
    EXPECT_EQ(Box(kTarget), " 1524 のダメージ！\r\n");
    EXPECT_EQ(f.counter(kTarget, kWetCounter), 1);
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, ADecoyDrawsASingleTargetSpellAndTakesNoDamage) {
    constexpr SlotIndex kDecoy = 4;
    test::PutOnField(game, {kDecoy});
    f.affinity[kDecoy].fill(kNeutral);
    f.maxHp[kDecoy] = 9999;
    SetHp(game, kDecoy, 5000);
    f.accessory[kDecoy] = "コバルトの的";
    game.form.Message[kDecoy].text = "前の行\r\n";
    game.actionKind = 0;
    Roll(8);
    Attack(10);
    EXPECT_EQ(Box(kDecoy), "的が攻撃を引き寄せた！\r\n 0 のダメージ！\r\n");
    EXPECT_EQ(HpOf(game, kDecoy), 5000);
    EXPECT_EQ(Box(kTarget), "");
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, FixedDamageFallsOnEveryMarkedSlotWithoutRolls) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s) game.form.Cursor[s].visible = s == 3 || s == 5;
    f.maxHp[5] = 9999;
    SetHp(game, 5, 300);
    Attack(500, kFixedDamage + kEveryMarkedSlot);
    EXPECT_EQ(HpOf(game, 3), 4500);
    EXPECT_EQ(HpOf(game, 5), 0);
    EXPECT_EQ(Box(5), " 500 のダメージ！\r\n");
    EXPECT_EQ(HpOf(game, 4), 0);
    EXPECT_EQ(Box(4), "");
}

TEST_F(DamageTest, AProtectorTakesThePhysicalBlow) {
    constexpr SlotIndex kProtector = 4;
    f.affinity[kProtector].fill(kNeutral);
    f.maxHp[kProtector] = 9999;
    f.defense[kProtector] = 100;
    SetHp(game, kProtector, 5000);
    f.counter(kTarget, kKarmaCounter) = 10 + kProtector;
    Roll(8);
    Attack();
    EXPECT_EQ(Box(kProtector), "攻撃をかばった！\r\n 1711 のダメージ！\r\n");
    EXPECT_EQ(HpOf(game, kProtector), 3289);
    EXPECT_EQ(HpOf(game, kTarget), 5000);
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, AnElectrifiedTargetShocksTheAttacker) {
    f.counter(kTarget, kElectrifiedCounter) = 2;
    f.counter(kAttacker, kHiddenCounter) = 1;
    f.timeGauge[kTarget] = 250;
    Roll(8);
    Attack();
    EXPECT_EQ(Box(kAttacker), "たたかう感電！ 1161 のダメージ！\r\n");
    EXPECT_EQ(HpOf(game, kAttacker), 5000 - 1161);
    EXPECT_EQ(f.counter(kAttacker, kHiddenCounter), 0);
    EXPECT_EQ(t.platform.sounds, (std::vector<int>{0, 130}));
    EXPECT_EQ(t.random.unused(), 0u);
}

TEST_F(DamageTest, AFireBlowDetonatesABomb) {
    game.actionElements[kFire - 1] = 1;
    f.counter(kTarget, kTimeBombCounter) = 3;
    f.timeGauge[kTarget] = 100;
    Roll(8);
    Attack();
    EXPECT_EQ(Box(kTarget), " 1711 のダメージ！\r\n爆弾に引火！\r\n爆発！ 4100 のダメージ！\r\n");
    EXPECT_EQ(HpOf(game, kTarget), 0);
    EXPECT_EQ(f.counter(kTarget, kTimeBombCounter), 0);
    EXPECT_EQ(game.actionKind, 2);
    EXPECT_EQ(t.random.unused(), 0u);
}

} // namespace
} // namespace vk2
