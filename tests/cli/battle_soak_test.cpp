// Hundreds of seeded automatic battles between fighters of every element, checking the state
// after every turn: nothing out of range, every battle ends or reaches the turn limit.
#include <gtest/gtest.h>

#include "battle/boxes.h"
#include "battle/clock.h"
#include "cli/battle_runner.h"
#include "model/game.h"
#include "support/test_support.h"

namespace vk2 {
namespace {

// Two plain colours for each element (their sums fall under that element's rule), in sizes that
// give different digit codes and so different levels, weapons and commands.
struct PictureColour {
    int element;
    Colour colour;
};
constexpr PictureColour kColours[] = {
    {0, Rgb(200, 40, 200)},  {0, Rgb(175, 45, 140)},  {1, Rgb(215, 35, 150)},  {1, Rgb(195, 5, 90)},
    {2, Rgb(165, 140, 155)}, {2, Rgb(145, 125, 130)}, {3, Rgb(210, 190, 210)}, {3, Rgb(195, 195, 175)},
    {4, Rgb(180, 170, 175)}, {4, Rgb(155, 150, 145)}, {5, Rgb(200, 185, 140)}, {5, Rgb(175, 165, 125)},
    {6, Rgb(95, 40, 140)},   {6, Rgb(60, 155, 205)},  {7, Rgb(95, 150, 110)},  {7, Rgb(60, 235, 155)},
    {8, Rgb(55, 0, 0)},      {8, Rgb(35, 35, 35)},    {9, Rgb(240, 220, 220)}, {9, Rgb(230, 240, 255)},
};
constexpr int kPictureCount = static_cast<int>(std::size(kColours));

std::string PictureName(int i) {
    return "fighter" + std::to_string(i) + ".png";
}

class MemoryPictures : public test::RecordingPlatform {
  public:
    MemoryPictures() {
        for (int i = 0; i < kPictureCount; ++i)
            addSolidPicture(PictureName(i), 17 + 23 * i, 11 + 31 * (kPictureCount - i), kColours[i].colour);
    }
    void pause(int) override {} // thousands of pauses: nothing to record
};

// The pictures of one battle, picked by its number: one to three a side.
cli::BattleSetup SetupFor(int battle) {
    cli::BattleSetup setup;
    setup.seed = static_cast<std::uint64_t>(battle) * 7919u + 1u;
    setup.maxTurns = 600;
    setup.booty = battle % 2 == 0;
    const int leftSize = 1 + battle % 3;
    const int rightSize = 1 + (battle / 3) % 3;
    for (int i = 0; i < leftSize; ++i)
        setup.left.push_back(PictureName((battle * 3 + i * 7) % kPictureCount));
    for (int i = 0; i < rightSize; ++i)
        setup.right.push_back(PictureName((battle * 5 + i * 11 + 3) % kPictureCount));
    return setup;
}

void CheckState(const Game& game, int battle) {
    ASSERT_TRUE(game.phase == kPhaseNoBattle || game.phase == kPhaseClockRuns)
        << "battle " << battle << " phase " << game.phase;
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        if (!game.form.ViewUnder[s].visible) continue;
        const auto hp = HpOf(game, s);
        const auto mp = MpOf(game, s);
        ASSERT_GE(hp, 0) << "battle " << battle << " slot " << s;
        ASSERT_LE(hp, game.f.maxHp[s]) << "battle " << battle << " slot " << s;
        ASSERT_GE(mp, 0) << "battle " << battle << " slot " << s;
        ASSERT_LE(mp, game.f.maxMp[s]) << "battle " << battle << " slot " << s;
        ASSERT_LE(game.f.tension[s], 100) << "battle " << battle << " slot " << s;
        ASSERT_LE(game.form.Item[s].count(), 10) << "battle " << battle << " slot " << s;
        ASSERT_GT(game.form.Command[s].count(), 0) << "battle " << battle << " slot " << s;
    }
}

TEST(BattleSoak, SeededAutomaticBattlesStayWithinTheRulesAndEnd) {
    MemoryPictures pictures;
    int finished = 0;
    for (int battle = 0; battle < 200; ++battle) {
        cli::BattleObserver observer;
        observer.afterTick = [battle](const Game& game) { CheckState(game, battle); };
        const cli::BattleResult result = cli::RunBattle(SetupFor(battle), pictures, observer);
        ASSERT_NE(result.ending, cli::BattleResult::Ending::Refused)
            << "battle " << battle << ": " << result.problem;
        if (HasFatalFailure()) return;
        finished += result.ending != cli::BattleResult::Ending::TurnLimit;
    }
    // Most battles come to an end long before the limit.
    EXPECT_GT(finished, 150);
}

TEST(BattleSoak, TheSameSeedGivesTheSameBattleLineForLine) {
    MemoryPictures pictures;
    auto play = [&pictures] {
        std::vector<std::string> lines;
        cli::BattleObserver observer;
        observer.turn = [&lines](const cli::TurnRecord& turn) {
            lines.push_back(std::to_string(turn.actor) + turn.command + std::to_string(turn.target));
            for (const auto& [slot, text] : turn.lines) lines.push_back(std::to_string(slot) + text);
        };
        cli::RunBattle(SetupFor(41), pictures, observer);
        return lines;
    };
    const auto first = play();
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, play());
}

} // namespace
} // namespace vk2
