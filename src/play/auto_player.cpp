#include "play/auto_player.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "battle/boxes.h"
#include "battle/clock.h"
#include "battle/counters.h"
#include "battle/mp_cost.h"
#include "battle/targeting.h"
#include "core/colour.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/game.h"
#include "model/item_descriptions.h"
#include "model/types.h"
#include "model/weapons.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

inline constexpr int kClickPauseMs = 200;
inline constexpr int kFallbackClickPauseMs = 100;
inline constexpr int kRandomActionTries = 8;
inline constexpr int kItemPicks = 8;
inline constexpr int kConcentratedPicks = 6;
inline constexpr int kTargetTries = 10;
inline constexpr int kValidMark = 10;

// actionCode: 200 and above need no target to be chosen; 255 is a command that cannot be used.
inline constexpr int kSelfCodes = 200;
inline constexpr int kNoAction = 255;
// Commands whose code ends in 93 look on the other side too, from this try on.
inline constexpr int kOtherSideCode = 93;
inline constexpr int kOtherSideTry = 5;
// actionKind below this: a spell.
inline constexpr int kPhysicalKinds = 2;

// An HP label shows the system's window-background colour until a technique blacks it out.
inline constexpr Colour kNormalHpDisplay = kWhite;

// A proposition with this tens digit forbids items.
inline constexpr int kNoItemTask = 2;

// The focus t: the situation found plus the ally's slot; a wounded ally is its slot alone.
inline constexpr int kNoFocus = 100;
inline constexpr int kFallenFocus = 40;
inline constexpr int kPoisonFocus = 30;
inline constexpr int kBombFocus = 20;
inline constexpr int kConfusedFocus = 10;

// Only a weak hand is sent to bring a confused ally to its senses.
inline constexpr int kGentleAttack = 90;
// Beyond this attack a back-row fighter without reach rather moves forward.
inline constexpr int kModestAttack = 124;
inline constexpr double kAmpleMpShare = 0.75;
// Commands that need a caster of this level or more above it.
inline constexpr int kVenomGenomeLevel = 6;

inline constexpr std::string_view kCover = "かばう";
inline constexpr std::string_view kCuringClaw = "極楽鳥の爪";

// Spells are not looked up while the silence field holds.
enum class Entry : std::uint8_t { Command, Spell, Item };

// The extra condition of a candidate.
enum class When : std::uint8_t { Always, ActorAboveLevel6, AllyIsActor, AllyInFrontRow, AllyInBackRow };

struct Candidate {
    Entry entry = Entry::Command;
    std::string_view name{}; // empty: no candidate
    When when = When::Always;
};

// entry, name, when
inline constexpr auto kRevivals = std::to_array<Candidate>({
    {Entry::Spell, "通電心肺蘇生"},
    {Entry::Spell, "フェニックス"},
    {Entry::Spell, "生命の息吹"},
    {Entry::Item, "罪の果実"},
    {Entry::Item, "ゴータミーの芥子粒"},
});

// entry, name, when
inline constexpr auto kPoisonCures = std::to_array<Candidate>({
    {Entry::Item, "高麗人参"},
    {Entry::Item, "キャロットケーキ"},
    {Entry::Item, "アロエ"},
    {Entry::Item, "毒消し草"},
    {Entry::Spell, "ユグドラシル"},
    {Entry::Spell, "清流"},
    {Entry::Spell, "ヴェノム・ゲノム", When::ActorAboveLevel6},
    {Entry::Spell, "インフェクション", When::AllyIsActor},
    {Entry::Spell, "バクテリア分解", When::AllyIsActor},
});

// entry, name, when
inline constexpr auto kBombDisposals = std::to_array<Candidate>({
    {Entry::Spell, "奇跡の泉"},
    {Entry::Spell, "地下水"},
    {Entry::Spell, "うずしお"},
    {Entry::Spell, "清流"},
});

// For an ally whom healing harms. entry, name, when
inline constexpr auto kHarmfulCures = std::to_array<Candidate>({
    {Entry::Command, "鉱毒"},
    {Entry::Item, "毒針"},
});

// entry, name, when
inline constexpr auto kHealings = std::to_array<Candidate>({
    {Entry::Spell, "奇跡の泉"},
    {Entry::Spell, "癒しの風"},
    {Entry::Spell, "森林浴"},
    {Entry::Spell, "ヒーリングオーラ"},
    {Entry::Spell, "大地の恵み"},
    {Entry::Spell, "救いの掌"},
    {Entry::Spell, "光合成", When::AllyIsActor},
    {Entry::Spell, "吸血", When::AllyIsActor},
    {Entry::Spell, "養分吸収", When::AllyIsActor},
    {Entry::Item, "うさぎ餅"},
    {Entry::Item, "仙人の桃"},
    {Entry::Item, "ピーチクラフティ"},
    {Entry::Item, "薬草"},
    {Entry::Item, "八ツ橋"},
    {Entry::Item, "豆乳プリン"},
    {Entry::Item, "マドレーヌ"},
    {Entry::Item, "バイタルドリンク"},
});

// An ally that absorbs an element is healed by an attack of that element.
struct AbsorbedElementHealing {
    Element element;
    std::array<Candidate, 4> candidates;
};

using C = Candidate;
// element, candidates
inline constexpr auto kAbsorbedElementHealings = std::to_array<AbsorbedElementHealing>({
    {kFire,
     {C{Entry::Command, "ファイヤーボール"}, C{Entry::Command, "溶岩流"}, C{Entry::Command, "鬼火"},
      C{Entry::Command, "聖火"}}},
    {kCold,
     {C{Entry::Command, "液体窒素"}, C{Entry::Command, "樹氷"}, C{Entry::Command, "永久凍土"},
      C{Entry::Command, "つらら落とし"}}},
    {kThunder, {C{Entry::Command, "レーザー"}, C{Entry::Command, "プラズマ"}}},
    {kWind,
     {C{Entry::Command, "ソニックブーム"}, C{Entry::Command, "マハンウイング", When::AllyInFrontRow},
      C{Entry::Item, "天狗の葉うちわ", When::AllyInBackRow}}},
    {kEarth, {C{Entry::Command, "溶岩流"}, C{Entry::Command, "永久凍土"}, C{Entry::Command, "地下水"}}},
    {kWater, {C{Entry::Command, "船幽霊"}, C{Entry::Command, "地下水"}, C{Entry::Command, "うずしお"}}},
    {kWood, {C{Entry::Command, "樹氷"}, C{Entry::Command, "沙羅双樹"}, C{Entry::Command, "いばら"}}},
    {kDark, {C{Entry::Command, "船幽霊"}, C{Entry::Command, "鬼火"}, C{Entry::Command, "魔弾"}}},
    {kHoly, {C{Entry::Command, "沙羅双樹"}, C{Entry::Command, "聖火"}, C{Entry::Command, "スティグマータ"}}},
});

// entry, name, when
inline constexpr auto kChargedCommands = std::to_array<Candidate>({
    {Entry::Command, kFightCommand},
    {Entry::Command, "疾風迅雷"},
    {Entry::Command, "一期一会"},
    {Entry::Command, "風林火山"},
    {Entry::Command, "二連撃"},
    {Entry::Command, "三連撃"},
    {Entry::Command, "龍虎乱舞"},
});

// Commands of ally care that still go for a random target.
inline constexpr std::array<std::string_view, 4> kRandomTargetCommands = {kFightCommand, "インフェクション",
                                                                          "吸血", "養分吸収"};

// Items worth using instead of handing one over; the last one present wins.
inline constexpr std::array<std::string_view, 3> kItemsBeforeGiving = {"レムの振り子", "天狗の葉うちわ",
                                                                       "雷神太鼓"};

std::size_t At(SlotIndex s) {
    return static_cast<std::size_t>(s);
}

std::uint8_t Counter(const Game& game, SlotIndex s, int k) {
    return game.f.counter(s, k);
}

bool Silenced(const Game& game) {
    return game.form.backColour == kSilentSnowField;
}

bool InFrontRow(const Game& game, SlotIndex s) {
    return game.f.position[At(s)] % 3 != 0;
}

bool OnField(const Game& game, SlotIndex s) {
    return game.form.ViewUnder[At(s)].visible;
}

// A technique can black out an HP display; such an ally's HP is not judged.
bool HpDisplayNormal(const Game& game, SlotIndex s) {
    return game.form.HPMP[At(s)].backColour == kNormalHpDisplay;
}

bool ItemsAllowed(const Game& game, SlotIndex s) {
    return Counter(game, s, kItemBanCounter) == 0 && game.form.Item[At(s)].count() > 0;
}

bool IsEquipment(const std::string& itemText) {
    return StartsWith(itemText, kWeaponMark) || StartsWith(itemText, kAccessoryMark);
}

int RollBelow(Game& game, int n) {
    return static_cast<int>(Int(game.random.next() * n));
}

// The index of the last entry called `name` at or above `from`; -1 when none.
int FindUpwardFrom(const ListBox& list, std::string_view name, int from) {
    for (int i = std::min(from, list.count() - 1); i >= 0; --i)
        if (list.entries[At(i)].text == name) return i;
    return -1;
}

// ---- driving the side panel as a player would ----

void SelectCommand(Game& game, SlotIndex actor, int index) {
    game.form.Command[At(actor)].selected = index;
    ShowCommandDescription(game, actor);
}

void SelectAndConfirmCommand(Game& game, SlotIndex actor, int index) {
    SelectCommand(game, actor, index);
    CommandListKey(game, actor, kKeyEnter);
}

void SelectAndConfirmItem(Game& game, SlotIndex actor, int index) {
    game.form.Item[At(actor)].selected = index;
    ShowItemDescription(game, actor);
    ItemListKey(game, actor, kKeyEnter);
}

void ShowCommandList(Game& game, SlotIndex actor) {
    if (game.form.Item[At(actor)].visible) ToggleStatusView(game, actor);
}

void ConfirmBasicAttack(Game& game, SlotIndex actor) {
    ShowCommandList(game, actor);
    SelectAndConfirmCommand(game, actor, 0);
}

bool TargetIsValid(const Game& game) {
    return CursorState(game, game.targetSlot) == kValidMark;
}

// The window shows the choice and its mark a moment before the click.
void ClickAfterPause(Game& game, int ms) {
    game.platform.repaint();
    game.platform.pause(ms);
    ClickTarget(game, game.targetSlot);
}

bool ClickIfValid(Game& game) {
    if (!TargetIsValid(game)) return false;
    ClickAfterPause(game, kClickPauseMs);
    return true;
}

// ---- caring for allies ----

struct Decision {
    Game& game;
    SlotIndex actor;
    int t = kNoFocus;

    SlotIndex ally() const { return t % 10; }
};

bool Applies(const Decision& d, const Candidate& c) {
    if (c.name.empty() || (c.entry == Entry::Spell && Silenced(d.game))) return false;
    switch (c.when) {
    case When::Always:
        return true;
    case When::ActorAboveLevel6:
        return d.game.f.level[At(d.actor)] > kVenomGenomeLevel;
    case When::AllyIsActor:
        return d.ally() == d.actor;
    case When::AllyInFrontRow:
        return InFrontRow(d.game, d.ally());
    case When::AllyInBackRow:
        return !InFrontRow(d.game, d.ally());
    }
    return false;
}

// Candidates are weighed in order and each usable one overwrites the last.
void LookUp(Decision& d, std::span<const Candidate> candidates) {
    for (const Candidate& c : candidates)
        if (Applies(d, c))
            d.game.autoChoice = FindUsableEntry(d.game, d.actor, c.entry == Entry::Item, c.name);
}

// Focuses on the last ally of the actor's side for which `found` holds, if any. Returns whether
// the focus now lies on this situation.
template <typename Found> bool FocusOnLast(Decision& d, int situation, Found found) {
    for (SlotIndex s = SideBase(d.actor); s <= SideLast(d.game, d.actor); ++s)
        if (found(s)) d.t = situation + s;
    return d.t < situation + 10;
}

void CareForFallen(Decision& d) {
    const Game& game = d.game;
    const bool found = FocusOnLast(
        d, kFallenFocus, [&](SlotIndex s) { return HpOf(game, s) == 0 && !game.f.filePath[At(s)].empty(); });
    if (found && Mod(game.f.timeGauge[At(d.actor)], 4) != 0) LookUp(d, kRevivals);
}

void CareForPoisoned(Decision& d) {
    const Game& game = d.game;
    const bool found = FocusOnLast(d, kPoisonFocus, [&](SlotIndex s) {
        return Counter(game, s, kPoisonCounter) != 0 && Counter(game, s, kReversedHealingCounter) == 0;
    });
    if (!found) return;
    LookUp(d, kPoisonCures);
    // Its blow cures poison.
    if (game.f.weapon[At(d.actor)] == kCuringClaw && d.ally() == d.actor) d.game.autoChoice = 0;
}

void DisposeOfBombs(Decision& d) {
    const Game& game = d.game;
    if (FocusOnLast(d, kBombFocus, [&](SlotIndex s) { return Counter(game, s, kTimeBombCounter) != 0; }))
        LookUp(d, kBombDisposals);
}

void CareForConfused(Decision& d) {
    const Game& game = d.game;
    const bool found =
        game.f.attack[At(d.actor)] < kGentleAttack && FocusOnLast(d, kConfusedFocus, [&](SlotIndex s) {
            return Counter(game, s, kConfusionCounter) != 0 && Counter(game, s, kPropositionCounter) == 0 &&
                   Counter(game, s, kKarmaCounter) == 0;
        });
    // A weak blow brings the ally to its senses.
    const ListBox& commands = game.form.Command[At(d.actor)];
    if (found && commands.count() > 0 && commands.entries[0].text == kFightCommand) d.game.autoChoice = 0;
}

// The most wounded ally on the field, once one has fallen below a quarter of its maximum HP.
void FindWounded(Decision& d) {
    const Game& game = d.game;
    for (SlotIndex s = SideBase(d.actor); s <= SideLast(game, d.actor); ++s) {
        if (!OnField(game, s) || !HpDisplayNormal(game, s)) continue;
        if (d.t < kBattleSlots) {
            if (HpOf(game, s) < HpOf(game, d.t)) d.t = s;
        } else if (static_cast<double>(HpOf(game, s)) < game.f.maxHp[At(s)] / 4.0) {
            d.t = s;
        }
    }
}

void HealByAbsorption(Decision& d) {
    const Game& game = d.game;
    if (Counter(game, d.actor, kMirrorCounter) != 0) return;
    for (const AbsorbedElementHealing& row : kAbsorbedElementHealings)
        if (game.autoChoice == kNothingChosen && game.f.affinity[At(d.t)][row.element - 1] == kAbsorb)
            LookUp(d, row.candidates);
}

void CareForWounded(Decision& d) {
    const Game& game = d.game;
    if (d.t >= kBattleSlots) return;
    LookUp(d, Counter(game, d.t, kReversedHealingCounter) != 0 ? std::span<const Candidate>(kHarmfulCures)
                                                               : std::span<const Candidate>(kHealings));
    if (game.autoChoice != kNothingChosen) return;
    HealByAbsorption(d);
    if (game.autoChoice == kNothingChosen && game.f.level[At(d.t)] >= game.f.level[At(d.actor)])
        d.game.autoChoice = FindUsableEntry(d.game, d.actor, false, kCover);
}

bool AimsAtRandom(std::string_view command) {
    return std::find(kRandomTargetCommands.begin(), kRandomTargetCommands.end(), command) !=
           kRandomTargetCommands.end();
}

// Uses the chosen care on the ally concerned. Returns whether the click ended the turn.
bool CarryOutCare(Decision& d) {
    Game& game = d.game;
    const int choice = game.autoChoice;
    if (choice == kNothingChosen) return false;
    if (choice < kItemChoiceBase) {
        SelectAndConfirmCommand(game, d.actor, choice);
    } else {
        const ListBox& commands = game.form.Command[At(d.actor)];
        SelectAndConfirmCommand(game, d.actor,
                                FindUpwardFrom(commands, kUseItemCommand, commands.count() - 4));
        SelectAndConfirmItem(game, d.actor, choice - kItemChoiceBase);
    }
    if (AimsAtRandom(SelectedCommand(game, d.actor)))
        RandomiseTarget(game);
    else
        HoverSlot(game, d.ally());
    if (ClickIfValid(game)) return true;
    ShowCommandList(game, d.actor);
    return false;
}

bool CareForAllies(Decision& d) {
    CareForFallen(d);
    CareForPoisoned(d);
    DisposeOfBombs(d);
    CareForConfused(d);
    FindWounded(d);
    CareForWounded(d);
    return CarryOutCare(d);
}

// ---- the actor's own action ----

// A charged fighter strikes hard; a concentrating one looks for a spell.
void ChooseBoostedCommand(Decision& d) {
    Game& game = d.game;
    if (Counter(game, d.actor, kChargeCounter) != 0) {
        LookUp(d, kChargedCommands);
        if (game.autoChoice < kItemChoiceBase) SelectCommand(game, d.actor, game.autoChoice);
        return;
    }
    const int count = game.form.Command[At(d.actor)].count();
    if (Counter(game, d.actor, kConcentrationCounter) == 0 || count <= 6) return;
    for (int i = 0; i < kConcentratedPicks; ++i) {
        // Any entry but the basic attack and the fixed tail of four.
        SelectCommand(game, d.actor, 1 + RollBelow(game, count - 5));
        if (game.actionKind < kPhysicalKinds) return;
    }
}

// Returns whether the click ended the turn.
bool UseSelectedCommand(Game& game, SlotIndex actor) {
    if (game.actionCode == kNoAction) return false;
    CommandListKey(game, actor, kKeyEnter);
    if (game.actionCode < kSelfCodes) RandomiseTarget(game);
    if (ClickIfValid(game)) return true;
    TargetKey(game, game.targetSlot, kKey0);
    return false;
}

bool TriesRandomAction(const Game& game, SlotIndex actor) {
    const FighterTable& f = game.f;
    return static_cast<double>(MpOf(game, actor)) > kAmpleMpShare * f.maxMp[At(actor)] ||
           HpOf(game, actor) % 2 != 0 || f.attack[At(actor)] <= kModestAttack || InFrontRow(game, actor) ||
           f.longReach[At(actor)] != 0;
}

// Picks items at random until one is not equipment and uses it. Returns whether one was used.
bool UseRandomItem(Game& game, SlotIndex actor) {
    const ListBox& items = game.form.Item[At(actor)];
    for (int i = 0; i < kItemPicks; ++i) {
        game.random.reseed();
        const int pick = RollBelow(game, items.count());
        if (IsEquipment(items.entries[At(pick)].text)) continue;
        SelectAndConfirmItem(game, actor, pick);
        return true;
    }
    return false;
}

bool ItemListOpened(const Game& game, SlotIndex actor) {
    const ListBox& items = game.form.Item[At(actor)];
    return IsItemCommand(SelectedCommand(game, actor)) && items.visible && items.count() > 0;
}

// The last of the items worth using that the actor carries; -1 when none.
int ItemBeforeGiving(const Game& game, SlotIndex actor) {
    int found = -1;
    for (std::string_view name : kItemsBeforeGiving) {
        const int index = game.form.Item[At(actor)].find(std::string(name));
        if (index >= 0) found = index;
    }
    return found;
}

// Rather than handing an item over, the actor uses one of a few items worth using.
void UseItemInsteadOfGiving(Game& game, SlotIndex actor, int handOverEntry) {
    SelectAndConfirmCommand(game, actor, handOverEntry - 1);
    const int item = ItemBeforeGiving(game, actor);
    if (item < 0)
        ConfirmBasicAttack(game, actor);
    else
        SelectAndConfirmItem(game, actor, item);
}

// One try of a random action. Returns whether its target is valid.
bool TryRandomAction(Game& game, SlotIndex actor) {
    const int count = game.form.Command[At(actor)].count();
    const int handOverEntry = count - 3;
    game.random.reseed();
    const int c = RollBelow(game, count - 2);
    if (c != handOverEntry || !ItemsAllowed(game, actor)) {
        SelectAndConfirmCommand(game, actor, c);
        if (ItemListOpened(game, actor) && !UseRandomItem(game, actor)) ConfirmBasicAttack(game, actor);
    } else {
        UseItemInsteadOfGiving(game, actor, handOverEntry);
    }
    if (game.actionCode < kSelfCodes) RandomiseTarget(game);
    return TargetIsValid(game);
}

// Hidden fighters and peaceful hands defend instead of attacking.
int FallbackEntry(const Game& game, SlotIndex actor) {
    const ListBox& commands = game.form.Command[At(actor)];
    if (Counter(game, actor, kHiddenCounter) != 0 || game.f.weapon[At(actor)] == kPeaceMitten)
        return FindUpwardFrom(commands, kGuardCommand, commands.count() - 1);
    return 0;
}

void PlayRandomAction(Game& game, SlotIndex actor) {
    for (int i = 0; i < kRandomActionTries; ++i) {
        if (TryRandomAction(game, actor)) return ClickAfterPause(game, kClickPauseMs);
    }
    ShowCommandList(game, actor);
    SelectAndConfirmCommand(game, actor, FallbackEntry(game, actor));
    ClickAfterPause(game, kFallbackClickPauseMs);
}

void MoveForward(Game& game, SlotIndex actor) {
    SelectAndConfirmCommand(game, actor, game.form.Command[At(actor)].count() - 2);
    ClickTarget(game, game.targetSlot);
}

// ---- random targets ----

bool TurnsOnOwnSide(const Game& game, SlotIndex actor) {
    return Counter(game, actor, kConfusionCounter) != 0 || Counter(game, actor, kBondCounter) == 1;
}

// The command's targets move to the other side.
void TurnAgainstOtherSide(Game& game) {
    game.actionCode =
        static_cast<std::uint8_t>(game.actionCode < 100 ? game.actionCode + 100 : game.actionCode - 100);
    TargetKey(game, game.targetSlot, SideOf(game.targetSlot) == 0 ? kKey3 : kKey1);
}

// A lone target and side-wide codes (99, 199) keep the mark they have.
bool KeepsTarget(const Game& game) {
    const int code = game.actionCode;
    const bool singleTarget = code <= 98 || (code >= 100 && code <= 198);
    return !singleTarget || game.partySize[SideOf(game.targetSlot)] == 1;
}

} // namespace

std::uint8_t FindUsableEntry(Game& game, SlotIndex slot, bool isItem, std::string_view name) {
    if (!IsBattleSlot(slot)) return game.autoChoice;
    if (isItem) {
        if (!ItemsAllowed(game, slot) || Counter(game, slot, kPropositionCounter) / 10 == kNoItemTask)
            return game.autoChoice;
        const int index = game.form.Item[At(slot)].find(std::string(name));
        if (index < 0 || index >= kNothingChosen - kItemChoiceBase) return game.autoChoice;
        return static_cast<std::uint8_t>(kItemChoiceBase + index);
    }
    const ListBox& commands = game.form.Command[At(slot)];
    for (int i = 0; i < commands.count() && i < kItemChoiceBase; ++i) {
        if (commands.entries[At(i)].text != name) continue;
        ComputeMpCost(game, slot, i);
        if (CanAffordMpCost(game, slot)) return static_cast<std::uint8_t>(i);
    }
    return game.autoChoice;
}

void ChooseAutoAction(Game& game, SlotIndex actor) {
    if (!IsBattleSlot(actor)) return;
    Decision d{game, actor};
    game.autoChoice = kNothingChosen;
    const bool clearHeaded =
        Counter(game, actor, kMadnessCounter) == 0 && Counter(game, actor, kConfusionCounter) == 0;
    if (clearHeaded && CareForAllies(d)) return;
    ChooseBoostedCommand(d);
    if (UseSelectedCommand(game, actor)) return;
    if (TriesRandomAction(game, actor))
        PlayRandomAction(game, actor);
    else
        MoveForward(game, actor);
}

void RandomiseTarget(Game& game) {
    const SlotIndex actor = game.phase - kPhaseTurn;
    if (game.actionCode >= kSelfCodes || !IsBattleSlot(actor) || !IsBattleSlot(game.targetSlot)) return;
    if (TurnsOnOwnSide(game, actor)) TurnAgainstOtherSide(game);
    if (KeepsTarget(game)) return;
    for (int i = 0; i < kTargetTries; ++i) {
        if (i == kOtherSideTry && game.actionCode % 100 == kOtherSideCode)
            TargetKey(game, game.targetSlot, kKey3 - 2 * (game.f.position[At(game.targetSlot)] / 2));
        game.random.reseed();
        const int steps = 1 + RollBelow(game, game.partySize[SideOf(game.targetSlot)] - 1);
        for (int k = 0; k < steps; ++k) TargetKey(game, game.targetSlot, kKey2);
        if (TargetIsValid(game)) return;
    }
}

} // namespace vk2
