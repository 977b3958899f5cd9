#include "cli/battle_runner.h"

#include <array>

#include "battle/clock.h"
#include "core/random.h"
#include "core/text.h"
#include "files/entry.h"
#include "model/analysis.h"
#include "model/game.h"
#include "play/manual_input.h"

namespace vk2::cli {
namespace {

// Forwards the outside world to the platform it wraps, and reads the message boxes at every
// pause: a pause is the moment a player reads them.
class CapturingPlatform final : public Platform {
  public:
    explicit CapturingPlatform(Platform& inner) : inner_(inner) {}

    void attach(const Game& game) { game_ = &game; }
    void pause(int ms) override {
        capture();
        inner_.pause(ms);
    }
    void repaint() override { inner_.repaint(); }
    void playSound(int number) override { inner_.playSound(number); }
    std::string musicCommand(const std::string& command) override { return inner_.musicCommand(command); }
    void messageBox(const std::string& text) override { inner_.messageBox(text); }
    bool isOwnWindowActive() override { return inner_.isOwnWindowActive(); }
    LoadedPicture loadPicture(const std::string& path) override { return inner_.loadPicture(path); }

    // Appends the lines that appeared since the last look, and notes who acts as soon as a turn
    // has been handed out.
    void capture();
    void startTurn(int number) {
        current_ = TurnRecord{};
        current_.turn = number;
    }
    TurnRecord finishTurn() {
        capture();
        return std::move(current_);
    }

  private:
    void noteActor();

    Platform& inner_;
    const Game* game_ = nullptr;
    std::array<std::string, kBattleSlots> seen_{};
    TurnRecord current_;
};

void CapturingPlatform::noteActor() {
    const Game& game = *game_;
    const SlotIndex actor = game.phase - kPhaseTurn;
    if (current_.actor >= 0 || !IsBattleSlot(actor)) return;
    current_.actor = actor;
    current_.actorName = FighterName(game.f.filePath[actor]);
    current_.command = SelectedCommand(game, actor);
    const ListBox& items = game.form.Item[actor];
    if (IsItemCommand(current_.command) && items.selected >= 0 && items.selected < items.count())
        current_.command += " " + items.entries[static_cast<std::size_t>(items.selected)].text;
    current_.target = game.targetSlot;
    if (IsBattleSlot(current_.target)) current_.targetName = FighterName(game.f.filePath[current_.target]);
}

void CapturingPlatform::capture() {
    if (game_ == nullptr) return;
    noteActor();
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        const std::string& text = game_->form.Message[static_cast<std::size_t>(s)].text;
        std::string& seen = seen_[static_cast<std::size_t>(s)];
        if (text == seen) continue;
        // A box that grew shows its new lines; a box that was emptied or replaced shows all of it.
        const std::string fresh = StartsWith(text, seen) ? text.substr(seen.size()) : text;
        seen = text;
        std::size_t from = 0;
        while (from < fresh.size()) {
            std::size_t end = fresh.find(kCrLf, from);
            if (end == std::string::npos) end = fresh.size();
            if (end > from) current_.lines.emplace_back(s, fresh.substr(from, end - from));
            from = end + kCrLf.size();
        }
    }
}

// Enters one side's pictures; returns a problem text, empty when every picture was entered.
std::string EnterSide(Game& game, const std::vector<std::string>& pictures, int side) {
    game.partySize[static_cast<std::size_t>(side)] = static_cast<std::uint8_t>(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const SlotIndex slot = side * 3 + static_cast<SlotIndex>(i);
        game.previewPicturePath = pictures[i];
        game.f.filePath[kPreviewSlot] = pictures[i];
        const AnalysisOutcome outcome = AnalysePicture(game);
        if (outcome.kind == AnalysisOutcome::Kind::TooLarge) return pictures[i] + ": 画像が大きすぎます！";
        if (outcome.kind == AnalysisOutcome::Kind::Unreadable) return pictures[i] + ": " + outcome.reason;
        game.phase = static_cast<std::int16_t>(slot);
        EnterFighter(game, slot, AutoRow(game));
        if (game.form.Mode[static_cast<std::size_t>(slot)].text != "Auto") ToggleMode(game, slot);
    }
    return {};
}

BattleResult::Ending EndingOf(const Game& game) {
    if (game.sidePresent[0] && !game.sidePresent[1]) return BattleResult::Ending::LeftWins;
    if (game.sidePresent[1] && !game.sidePresent[0]) return BattleResult::Ending::RightWins;
    return BattleResult::Ending::NoneLeft;
}

} // namespace

BattleResult RunBattle(const BattleSetup& setup, Platform& files, const BattleObserver& observer) {
    BattleResult result;
    if (setup.left.empty() || setup.left.size() > 3 || setup.right.empty() || setup.right.size() > 3) {
        result.problem = "each side takes one to three pictures";
        return result;
    }
    CapturingPlatform platform(files);
    SeededRandom random(setup.seed);
    Game game(platform, random);
    if (MenuItem* booty = game.form.menus.find("mnuBooty")) booty->checked = setup.booty;
    for (const auto& [pictures, side] : {std::pair{&setup.left, 0}, std::pair{&setup.right, 1}}) {
        if (std::string problem = EnterSide(game, *pictures, side); !problem.empty()) {
            result.problem = std::move(problem);
            return result;
        }
    }
    platform.attach(game);
    StartBattle(game);
    while (game.phase != kPhaseNoBattle) {
        if (result.turns == setup.maxTurns) {
            result.ending = BattleResult::Ending::TurnLimit;
            return result;
        }
        platform.startTurn(++result.turns);
        BattleClockTick(game);
        const TurnRecord record = platform.finishTurn();
        if (observer.turn) observer.turn(record);
        if (observer.afterTick) observer.afterTick(game);
        if (game.phase >= kPhaseTurn) {
            result.problem = "a turn waits for a player's command";
            return result;
        }
    }
    result.ending = EndingOf(game);
    return result;
}

std::string EndingText(const BattleResult& result) {
    switch (result.ending) {
    case BattleResult::Ending::LeftWins:
        return "the left side wins after " + Num(result.turns) + " turns";
    case BattleResult::Ending::RightWins:
        return "the right side wins after " + Num(result.turns) + " turns";
    case BattleResult::Ending::NoneLeft:
        return "no fighter is left after " + Num(result.turns) + " turns";
    case BattleResult::Ending::TurnLimit:
        return "no end after " + Num(result.turns) + " turns: the turn limit stopped the battle";
    case BattleResult::Ending::Refused:
        break;
    }
    return "the battle could not be played: " + result.problem;
}

} // namespace vk2::cli
