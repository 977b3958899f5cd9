#include "battle/clock.h"

#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/stats.h"
#include "battle/targeting.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/game.h"
#include "model/types.h"
#include "play/auto_player.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

inline constexpr int kEnterKey = 13;
inline constexpr int kAnnouncePauseMs = 1000;
inline constexpr int kSkipPauseMs = 400;
inline constexpr int kBrokenOrderPauseMs = 800;
// Every pass adds the same amount modulo 2^16 to each counter, so after this many passes all
// counters are back where they started: no counter that has not passed 1000 by then ever will.
inline constexpr int kPassPeriod = 65536;
inline constexpr std::size_t kMaxItemsToReceive = 9;
inline constexpr std::string_view kAutoMode = "Auto";

// A command chosen in one turn whose boost is in force during the fighter's next turn only.
struct OneTurnBoost {
    int counter;
    std::string_view command;
    PerSlot<std::int16_t> FighterTable::*ability;
    PerBattleSlot<std::int16_t> FighterTable::*modifier;
    int factor;
};

// counter, command, ability, modifier, factor
inline constexpr std::array<OneTurnBoost, 2> kOneTurnBoosts{{
    {kChargeCounter, "気合ため", &FighterTable::attack, &FighterTable::attackMod, 14},
    {kConcentrationCounter, "精神統一", &FighterTable::spirit, &FighterTable::spiritMod, 15},
}};

// Effects announced as they run out at the turn start, in the order of their lines.
inline constexpr std::array<int, 6> kAnnouncedEndings{kHiddenCounter,    kElectrifiedCounter, kMadnessCounter,
                                                      kParalysisCounter, kBlindnessCounter,   kSleepCounter};

// Effects counted down at every turn start of their holder.
inline constexpr std::array<int, 9> kTurnCountdowns{kPropositionCounter, kWetCounter,         kHiddenCounter,
                                                    kTimeBombCounter,    kElectrifiedCounter, kMadnessCounter,
                                                    kParalysisCounter,   kBlindnessCounter,   kSleepCounter};

struct SkippedTurn {
    int counter;
    std::string_view line;
};

// counter, line (the first in force skips the turn)
inline constexpr std::array<SkippedTurn, 2> kSkippedTurns{{
    {kParalysisCounter, "身体が動かない…"},
    {kSleepCounter, "眠っている…"},
}};

// Wandering madness never runs out: the countdown takes it to 99 and it is put back.
inline constexpr std::uint8_t kWanderingMadness = 100;

// The clock's arithmetic is 16-bit and wraps.
std::int16_t Wrap16(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

std::size_t At(SlotIndex s) {
    return static_cast<std::size_t>(s);
}

bool OnField(const Game& game, SlotIndex s) {
    return game.form.ViewUnder[At(s)].visible;
}

std::uint8_t& Counter(Game& game, SlotIndex s, int k) {
    return game.f.counter(s, k);
}

void KeepMusicLooping(Game& game) {
    if (game.musicPlaying != 1) return;
    std::string state = Left(game.platform.musicCommand("Status bgm mode"), 7);
    for (char& c : state) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (state == "STOPPED") game.platform.musicCommand("play bgm from 0");
}

void CycleStatusIcons(Game& game) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        if (game.form.StPic[At(s)].visible) ShowStatusIcon(game, s);
}

bool SomeoneMayAct(const Game& game) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s)
        if (game.f.timeGauge[At(s)] > kTurnCost) return true;
    return false;
}

void AdvanceOnePass(Game& game) {
    FighterTable& f = game.f;
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        if (!OnField(game, s)) continue;
        const std::size_t i = At(s);
        const int step = f.speed[i] + 10 + f.counter(s, kStepCounter);
        f.timeGauge[i] = Wrap16(static_cast<int>(Int(f.tension[i] * 0.5)) + (f.timeGauge[i] + step));
    }
}

// Time passes in jumps: a whole round of steps inside one tick, until someone may act.
void AdvanceTimeGauges(Game& game) {
    for (int pass = 0; pass < kPassPeriod; ++pass) {
        AdvanceOnePass(game);
        if (SomeoneMayAct(game)) return;
    }
}

bool HasLargestGauge(const Game& game, SlotIndex s) {
    for (SlotIndex other = 0; other < kBattleSlots; ++other)
        if (game.f.timeGauge[At(other)] > game.f.timeGauge[At(s)]) return false;
    return true;
}

void ClearMessages(Game& game) {
    for (TextBox& box : game.form.Message) box.text.clear();
}

void RunDownFieldEffect(Game& game) {
    if (game.fieldEffectTurns > 1) {
        --game.fieldEffectTurns;
    } else if (game.fieldEffectTurns == 1) {
        game.fieldEffectTurns = 0;
        game.form.backColour = kButtonFace;
    }
}

void EndBoost(Game& game, SlotIndex s, const OneTurnBoost& boost) {
    std::uint8_t& amount = Counter(game, s, boost.counter);
    if (amount == 0) return;
    auto& modifier = (game.f.*boost.modifier)[At(s)];
    modifier = ToInt16(modifier - amount * boost.factor);
    RecomputeStats(game, s);
    amount = 0;
}

void StartBoost(Game& game, SlotIndex s, const OneTurnBoost& boost) {
    // A tenth of an ability below 2560 fits the byte counter.
    const std::uint8_t amount = ToByte(Int((game.f.*boost.ability)[At(s)] / 10.0));
    Counter(game, s, boost.counter) = amount;
    auto& modifier = (game.f.*boost.modifier)[At(s)];
    modifier = ToInt16(modifier + amount * boost.factor);
    RecomputeStats(game, s);
}

// The command chosen last turn is still the selected entry of the command list.
void ApplyLastCommand(Game& game, SlotIndex s) {
    const std::string command = SelectedCommand(game, s);
    if (command == "瞑想")
        SetMp(game, s, static_cast<double>(MpOf(game, s) + Int(game.f.spirit[At(s)] * 0.15)));
    for (const OneTurnBoost& boost : kOneTurnBoosts)
        if (command == boost.command) StartBoost(game, s, boost);
}

void CountDownHolyVoid(Game& game, SlotIndex s) {
    std::uint8_t& turns = Counter(game, s, kHolyVoidCounter);
    if (turns == 1)
        EndTimedEffect(game, s, kHolyVoidCounter, "ホーリーヴォイド", true);
    else if (turns > 1)
        --turns;
}

std::string_view EndingLine(int k) {
    if (k == kHiddenCounter) return "姿を現した。";
    if (k == kSleepCounter) return "目を覚ました。";
    return StatusExpiryName(k);
}

void AnnounceEndings(Game& game, SlotIndex s) {
    for (const int k : kAnnouncedEndings) {
        if (Counter(game, s, k) != 1) continue;
        AppendLine(game, s, EndingLine(k));
        game.platform.pause(kAnnouncePauseMs);
    }
}

void CountDownStatusEffects(Game& game, SlotIndex s) {
    for (const int k : kTurnCountdowns)
        if (Counter(game, s, k) != 0) --Counter(game, s, k);
    if (Counter(game, s, kMadnessCounter) == kWanderingMadness - 1)
        Counter(game, s, kMadnessCounter) = kWanderingMadness;
}

// The units digit counts the turns; the tens digit names the sealed ability.
void CountDownStatLock(Game& game, SlotIndex s) {
    std::uint8_t& lock = Counter(game, s, kStatLockCounter);
    if (lock % 10 == 0) return;
    --lock;
    if (lock % 10 == 0) EndTimedEffect(game, s, kStatLockCounter, "クラムボン", false);
}

bool SkipTurn(Game& game, SlotIndex s) {
    for (const SkippedTurn& skip : kSkippedTurns) {
        std::uint8_t& turns = Counter(game, s, skip.counter);
        if (turns == 0) continue;
        AppendLine(game, s, skip.line);
        game.platform.pause(kSkipPauseMs);
        --turns;
        game.f.timeGauge[At(s)] = Wrap16(game.f.timeGauge[At(s)] - kTurnCost);
        return true;
    }
    return false;
}

void ConfirmCommandEntry(Game& game, SlotIndex s, int entry) {
    game.form.Command[At(s)].selected = entry;
    CommandListKey(game, s, kEnterKey);
}

// Berserk fighters and those ordered to attack their allies strike a random target with their
// basic attack.
void ForceBasicAttack(Game& game, SlotIndex s) {
    ConfirmCommandEntry(game, s, 0);
    RandomiseTarget(game);
    game.platform.repaint();
    ClickTarget(game, game.targetSlot);
}

void BreakHandOverOrder(Game& game, SlotIndex s) {
    Counter(game, s, kBondCounter) = 0;
    game.form.Chara[At(s)].visible = false;
    AppendLine(game, s, "捧げることができません…");
    AppendLine(game, s, "洗脳が解けた。");
    game.platform.pause(kBrokenOrderPauseMs);
    game.form.Message[At(s)].visible = false;
    game.phase = kPhaseClockRuns;
}

void SelectFirstMarked(ListBox& list, std::string_view mark) {
    for (int i = 0; i < list.count(); ++i) {
        if (Left(list.entries[static_cast<std::size_t>(i)].text, 1) == mark) {
            list.selected = i;
            return;
        }
    }
}

// Ordered to hand its equipment to slot `receiver`: its accessory if it wears one, else its weapon.
void HandOverEquipment(Game& game, SlotIndex s, SlotIndex receiver) {
    const FighterTable& f = game.f;
    const bool nothingToGive = f.weapon[At(s)] == kBareHands && f.accessory[At(s)].empty();
    if (nothingToGive || game.form.Item[At(receiver)].entries.size() > kMaxItemsToReceive)
        return BreakHandOverOrder(game, s);

    ConfirmCommandEntry(game, s, game.form.Command[At(s)].count() - 3); // "アイテムをわたす"
    ListBox& items = game.form.Item[At(s)];
    SelectFirstMarked(items, f.accessory[At(s)].empty() ? kWeaponMark : kAccessoryMark);
    if (!items.visible) return; // the player finishes the hand-over
    ItemListKey(game, s, kEnterKey);
    HoverSlot(game, receiver);
    ClickTarget(game, game.targetSlot);
}

void HandTurn(Game& game, SlotIndex s) {
    game.phase = static_cast<std::int16_t>(kPhaseTurn + s);
    game.actionCode = 255;
    PlaceMessageBox(game, s, 1);
    RefreshStatusIconVisibility(game, s);
    game.form.Chara[At(s)].visible = true;
    if (game.form.WinCh[At(s)].caption == kShowCommandsCaption) ToggleStatusView(game, s);
    if (game.form.Command[At(s)].visible) GiveFocus(game, FocusControl::Command, s);

    const int bond = Counter(game, s, kBondCounter);
    const bool automatic =
        game.form.Mode[At(s)].text == kAutoMode || Counter(game, s, kConfusionCounter) != 0;
    if (Counter(game, s, kMadnessCounter) != 0 || bond == 1)
        ForceBasicAttack(game, s);
    else if (bond >= 2 && bond <= 7)
        HandOverEquipment(game, s, bond - 2);
    // A forced action whose click could not be made (its mark hidden or grey) leaves the turn to
    // whoever plays the fighter: the player waits at the screen, but an automatic fighter would
    // stand still for good, so the automatic player takes the turn.
    if (automatic && game.phase == kPhaseTurn + s) ChooseAutoAction(game, s);
    // Every other turn waits for the player's command and the click on a target.
}

void ChooseWhoActs(Game& game) {
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        if (game.f.timeGauge[At(s)] <= kTurnCost) continue;
        ClearMessages(game);
        if (!OnField(game, s) || !HasLargestGauge(game, s)) continue;
        if (StartOfTurnUpkeep(game, s)) continue;
        return HandTurn(game, s);
    }
}

} // namespace

bool IsOwnWindowActive(Game& game) {
    return game.platform.isOwnWindowActive();
}

void BattleClockTick(Game& game) {
    game.form.caption = IsOwnWindowActive(game) ? "Vellumark2" : "Vellumark2 ";
    KeepMusicLooping(game);
    CycleStatusIcons(game);
    if (game.phase != kPhaseClockRuns) return;
    AdvanceTimeGauges(game);
    ChooseWhoActs(game);
}

bool StartOfTurnUpkeep(Game& game, SlotIndex s) {
    RunDownFieldEffect(game);
    for (const OneTurnBoost& boost : kOneTurnBoosts) EndBoost(game, s, boost);
    ApplyLastCommand(game, s);
    CountDownHolyVoid(game, s);
    AnnounceEndings(game, s);
    CountDownStatusEffects(game, s);
    CountDownBarriers(game, s);
    CountDownStatLock(game, s);
    Counter(game, s, kWetCounter) = 0;
    return SkipTurn(game, s);
}

void StartBattle(Game& game) {
    game.form.ReadyGo.visible = false;
    const MenuItem* silence = game.form.menus.find("mnuBGM", 0);
    if (silence != nullptr && !silence->checked) {
        game.platform.musicCommand("Play  bgm from 0 notify");
        game.musicPlaying = 1;
    }
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        game.form.Message[At(s)].text.clear();
        if (!OnField(game, s)) continue;
        AdjustTension(game, s, 0);
        game.form.TGage[At(s)].visible = true;
    }
    game.phase = kPhaseClockRuns;
}

void CheckSidesReady(Game& game, int side) {
    const SlotIndex first = 3 * side;
    bool present = false;
    for (SlotIndex s = first; s < first + game.partySize[static_cast<std::size_t>(side)]; ++s)
        present = present || OnField(game, s);
    game.sidePresent[static_cast<std::size_t>(side)] = present ? 1 : 0;

    if (game.sidePresent[0] + game.sidePresent[1] != 2) {
        game.form.ReadyGo.visible = false;
        game.phase = kPhaseNoBattle;
        return;
    }
    game.form.ReadyGo.visible = true;
    game.musicPlaying = 0;
    game.platform.musicCommand("Stop bgm");
    if (Menu* pause = game.form.menus.findMenu("mnuPause")) pause->caption = "ポーズ";
    game.form.ATB.enabled = true;
    GiveFocus(game, FocusControl::ReadyGo);
}

} // namespace vk2
