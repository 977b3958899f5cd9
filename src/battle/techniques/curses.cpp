#include "battle/techniques/curses.h"

#include <array>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "core/text.h"
#include "form/menus.h"
#include "model/accessories.h"
#include "model/game.h"
#include "model/growth.h"
#include "model/types.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

// A fighter of the top level shrugs off every instant death.
constexpr int kTopLevel = 10;

bool ProtectedFromDeath(const Game& game, SlotIndex slot) {
    return game.f.level[At(slot)] >= kTopLevel || WearsDeathCharm(game, slot);
}

constexpr std::string_view kKilledLine = "息の根を止めた。";

// Whoever is bound by the proposition never to sleep is condemned the moment it does.
constexpr int kNoSleepProposition = 3;
constexpr std::uint8_t kCondemned = 10;

void CondemnSleeperUnderProposition(Game& game, SlotIndex slot) {
    std::uint8_t& proposition = game.f.counter(slot, kPropositionCounter);
    if (game.f.counter(slot, kSleepCounter) != 0 && proposition / 10 == kNoSleepProposition)
        proposition = kCondemned;
}

// --- The death contract -------------------------------------------------------------------------

// What the contract proclaims; the counter keeps the row number + 1 until the holder falls.
struct Contract {
    std::string_view firstLine;
    std::string_view secondLine;
};
//                                firstLine                  secondLine
constexpr std::array<Contract, 6> kContracts{{
    {"汝死せり時、その仲間に", "堕天使の羽根を与える…"},
    {"汝死せり時、その仲間に", "デスサイズを与える…"},
    {"汝死せり時、その仲間に", "罪の果実を与える…"},
    {"汝死せり時、その仲間に", "悪魔の角笛を与える…"},
    {"汝死せり時、", "その仇を道連れに…"},
    {"汝死せり時、", "仇なす者達に呪いを…"},
}};
constexpr int kRollsPerContract = 3;

// The contract always takes, and a new one replaces the old.
void SealContract(Game& game, Action& action) {
    PlaySoundEffect(game, 181);
    const int d = game.techniqueRoll / kRollsPerContract;
    const Contract& contract = kContracts[At(d)];
    game.f.counter(action.target, kDeathContractCounter) = static_cast<std::uint8_t>(d + 1);
    AppendLine(game, action.target, contract.firstLine);
    AppendLine(game, action.target, contract.secondLine);
}

// --- The proposition ----------------------------------------------------------------------------

// The task the proposition sets, by Int(r / 4); the counter's tens digit is the row number + 1.
struct Proposition {
    std::string_view span; // follows the number of turns
    std::string_view task;
};
//                                   span       task
constexpr std::array<Proposition, 4> kPropositions{{
    {"以内に", "会心の一撃を出さなければ"},
    {"の間、", "一度でもアイテムを使ったら"},
    {"の間、", "一度でも眠ったら"},
    {"以内に", "敵に薬草を使わなければ"},
}};
constexpr int kShortestProposition = 2;

void ProclaimProposition(Game& game, Action& action) {
    PlaySoundEffect(game, 22);
    const int r = game.techniqueRoll;
    const int kind = r / 4;
    const int turns = (r & 3) + kShortestProposition;
    game.f.counter(action.target, kPropositionCounter) = static_cast<std::uint8_t>((kind + 1) * 10 + turns);
    const Proposition& proposition = kPropositions[At(kind)];
    AppendText(game, action.target, Str(turns) + "ターン");
    AppendLine(game, action.target, proposition.span);
    AppendLine(game, action.target, proposition.task);
    AppendLine(game, action.target, "即死亡！");
}

// --- Birth, age, sickness and death -------------------------------------------------------------

constexpr Animation kWheelAnimation{EffectSlot::Target, 13, 7, Ec(kHoly), Fixed(0xDDDDDD), 190};

// Which spoke of the wheel the roll lands on: r 2-5 birth, 6-9 age, 10-13 sickness, 14-15 death.
constexpr int kBirthFrom = 2;
constexpr int kAgeFrom = 6;
constexpr int kSicknessFrom = 10;
constexpr int kDeathFrom = 14;

constexpr int kSicknesses = 5;
constexpr int kSicknessTurns = 3;
// The afflictions the sickness can bring: madness, paralysis, blindness, poison, oil, sleep,
// confusion and ageing.
constexpr int kFirstSickness = kMadnessCounter;
constexpr int kSicknessKinds = 8;
// These hold only 0 or 1.
constexpr std::array kOnOffCounters{kOilCounter, kConfusionCounter, kAgeingCounter};
// A partial guard wakes the sick sleeper at once.
constexpr std::uint8_t kPartialGuard = 1;

void Rejuvenate(Game& game, SlotIndex t) {
    game.f.level[At(t)] = 0;
    ApplyLevel(game, t);
    AppendLine(game, t, "「生」！");
    AppendLine(game, t, "レベル０まで若返った。");
}

void Age(Game& game, SlotIndex t) {
    game.f.counter(t, kAgeingCounter) = 1;
    AppendLine(game, t, "「老」！");
    AppendLine(game, t, "急速に老化が始まる…");
    ShowAfflictionIcon(game, t, kAgeingCounter);
}

void Sicken(Game& game, SlotIndex t) {
    FighterTable& f = game.f;
    int k = kFirstSickness;
    for (int i = 0; i < kSicknesses; ++i) {
        k = kFirstSickness + DrawIndex(game, kSicknessKinds);
        f.counter(t, k) = ToByte(f.counter(t, k) + kSicknessTurns);
    }
    ShowAfflictionIcon(game, t, k);
    for (int onOff : kOnOffCounters) f.counter(t, onOff) = f.counter(t, onOff) != 0 ? 1 : 0;
    if (f.counter(t, kStatusGuardCounter) == kPartialGuard) f.counter(t, kSleepCounter) = 0;
    AppendLine(game, t, "「病」！");
    AppendLine(game, t, "数々の病魔に襲われた。");
    CondemnSleeperUnderProposition(game, t);
}

void Die(Game& game, SlotIndex t) {
    FellFighter(game, t);
    AppendLine(game, t, "「死」！");
    AppendLine(game, t, "…………");
}

void TurnTheWheel(Game& game, Action& action) {
    const SlotIndex t = action.target;
    const int r = game.techniqueRoll;
    PlayAnimation(game, t, kWheelAnimation);
    const bool unguarded = PassesGuard(game, t, GuardTest::BelowTwo);
    if (unguarded && r >= kBirthFrom && r < kAgeFrom && game.f.level[At(t)] < kTopLevel)
        Rejuvenate(game, t);
    else if (unguarded && r >= kAgeFrom && r < kSicknessFrom)
        Age(game, t);
    else if (unguarded && r >= kSicknessFrom && r < kDeathFrom)
        Sicken(game, t);
    else if (r >= kDeathFrom && !ProtectedFromDeath(game, t))
        Die(game, t);
    else
        AppendMiss(game, t);
}

// --- Spiriting away -----------------------------------------------------------------------------

// A high roll turns the technique on its user; a low one takes the target away.
constexpr int kBackfireRollAbove = 12;
constexpr int kVanishRollUpTo = 5;

void SpiritAway(Game& game, Action& action) {
    PlaySoundEffect(game, 15);
    const int r = game.techniqueRoll;
    if (r > kBackfireRollAbove) action.target = action.actor;
    const SlotIndex t = action.target;
    if (r > kVanishRollUpTo || ProtectedFromDeath(game, t)) {
        AppendMiss(game, t);
        return;
    }
    WithdrawDuringAction(game, t);
    ReplaceLine(game, t, "消滅した…");
}

// --- The killing techniques ---------------------------------------------------------------------

constexpr Animation kStrangleAnimation{EffectSlot::Marked, 29, 6, Ec(kDark), Fixed(0x554444), 191};
constexpr ResistTest kStrangleTest{1.66, 0.1, true};

// Every white-marked fighter is tried on a roll of its own.
void Strangle(Game& game, Action& action) {
    PlayAnimation(game, action.target, kStrangleAnimation);
    ForEachSlot(game, SlotTest::MarkedWhite, [&](SlotIndex s) {
        const int r = DrawTechniqueRoll(game);
        if (ResistRoll(game, action.actor, s, kStrangleTest, r) && !ProtectedFromDeath(game, s)) {
            FellFighter(game, s);
            AppendLine(game, s, kKilledLine);
        } else {
            AppendMiss(game, s);
        }
    });
}

constexpr Animation kBurialAnimation{EffectSlot::Target, 17, 9, Ec(kEarth), Fixed(0x666666), 3};
constexpr int kBuriedAliveRollAbove = 10;
constexpr int kBuriedSleepTurns = 5;

// The buried fighter who survives sleeps under the earth.
void BuryAlive(Game& game, SlotIndex t) {
    std::uint8_t& sleep = game.f.counter(t, kSleepCounter);
    if (sleep != 0) {
        AppendLine(game, t, "眠っている…");
        return;
    }
    sleep = ToByte(sleep + kBuriedSleepTurns);
    AppendLine(game, t, "眠りに落ちた。");
    ShowAfflictionIcon(game, t, kSleepCounter);
    CondemnSleeperUnderProposition(game, t);
}

// A guarded target or a low roll makes it a burial to the death; the handkerchief turns even
// that into a burial alive.
void Bury(Game& game, Action& action) {
    const SlotIndex t = action.target;
    const int r = game.techniqueRoll;
    PlayAnimation(game, t, kBurialAnimation);
    const bool toTheDeath = (game.f.counter(t, kStatusGuardCounter) != 0 || r <= kBuriedAliveRollAbove) &&
                            game.f.accessory[At(t)] != kAliceHandkerchief;
    if (!toTheDeath) {
        BuryAlive(game, t);
        return;
    }
    if (r > kBuriedAliveRollAbove || ProtectedFromDeath(game, t)) {
        AppendMiss(game, t);
        return;
    }
    FellFighter(game, t);
    AppendLine(game, t, kKilledLine);
}

//                                        key     handler
constexpr std::array<KeyHandler, 6> kCurseHandlers{{
    {"死神", SealContract},        // 死神との契約
    {"生老", TurnTheWheel},        // 生老病死
    {"神隠", SpiritAway},          // 神隠し
    {"世の", ProclaimProposition}, // 世の死を見つめる天の童
    {"死の", Strangle},            // 死の大絡
    {"土葬", Bury},                // 土葬
}};

// --- Withdrawal ---------------------------------------------------------------------------------

constexpr std::array<const char*, 3> kSlotMenus{"mnuSave", "mnuRecover", "mnuClose"};

// The side panels fold back to their command lists and close.
void CloseSidePanels(Game& game) {
    Form& form = game.form;
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        if (form.WinCh[At(s)].caption == kShowCommandsCaption) ToggleStatusView(game, s);
        form.Chara[At(s)].visible = false;
    }
    form.Command[At(kPreviewSlot)].clear();
    form.ItemPrev.clear();
}

void HideSlotControls(Game& game, SlotIndex s) {
    Form& form = game.form;
    form.ViewUnder[At(s)].visible = false;
    form.ViewFrame[At(s)].borderColour = kButtonFace;
    form.ViewFrame[At(s)].borderStyle = 1;
    const int m = MenuIndexOfSlot(s);
    for (const char* menu : kSlotMenus)
        if (MenuItem* item = form.menus.find(menu, m)) item->enabled = false;
    form.TGage[At(s)].visible = false;
    form.Chara[At(s)].visible = false;
    form.Item[At(s)].visible = false;
    form.HPMP[At(s)].visible = false;
    form.HPMP[At(s)].backColour = kWhite;
    form.HP[At(s)].visible = false;
    form.MP[At(s)].visible = false;
    form.Cursor[At(s)].foreColour = kWhite;
    form.CursorTail[At(s)].foreColour = kWhite;
    form.StPic[At(s)].visible = false;
}

void ForgetSlot(Game& game, SlotIndex s) {
    FighterTable& f = game.f;
    f.filePath[At(s)].clear();
    for (int k = 0; k < kCounters; ++k) f.counter(s, k) = 0;
    f.timeGauge[At(s)] = 0;
    f.learnedCount[At(s)] = 0;
    game.form.Chara[At(s)].caption.clear();
}

} // namespace

std::span<const KeyHandler> CurseHandlers() {
    return kCurseHandlers;
}

void WithdrawDuringAction(Game& game, SlotIndex slot) {
    CloseSidePanels(game);
    HideSlotControls(game, slot);
    ForgetSlot(game, slot);
    PlaceMessageBox(game, slot, 0);
    // A copied command carried out for another fighter keeps its own text in the box.
    if (game.form.Exi.visible) game.form.Message[At(slot)].text = "退場！";
    game.form.Message[At(slot)].visible = true;
    EndSeparation(game, slot);
}

} // namespace vk2
