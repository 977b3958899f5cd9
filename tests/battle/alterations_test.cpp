#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/stats.h"
#include "battle/techniques/execute_technique.h"
#include "core/text.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 0;
constexpr SlotIndex kTarget = 3;
constexpr int kFullHp = 9999;

// Two fighters of spirit 100, neither weak nor resistant to anything, at tension 50.
class AlterationTest : public ::testing::Test {
  protected:
    AlterationTest() {
        test::PutAllOnField(game);
        for (SlotIndex s : {kActor, kTarget}) {
            f.level[s] = 1;
            f.affinity[s].fill(kNormal);
            f.baseMaxHp[s] = f.maxHp[s] = kFullHp;
            f.baseSpirit[s] = f.spirit[s] = 100;
            f.weapon[s] = kBareHands;
            f.tension[s] = 50;
            SetHp(game, s, kFullHp);
        }
        game.actionKind = 2;
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    // The technique roll r comes first, then the technique's own draws. Returns the key as the
    // technique leaves it.
    std::string Use(const std::string& key, int r, const std::vector<float>& draws = {}) {
        for (TextBox& box : game.form.Message) box.text.clear();
        t.platform.sounds.clear();
        t.random.push(static_cast<float>(r) / 16);
        for (float u : draws) t.random.push(u);
        SlotIndex target = kTarget;
        std::string used = key;
        ExecuteTechnique(game, kActor, target, used);
        return used;
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    bool Played(int sound) const {
        return std::find(t.platform.sounds.begin(), t.platform.sounds.end(), sound) !=
               t.platform.sounds.end();
    }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

// The roll's two low bits pick the stat; its tens digit in counter 11 names it, the units digit
// counts the turns (a twentieth of the caster's spirit, 8 from spirit 180 up). The key goes back
// holding the stat's name, and the stat reads 0 at once.
TEST_F(AlterationTest, StatSealHoldsTheRolledStatAtZero) {
    struct Case {
        int spirit;
        int r;
        int counter;
        const char* stat;
        PerSlot<std::int16_t> FighterTable::*held;
        int cleared; // the counter the seal clears, -1 for none
    };
    const std::vector<Case> cases{
        {100, 0, 16, "精神力", &FighterTable::spirit, -1},
        {100, 1, 26, "守備力", &FighterTable::defense, -1},
        {200, 6, 39, "すばやさ", &FighterTable::speed, kSpeedMarkCounter},
        {100, 3, 46, "攻撃力", &FighterTable::attack, kAdrenalineCounter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stat);
        f.spirit[kActor] = static_cast<std::int16_t>(c.spirit);
        f.baseSpirit[kTarget] = f.baseDefense[kTarget] = f.baseSpeed[kTarget] = f.baseAttack[kTarget] = 100;
        f.counter(kTarget, kStatLockCounter) = 0;
        f.counter(kTarget, kSpeedMarkCounter) = f.counter(kTarget, kAdrenalineCounter) = 1;
        RecomputeStats(game, kTarget);

        EXPECT_EQ(Use("クラ", c.r), c.stat);
        EXPECT_EQ(f.counter(kTarget, kStatLockCounter), c.counter);
        EXPECT_EQ((f.*c.held)[kTarget], 0);
        for (int k : {kSpeedMarkCounter, kAdrenalineCounter})
            EXPECT_EQ(f.counter(kTarget, k), k == c.cleared ? 0 : 1);
        EXPECT_EQ(Box(kTarget), std::string(c.stat) + "が０になった。\r\n");
    }
}

// (1.97 − 0.1 r) × the caster's spirit must reach the target's: equal is enough.
TEST_F(AlterationTest, StatSealFailsOnSpiritOrAFullGuard) {
    struct Case {
        const char* name;
        int targetSpirit;
        int guard;
        int r;
        bool seals;
    };
    const std::vector<Case> cases{
        {"equal force", 197, 0, 0, true},     {"just short", 198, 0, 0, false},
        {"a high roll", 100, 0, 15, false},   {"a full guard", 100, 2, 0, false},
        {"a partial guard", 100, 1, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.spirit[kTarget] = static_cast<std::int16_t>(c.targetSpirit);
        f.counter(kTarget, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.counter(kTarget, kStatLockCounter) = 0;
        const std::string key = Use("クラ", c.r);
        EXPECT_EQ(f.counter(kTarget, kStatLockCounter) != 0, c.seals);
        if (!c.seals) {
            EXPECT_EQ(key, "クラ");
            EXPECT_EQ(Box(kTarget), "ミス！\r\n");
        }
    }
}

// Draws go on until they land on an element the target is not yet weak to.
TEST_F(AlterationTest, TraumaMakesANewWeakness) {
    const auto element = [](Element e) { return (static_cast<float>(e - 1) + 0.5f) / 9; };
    f.affinity[kTarget][kFire - 1] = kWeak;
    f.counter(kTarget, kElementFactorCounter) = 100; // everything resisted
    Use("トラ", 0, {element(kFire), element(kCold)});
    EXPECT_EQ(f.counter(kTarget, kElementFactorCounter), 102);
    EXPECT_EQ(Box(kTarget), "冷属性に弱くなった。\r\n");
    EXPECT_EQ(f.affinity[kTarget][kCold - 1], kWeak);
    EXPECT_EQ(f.affinity[kTarget][kWind - 1], kResist);
    EXPECT_EQ(f.tension[kTarget], 45);
    EXPECT_TRUE(Played(8));
}

// A target with no element left to weaken resists outright instead of drawing for ever.
TEST_F(AlterationTest, TraumaFailsWithoutDrawing) {
    struct Case {
        const char* name;
        int guard;
        int factor;
        int affinity;
    };
    const std::vector<Case> cases{
        {"a full guard", 2, 0, kNormal},
        {"already weak to all", 0, 200, kNormal},
        {"weak to every element", 0, 0, kWeak},
        {"no affinity set", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.counter(kTarget, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.counter(kTarget, kElementFactorCounter) = static_cast<std::uint8_t>(c.factor);
        f.affinity[kTarget].fill(static_cast<std::uint8_t>(c.affinity));
        Use("トラ", 0);
        EXPECT_EQ(Box(kTarget), "ミス！\r\n");
        EXPECT_EQ(f.counter(kTarget, kElementFactorCounter), c.factor);
        EXPECT_FALSE(Played(8));
    }
}

// The new element is (r mod 9 + element + 1) mod 10, never the old one; the frame, the
// affinities and the commands follow it.
TEST_F(AlterationTest, BoardAndKnifeRepaintTheElement) {
    struct Case {
        const char* key;
        Element before;
        int r;
        Element after;
        const char* line;
    };
    const std::vector<Case> cases{
        {"八卦", kHoly, 0, kNone, "無属性に生まれ変わった。"},
        {"八卦", kNone, 9, kFire, "炎属性に生まれ変わった。"},
        {"八卦", kEarth, 15, kCold, "冷属性に生まれ変わった。"},
        {"はっ", kFire, 8, kNone, "無属性に塗り替えられた。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " r = " + std::to_string(c.r));
        f.element[kTarget] = c.before;
        game.actionKind = 2;
        game.form.Command[kTarget].clear();
        Use(c.key, c.r);
        EXPECT_EQ(f.element[kTarget], c.after);
        EXPECT_EQ(game.form.ViewFrame[kTarget].borderColour, ElementColour(c.after));
        EXPECT_EQ(game.actionKind, 0);
        EXPECT_EQ(Box(kTarget), std::string(c.line) + "\r\n");
        const std::string_view row = ElementCodeRow(c.after);
        for (std::size_t i = 0; i < row.size(); ++i) EXPECT_EQ(f.affinity[kTarget][i], row[i] - '0') << i;
        EXPECT_EQ(game.form.Command[kTarget].entries.front().text, kFightCommand);
    }
}

// A summoned fighter using the board for its summoner leaves the summon command chosen, so the
// summon goes on; an ordinary use leaves the selection alone.
TEST_F(AlterationTest, BoardUsedForTheSummonerResumesTheSummon) {
    f.level[kTarget] = 10; // the list stays as it is
    for (const char* marker : {"1", "0"}) {
        SCOPED_TRACE(marker);
        ListBox& commands = game.form.Command[kTarget];
        commands.clear();
        for (const char* command : {kFightCommand, "ファイア", kSummonCommand, kUseItemCommand,
                                    kHandItemCommand, kRetreatCommand, kGuardCommand})
            commands.add(command, 0);
        commands.selected = 3;
        f.element[kTarget] = kFire;
        game.form.Exi.caption = marker;
        Use("八卦", 0);
        const bool summoning = std::string(marker) == "1";
        EXPECT_EQ(commands.selected, summoning ? 2 : 3);
        EXPECT_EQ(game.actionKind, 0);
        EXPECT_EQ(Box(kTarget), std::string(summoning ? "アイテム使用\r\n八卦盤\r\n" : "") +
                                    "冷属性に生まれ変わった。\r\n");
    }
}

// By r mod 3: hand over your equipment, cover your master, turn on your own side. The target's
// cover of the actor ends first, a cover by anyone else stays.
TEST_F(AlterationTest, DogmaForcesABondByTheRoll) {
    struct Case {
        int r;
        int actorBondBefore;
        int actorBond;
        int targetBond;
        const char* order;
    };
    const std::vector<Case> cases{
        {0, 0, 0, 2, "「汝が装具、我に捧げよ」"},
        {4, 0, 13, 0, "「汝、我が盾となれ」"},
        {2, 13, 0, 1, "「汝が同胞を斬れ」"},
        {5, 14, 14, 1, "「汝が同胞を斬れ」"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r);
        f.counter(kActor, kBondCounter) = static_cast<std::uint8_t>(c.actorBondBefore);
        f.counter(kTarget, kBondCounter) = 0;
        Use("ドグ", c.r);
        EXPECT_EQ(f.counter(kActor, kBondCounter), c.actorBond);
        EXPECT_EQ(f.counter(kTarget, kBondCounter), c.targetBond);
        EXPECT_EQ(Box(kTarget), std::string(c.order) + "\r\n");
        EXPECT_TRUE(Played(191));
    }
}

TEST_F(AlterationTest, DogmaFailsOnSpiritOrAFullGuard) {
    for (const auto& [r, guard] : std::vector<std::pair<int, int>>{{10, 0}, {0, 2}}) {
        SCOPED_TRACE(r);
        f.counter(kTarget, kStatusGuardCounter) = static_cast<std::uint8_t>(guard);
        Use("ドグ", r);
        EXPECT_EQ(Box(kTarget), "ミス！\r\n");
        EXPECT_EQ(f.counter(kTarget, kBondCounter), 0);
        EXPECT_EQ(f.counter(kActor, kBondCounter), 0);
        EXPECT_FALSE(Played(191));
    }
}

TEST_F(AlterationTest, ChargeBuildsOnTheActor) {
    f.spirit[kActor] = 260;
    f.counter(kActor, kElectrifiedCounter) = 2;
    Use("帯電", 0);
    EXPECT_EQ(f.counter(kActor, kElectrifiedCounter), 15); // Int(10.4) + 2 + 3
    EXPECT_EQ(Box(kActor), "電流を帯びた！\r\n");
    EXPECT_TRUE(game.form.StPic[kActor].visible);
    EXPECT_EQ(Box(kTarget), "");
    EXPECT_TRUE(Played(130));
}

TEST_F(AlterationTest, RedSpiritGivesFireAndFireAbsorption) {
    Use("レッ", 0);
    EXPECT_EQ(Box(kTarget), "「たたかう」に炎属性付加、\r\n炎ダメージ吸収。\r\n");
    EXPECT_EQ(f.counter(kTarget, kRedSpiritCounter), 1);
    EXPECT_EQ(f.weaponElements[kTarget][kFire - 1], 1);
    EXPECT_EQ(f.affinity[kTarget][kFire - 1], kAbsorb);
    EXPECT_EQ(f.tension[kTarget], 58);

    f.counter(kTarget, kRedSpiritCounter) = 0;
    f.affinity[kTarget][kFire - 1] = kNormal;
    f.counter(kTarget, kStatusGuardCounter) = 2;
    Use("レッ", 0);
    EXPECT_EQ(Box(kTarget), "ミス！\r\n");
    EXPECT_EQ(f.counter(kTarget, kRedSpiritCounter), 0);
    EXPECT_EQ(f.affinity[kTarget][kFire - 1], kNormal);
    EXPECT_EQ(f.tension[kTarget], 58);
}

// Damage 7000 − time counter − r², the first subtraction held within 16 bits.
TEST_F(AlterationTest, ShurikenHurtsByTheTimeCounter) {
    struct Case {
        int gauge;
        int r;
        std::int64_t hp;
    };
    const std::vector<Case> cases{
        {900, 3, kFullHp - 6091},
        {6000, 0, kFullHp - 1000},
        {-30000, 3, 0}, // 32767 − 9, not a wrapped negative
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gauge);
        SetHp(game, kTarget, kFullHp);
        f.timeGauge[kTarget] = static_cast<std::int16_t>(c.gauge);
        f.tension[kActor] = 50;
        Use("手裏", c.r);
        EXPECT_EQ(HpOf(game, kTarget), c.hp);
        EXPECT_EQ(f.tension[kActor], 55);
    }
}

} // namespace
} // namespace vk2
