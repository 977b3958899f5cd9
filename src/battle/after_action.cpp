#include "battle/after_action.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/after_action_steps.h"
#include "battle/boxes.h"
#include "battle/clock.h"
#include "battle/counters.h"
#include "battle/item_transfer.h"
#include "battle/messages.h"
#include "battle/mp_cost.h"
#include "battle/skills/execute_skill.h"
#include "battle/stats.h"
#include "battle/targeting.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/commands.h"
#include "model/game.h"
#include "model/types.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

inline constexpr std::string_view kMagicPrism = "マジックプリズム";
inline constexpr std::string_view kMimicCommand = "ものまね";
inline constexpr std::string_view kChartCaption = "チャート";
// The summon marker once a summon is over, and the one for a borrowed item that was not used up.
inline constexpr std::string_view kSummonSettled = "000";
inline constexpr std::string_view kBorrowedItemKept = "1";

inline constexpr std::size_t kLearnedPosition = 2;
inline constexpr std::size_t kBagLimit = 10;
inline constexpr int kBootyDraws = 10;
inline constexpr int kBombBase = 7800;
inline constexpr int kBombSound = 112;
inline constexpr std::uint8_t kSeparatedMiddle = 1;
inline constexpr std::uint8_t kSeparationUndone = 0;

inline constexpr int kBeforeBombPauseMs = 200;
inline constexpr int kPropositionClearedPauseMs = 300;
inline constexpr int kPropositionBrokenPauseMs = 400;
inline constexpr int kPanelPauseMs = 500;
inline constexpr int kBeforeBootyPauseMs = 300;
inline constexpr int kBootyPauseMs = 1000;

std::size_t At(SlotIndex s) {
    return static_cast<std::size_t>(s);
}

void ClearMessages(Game& game) {
    for (TextBox& box : game.form.Message) box.text.clear();
}

ListEntry* ChosenEntry(Game& game, SlotIndex slot) {
    ListBox& commands = game.form.Command[At(slot)];
    if (commands.selected < 0 || commands.selected >= commands.count()) return nullptr;
    return &commands.entries[At(commands.selected)];
}

// Members of both sides, left side first.
template <typename Visit> void ForEachMember(const Game& game, Visit visit) {
    for (int side = 0; side < 2; ++side)
        for (SlotIndex s = 3 * side; s <= SideLast(game, 3 * side); ++s) visit(s);
}

// Plain attacks and the item commands are not worth learning.
bool Learnable(std::string_view command) {
    return !command.empty() && command != "たたかう" && command != kUseItemCommand &&
           command != kHandItemCommand;
}

void Learn(Game& game, SlotIndex learner, const ListEntry& command) {
    AppendLine(game, learner, "「" + command.text + "」");
    AppendLine(game, learner, "をラーニング。");
    ListBox& list = game.form.Command[At(learner)];
    list.insert(std::min(kLearnedPosition, list.entries.size()), command.text, command.number);
    // The learner's own choice stays chosen.
    if (list.selected >= static_cast<int>(kLearnedPosition)) ++list.selected;
    game.f.learnedCount[At(learner)] = ToByte(game.f.learnedCount[At(learner)] + 1);
}

// Fighters watching with ラーニング pick up the command that was used on them; then every mark
// but the actor's goes.
void LearnByWatching(Game& game, SlotIndex actor) {
    const ListEntry* chosen = ChosenEntry(game, actor);
    const ListEntry command = chosen != nullptr ? *chosen : ListEntry{};
    ForEachMember(game, [&](SlotIndex j) {
        if (j == actor) return;
        if (SelectedCommand(game, j) == kLearningCommand && CursorState(game, j) == 10 &&
            Learnable(command.text))
            Learn(game, j, command);
        HideMark(game, j);
    });
    game.platform.repaint();
}

void RepeatReflections(Game& game, FinishedAction& action) {
    if (action.reflections <= 9) return;
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        game.form.Cursor[At(s)].visible = s == action.reflections % 10;
    for (int run = 0; run < action.reflections / 10; ++run)
        ExecuteSkill(game, action.actor, action.target, action.key);
    game.form.Cursor[At(action.target)].visible = false;
}

void ExplodeBomb(Game& game, SlotIndex actor) {
    std::uint8_t& bomb = game.f.counter(actor, kTimeBombCounter);
    if (bomb != 1) return;
    game.form.Cursor[At(actor)].visible = true;
    PlayActionEffect(game, actor, 23, 3, kBlinkMarker, kBlinkMarker, kBombSound);
    const std::int64_t damage = kBombBase + game.f.timeGauge[At(actor)];
    game.form.Message[At(actor)].text += "爆発！" + Str(damage) + " のダメージ！";
    SetHp(game, actor, static_cast<double>(HpOf(game, actor) - damage));
    bomb = 0;
    RefreshStatusIconVisibility(game, actor);
}

void Regenerate(Game& game, SlotIndex actor) {
    const std::string& accessory = game.f.accessory[At(actor)];
    if (accessory == kBlessingBell)
        SetHp(game, actor, static_cast<double>(HpOf(game, actor) + Int(game.f.maxHp[At(actor)] * 0.05)));
    else if (accessory == kMagicPrism)
        SetMp(game, actor, static_cast<double>(MpOf(game, actor) + 1 + Int(game.f.maxMp[At(actor)] * 0.05)));
}

// The tens digit of counter 12 names the task: 2 and 3 have been met, 1 and 4 broken.
void JudgeProposition(Game& game, SlotIndex actor) {
    std::uint8_t& proposition = game.f.counter(actor, kPropositionCounter);
    if (proposition == 20 || proposition == 30) {
        AppendLine(game, actor, "天の命題クリア。");
        proposition = 0;
        game.platform.pause(kPropositionClearedPauseMs);
    } else if (proposition == 10 || proposition == 40) {
        AppendLine(game, actor, "天の命題に背いた！");
        SetHp(game, actor, 0);
        game.platform.pause(kPropositionBrokenPauseMs);
    }
}

void PutItemListAway(Game& game, SlotIndex actor) {
    if (game.form.Item[At(actor)].visible) ToggleStatusView(game, actor);
    HideMark(game, actor);
    game.platform.repaint();
    game.platform.pause(kPanelPauseMs);
}

// The effects of these commands settle their MP themselves.
bool PaysByItself(std::string_view command) {
    const std::string key = Left(command, 2);
    return command == "神の見えざる手" || key == kSummonCommand || key == "エミ";
}

// The summoned fighter has acted: the summoner gets its own equipment back, and a borrowed item
// that its use did not consume goes back where it came from.
void CompleteSummon(Game& game, SlotIndex actor) {
    Form& form = game.form;
    if (Menu* entry = form.menus.findMenu("mnuOpens")) entry->enabled = true;
    EndSummonPreview(game);
    if (ListEntry* chosen = ChosenEntry(game, actor)) *chosen = {std::string(kSummonCommand), 0};
    game.f.weapon[At(actor)] = form.Scouting.caption;
    game.f.accessory[At(actor)] = form.ChartLabel.caption;
    form.ChartLabel.caption = kChartCaption;
    RecomputeStats(game, actor);
    ListBox& items = form.Item[At(actor)];
    if (form.Exi.caption == kBorrowedItemKept && items.count() > 0)
        items.entries.erase(items.entries.begin());
    form.Exi.caption = kSummonSettled;
}

void SettleMp(Game& game, SlotIndex actor) {
    std::string& marker = game.form.Exi.caption;
    if (PaysOwnMp(game)) {
        if (!PaysByItself(SelectedCommand(game, actor))) PayMpCost(game, actor);
    } else if (marker == kSummonSettled) {
        marker.clear();
    } else if (!marker.empty()) {
        CompleteSummon(game, actor);
    }
}

void ClosePanel(Game& game, SlotIndex actor) {
    if (game.form.WinCh[At(actor)].caption == kShowCommandsCaption) ToggleStatusView(game, actor);
    ClearMessages(game);
    game.form.Item[At(actor)].visible = false;
}

// A separation that left the middle member alone ends with the action that made it.
void ReturnHiddenMembers(Game& game) {
    for (int side = 0; side < 2; ++side) {
        if (game.separatedMember[At(side)] != kSeparatedMiddle) continue;
        for (SlotIndex s = 3 * side; s <= SideLast(game, 3 * side); ++s)
            if (HpOf(game, s) > 0) game.form.ViewUnder[At(s)].visible = true;
        game.separatedMember[At(side)] = kSeparationUndone;
    }
}

// A copied command does not cost the turn: the actor acts again at once.
void EndMimicry(Game& game, SlotIndex actor) {
    if (game.form.Exi.visible) return;
    if (ListEntry* chosen = ChosenEntry(game, actor)) chosen->text = kMimicCommand;
    game.f.timeGauge[At(actor)] = ToInt16(game.f.timeGauge[At(actor)] + kTurnCost);
    game.form.Exi.visible = true;
}

bool BootyRuleOn(Game& game) {
    const MenuItem* rule = game.form.menus.find("mnuBooty");
    return rule != nullptr && rule->checked;
}

// A fallen member of the target's side that carries something, drawn at random.
SlotIndex FindBootySource(Game& game, SlotIndex target) {
    bool anyFallen = false;
    for (SlotIndex s = SideBase(target); s <= SideLast(game, target); ++s)
        anyFallen = anyFallen || ShowsFallenLine(game, s);
    if (!anyFallen) return -1;
    for (int draw = 0; draw < kBootyDraws; ++draw) {
        game.random.reseed();
        const SlotIndex c = SideBase(target) +
                            static_cast<SlotIndex>(Int(game.random.next() * game.partySize[SideOf(target)]));
        if (ShowsFallenLine(game, c) && game.form.Item[At(c)].count() > 0) return c;
    }
    return -1;
}

std::string WithoutEquipMark(const std::string& text) {
    return StartsWith(text, kWeaponMark) || StartsWith(text, kAccessoryMark) ? Mid(text, 2) : text;
}

void TakeBooty(Game& game, SlotIndex actor, SlotIndex target) {
    if (!BootyRuleOn(game) || game.form.Item[At(actor)].entries.size() >= kBagLimit ||
        game.form.ViewFrame[At(actor)].borderStyle != 0)
        return;
    const SlotIndex source = FindBootySource(game, target);
    const std::string command = SelectedCommand(game, actor);
    if (source < 0 || SideOf(source) == SideOf(actor) || command == "通電心肺蘇生" ||
        command == kMimicCommand)
        return;
    ListBox& items = game.form.Item[At(source)];
    game.random.reseed();
    items.selected = static_cast<int>(Int(game.random.next() * items.count()));
    game.form.Message[At(source)].text.clear();
    game.form.Message[At(actor)].text = "戦利品" + std::string(kCrLf) + std::string(kCrLf) +
                                        WithoutEquipMark(items.entries[At(items.selected)].text);
    TransferItem(game, source, actor);
    PlaceMessageBox(game, source, 1);
    game.form.Message[At(source)].visible = false;
    game.platform.repaint();
    game.platform.pause(kBootyPauseMs);
}

void PassTurn(Game& game, SlotIndex actor) {
    ClearMessages(game);
    for (int side = 0; side < 2; ++side) {
        bool present = false;
        for (SlotIndex s = 3 * side; s <= SideLast(game, 3 * side); ++s)
            present = present || OnField(game, s);
        game.sidePresent[At(side)] = present ? 1 : 0;
    }
    std::int16_t& gauge = game.f.timeGauge[At(actor)];
    if (gauge != 0) gauge = ToInt16(gauge - kTurnCost);
    if (game.sidePresent[0] == 1 && game.sidePresent[1] == 1) {
        game.phase = kPhaseClockRuns;
    } else {
        game.phase = kPhaseNoBattle;
        game.platform.musicCommand("Stop bgm");
        game.musicPlaying = 0;
    }
    GiveFocus(game, FocusControl::LetsClose);
}

} // namespace

bool ShowsFallenLine(const Game& game, SlotIndex slot) {
    return game.form.Message[At(slot)].text == kFallenLine;
}

bool OnField(const Game& game, SlotIndex slot) {
    return game.form.ViewUnder[At(slot)].visible;
}

void HideMark(Game& game, SlotIndex slot) {
    game.form.Cursor[At(slot)].visible = false;
    game.form.CursorTail[At(slot)].visible = false;
}

void EndSummonPreview(Game& game) {
    Form& form = game.form;
    form.ViewUnder[kPreviewSlot].visible = false;
    form.ViewFrame[kPreviewSlot].borderStyle = 1;
    form.ViewFrame[kPreviewSlot].borderColour = kButtonFace;
    form.StatusPrev.text.clear();
    form.StatusPrev2.text.clear();
}

void FinishAction(Game& game, FinishedAction& action) {
    const SlotIndex actor = action.actor;
    if (game.form.Exi.caption.empty()) RunOwnTimedEffects(game, actor);
    LearnByWatching(game, actor);
    ReleaseOleanderSmoke(game, actor, action.target);
    RepeatReflections(game, action);
    game.platform.pause(kBeforeBombPauseMs);
    ExplodeBomb(game, actor);
    Regenerate(game, actor);
    JudgeProposition(game, actor);
    PutItemListAway(game, actor);
    SettleMp(game, actor);
    ClosePanel(game, actor);
    ResolveFalls(game, actor, action.target);
    ReturnHiddenMembers(game);
    EndMimicry(game, actor);
    game.platform.pause(kBeforeBootyPauseMs);
    TakeBooty(game, actor, action.target);
    PassTurn(game, actor);
}

} // namespace vk2
