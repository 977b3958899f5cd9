#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/techniques/execute_technique.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/game.h"
#include "model/types.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

constexpr SlotIndex kActor = 0;
constexpr SlotIndex kTarget = 3;
constexpr int kFullHp = 9999;
// Drawn in place of a re-aim it would pick the side's first member, so a missed or extra draw shows.
constexpr float kLuck = 2.0f / 16;

using PerSlotCount = std::array<int, kBattleSlots>;

// Three a side, everyone standing with full HP, no marks shown. Technique blows never miss by
// chance, and every blow that lands writes one damage line into its target's box, so the lines
// in a box count the blows it took.
class FinishingMoveTest : public ::testing::Test {
  protected:
    FinishingMoveTest() {
        game.partySize = {3, 3};
        for (SlotIndex s = 0; s < kBattleSlots; ++s) {
            f.affinity[s].fill(3);
            f.baseMaxHp[s] = f.maxHp[s] = kFullHp;
            f.baseSpirit[s] = f.spirit[s] = 100;
            f.baseDefense[s] = f.defense[s] = 100;
            f.weapon[s] = kBareHands;
            f.timeGauge[s] = 1500;
            game.form.Cursor[s].visible = false;
            Return(s);
        }
        f.attack[kActor] = 200;
        game.actionKind = 2;
    }

    void TearDown() override { EXPECT_EQ(t.random.unused(), 0u) << "rolls left unused"; }

    // The move as the technique frame hands it over: its name in the actor's box and its key. The
    // technique roll r comes first, then the move's own rolls. Returns the target the move left.
    SlotIndex Perform(const std::string& move, SlotIndex target, int r,
                      const std::vector<float>& rolls = {}) {
        for (TextBox& box : game.form.Message) box.text.clear();
        game.form.Message[kActor].text = move + "\r\n";
        f.tension[kActor] = 64;
        t.random.push(static_cast<float>(r) / 16);
        for (float u : rolls) t.random.push(u);
        std::string key = Left(move, 2);
        ExecuteTechnique(game, kActor, target, key);
        return target;
    }

    const std::string& Box(SlotIndex s) const { return game.form.Message[s].text; }
    bool Says(SlotIndex s, const std::string& line) const {
        return Box(s).find(line + "\r\n") != std::string::npos;
    }

    int Blows(SlotIndex s) const {
        int n = 0;
        for (std::size_t at = Box(s).find("のダメージ！"); at != std::string::npos;
             at = Box(s).find("のダメージ！", at + 1))
            ++n;
        return n;
    }
    PerSlotCount BlowsBySlot() const {
        PerSlotCount blows{};
        for (SlotIndex s = 0; s < kBattleSlots; ++s) blows[s] = Blows(s);
        return blows;
    }

    void Leave(SlotIndex s) {
        game.form.ViewUnder[s].visible = false;
        game.form.ViewFrame[s].borderStyle = 1;
    }
    void Return(SlotIndex s) {
        test::PutOnField(game, {s});
        game.form.ViewFrame[s].borderStyle = 0;
        SetHp(game, s, kFullHp);
    }

    test::TestGame t;
    Game& game = t.game;
    FighterTable& f = game.f;
};

TEST_F(FinishingMoveTest, SweepsStrikeEveryStandingMemberOfTheTargetsSide) {
    Leave(4);
    for (const char* move : {"飛旋断", "アトラスクラッシュ", "オーシャンディバイド"}) {
        SCOPED_TRACE(move);
        Perform(move, kTarget, 5, {kLuck, kLuck});
        EXPECT_EQ(BlowsBySlot(), (PerSlotCount{0, 0, 0, 1, 0, 1}));
    }
}

// The aurora shares the water sweep's key; with the aurora chosen no blow falls and the aurora
// blinds instead.
TEST_F(FinishingMoveTest, AuroraIsNoSweep) {
    game.form.Command[kActor].add("オーロラ", 0);
    game.form.Command[kActor].selected = 0;
    Perform("オーロラ", kTarget, 5);
    EXPECT_EQ(BlowsBySlot(), PerSlotCount{});
    EXPECT_EQ(HpOf(game, kTarget), kFullHp);
    EXPECT_NE(f.counter(kTarget, kBlindnessCounter), 0);
}

// Twenty-four blows, each wiping the target's box first: a fighter aimed at itself shows the
// move's name above the last blow, anyone else a lone blank.
TEST_F(FinishingMoveTest, FrostStrikesTwentyFourTimesKeepingTheLastText) {
    const std::vector<float> lucks(24, kLuck);
    for (const SlotIndex target : {kTarget, kActor}) {
        SCOPED_TRACE(target);
        Return(target);
        t.platform.pauses.clear();
        Perform("血肉よ紅い霜となれ", target, 5, lucks);
        EXPECT_EQ(Blows(target), 1);
        EXPECT_LT(HpOf(game, target), kFullHp);
        EXPECT_TRUE(StartsWith(Box(target), target == kActor ? "血肉よ紅い霜となれ\r\n" : " "))
            << Box(target);
        EXPECT_EQ(std::count(t.platform.pauses.begin(), t.platform.pauses.end(), 1), 24);
    }
}

// Four blows with a re-aim after each of the first three: up to 17 draws over the target's side
// for a standing slot other than the actor, the last slot drawn kept when none is found.
TEST_F(FinishingMoveTest, FlurryReaimsBetweenBlows) {
    constexpr float L = kLuck;
    constexpr float m0 = 0.5f / 3, m1 = 1.5f / 3, m2 = 2.5f / 3; // the side's first, second, third member
    struct Case {
        const char* name;
        const char* move;
        SlotIndex target;
        std::vector<SlotIndex> away;
        std::vector<float> rolls; // lucks and re-aim draws as they are drawn
        PerSlotCount blows;
        SlotIndex last;
    };
    std::vector<float> lostAim{L};
    lostAim.insert(lostAim.end(), 17, m1);
    lostAim.insert(lostAim.end(), {L, m0, L, m0, L});
    const std::vector<Case> cases{
        {"a lone standing foe takes all four",
         "烈火焦魂拳",
         3,
         {4, 5},
         {L, m0, L, m0, L, m0, L},
         {0, 0, 0, 4, 0, 0},
         3},
        {"the claw pair strikes the same way",
         "龍虎乱舞",
         3,
         {4, 5},
         {L, m0, L, m0, L, m0, L},
         {0, 0, 0, 4, 0, 0},
         3},
        {"the actor is passed over",
         "烈火焦魂拳",
         1,
         {},
         {L, m0, m2, L, m1, L, m2, L},
         {0, 2, 2, 0, 0, 0},
         2},
        {"17 draws of an absent slot keep it", "烈火焦魂拳", 3, {4}, lostAim, {0, 0, 0, 3, 1, 0}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (SlotIndex s = 0; s < kBattleSlots; ++s) Return(s);
        for (SlotIndex s : c.away) Leave(s);
        game.form.Cursor[c.target].visible = true;
        EXPECT_EQ(Perform(c.move, c.target, 5, c.rolls), c.last);
        EXPECT_EQ(BlowsBySlot(), c.blows);
        for (SlotIndex s = 0; s < kBattleSlots; ++s) EXPECT_EQ(game.form.Cursor[s].visible, s == c.last) << s;
        game.form.Cursor[c.last].visible = false;
    }
}

// The heavier the move, the deeper the wound of its single blow.
TEST_F(FinishingMoveTest, HeavyStrikesHitTheTargetOnceByTheirPower) {
    std::vector<std::int64_t> wounds;
    for (const char* move : {"ウッドピアシング", "ジュピターストライク", "骨を砕きても謝すべし"}) {
        SCOPED_TRACE(move);
        Return(kTarget);
        Perform(move, kTarget, 5, {kLuck});
        EXPECT_EQ(BlowsBySlot(), (PerSlotCount{0, 0, 0, 1, 0, 0}));
        wounds.push_back(kFullHp - HpOf(game, kTarget));
    }
    EXPECT_LT(wounds[0], wounds[1]);
    EXPECT_LT(wounds[1], wounds[2]);
}

TEST_F(FinishingMoveTest, MassacreStrikesEveryStandingFighterButTheActor) {
    Leave(5);
    Perform("皆殺し", kTarget, 1, {kLuck, kLuck, kLuck, kLuck});
    EXPECT_EQ(BlowsBySlot(), (PerSlotCount{0, 1, 1, 1, 1, 0}));
}

// One blow on every marked slot, then five doses of ailments on each standing member of the
// pointed side that no full guard protects; a partial guard still keeps sleep away.
TEST_F(FinishingMoveTest, MagnusOpusStrikesTheMarkedThenAfflictsTheSide) {
    const auto q = [](int ailment) { return (static_cast<float>(ailment - kMadnessCounter) + 0.5f) / 8; };
    game.targetSlot = kTarget;
    game.form.Cursor[3].visible = game.form.Cursor[4].visible = true;
    f.counter(3, kPropositionCounter) = 35; // must not sleep
    f.counter(4, kStatusGuardCounter) = 1;
    f.counter(5, kStatusGuardCounter) = 2;
    f.tension[kActor] = 90;
    Perform("マグヌス・オプス", kTarget, 5,
            {kLuck, kLuck, q(kSleepCounter), q(kSleepCounter), q(kOilCounter), q(kConfusionCounter),
             q(kMadnessCounter), q(kSleepCounter), q(kMadnessCounter), q(kMadnessCounter), q(kMadnessCounter),
             q(kParalysisCounter)});
    EXPECT_EQ(BlowsBySlot(), (PerSlotCount{0, 0, 0, 1, 1, 0}));

    EXPECT_EQ(f.counter(3, kSleepCounter), 6);
    EXPECT_EQ(f.counter(3, kOilCounter), 1);
    EXPECT_EQ(f.counter(3, kConfusionCounter), 1);
    EXPECT_EQ(f.counter(3, kMadnessCounter), 3);
    EXPECT_EQ(f.counter(3, kPropositionCounter), 10);
    EXPECT_TRUE(game.form.StPic[3].visible);

    EXPECT_EQ(f.counter(4, kSleepCounter), 0);
    EXPECT_EQ(f.counter(4, kMadnessCounter), 9);
    EXPECT_EQ(f.counter(4, kParalysisCounter), 3);

    for (SlotIndex s : {3, 4}) EXPECT_TRUE(Says(s, "多重ステータス異常！")) << s;
    EXPECT_FALSE(Says(5, "多重ステータス異常！"));
    EXPECT_EQ(f.tension[kActor], 49);
}

// HP down to the time counter (never up to it), then sleep unless a guard keeps it off; the
// handkerchief invites sleep through any guard and takes no damage.
TEST_F(FinishingMoveTest, UnderworldLeavesTheTimeCounterAndLullsToSleep) {
    struct Case {
        const char* name;
        int hp;
        int guard;
        const char* accessory;
        int proposition;
        std::int64_t hpAfter;
        bool sleeps;
        int propositionAfter;
    };
    const std::vector<Case> cases{
        {"down to the time counter", 5000, 0, "", 35, 1500, true, 10},
        {"already below it", 1000, 0, "", 0, 1000, true, 0},
        {"a partial guard keeps sleep off", 5000, 1, "", 35, 1500, false, 35},
        {"the handkerchief invites it", 5000, 2, "アリスのハンカチ", 0, 5000, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetHp(game, kTarget, c.hp);
        f.counter(kTarget, kSleepCounter) = 0;
        f.counter(kTarget, kStatusGuardCounter) = static_cast<std::uint8_t>(c.guard);
        f.counter(kTarget, kPropositionCounter) = static_cast<std::uint8_t>(c.proposition);
        f.accessory[kTarget] = c.accessory;
        Perform("黄泉送り", kTarget, 0);
        EXPECT_EQ(HpOf(game, kTarget), c.hpAfter);
        EXPECT_EQ(f.counter(kTarget, kSleepCounter), c.sleeps ? 3 : 0);
        EXPECT_EQ(Says(kTarget, "眠りに落ちた。"), c.sleeps);
        EXPECT_EQ(f.counter(kTarget, kPropositionCounter), c.propositionAfter);
    }
}

TEST_F(FinishingMoveTest, SwordHuntTakesTheWornWeapon) {
    f.weapon[kTarget] = "レギュラーソード";
    f.equippedKind[kTarget] = kSword;
    game.form.Item[kTarget].add("やくそう", kItemConsumable);
    game.form.Item[kTarget].add("◆レギュラーソード", WeaponItemCode(kSword));
    game.form.Item[kActor].add("やくそう", kItemConsumable);
    Perform("刀狩り", kTarget, 1);
    EXPECT_EQ(Box(kTarget), "レギュラーソードを\r\n奪い取られた！\r\n");
    EXPECT_EQ(f.weapon[kTarget], kBareHands);
    EXPECT_EQ(game.form.Item[kTarget].entries, (std::vector<ListEntry>{{"やくそう", kItemConsumable}}));
    EXPECT_EQ(game.form.Item[kActor].entries.back(), (ListEntry{"レギュラーソード", WeaponItemCode(kSword)}));
    EXPECT_EQ(t.platform.sounds, std::vector<int>{3});
}

// A weapon missing from the bag counts as none: there is nothing to hand over.
TEST_F(FinishingMoveTest, SwordHuntFailsOnTheBareHandedAndTheHandkerchief) {
    Perform("刀狩り", kTarget, 1);
    EXPECT_EQ(Box(kTarget), "武器を装備していない。\r\n");

    f.weapon[kTarget] = "レギュラーソード";
    Perform("刀狩り", kTarget, 1);
    EXPECT_EQ(Box(kTarget), "武器を装備していない。\r\n");
    EXPECT_EQ(game.form.Item[kActor].count(), 0);

    game.form.Item[kTarget].add("◆レギュラーソード", WeaponItemCode(kSword));
    f.accessory[kTarget] = kAliceHandkerchief;
    Perform("刀狩り", kTarget, 1);
    EXPECT_EQ(Box(kTarget), "ミス！\r\n");
    EXPECT_EQ(f.weapon[kTarget], "レギュラーソード");
    EXPECT_EQ(game.form.Item[kTarget].count(), 1);
    EXPECT_TRUE(t.platform.sounds.empty());
}

TEST_F(FinishingMoveTest, SilverMorningSlaysUnlessCharmedOrAtTheTopLevel) {
    struct Case {
        const char* accessory;
        int level;
        bool slain;
    };
    const std::vector<Case> cases{
        {"", 9, true},
        {"お守り", 1, false},
        {"アリスのハンカチ", 1, false},
        {"", 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.accessory) + " level " + std::to_string(c.level));
        Return(kTarget);
        f.accessory[kTarget] = c.accessory;
        f.level[kTarget] = static_cast<std::uint8_t>(c.level);
        Perform("シルバーモーニング", kTarget, 0);
        EXPECT_EQ(HpOf(game, kTarget), c.slain ? 0 : kFullHp);
        EXPECT_EQ(Box(kTarget), c.slain ? "魔属性の敵は即死！\r\n" : "ミス！\r\n");
    }
}

} // namespace
} // namespace vk2
