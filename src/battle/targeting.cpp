#include "battle/targeting.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "battle/boxes.h"
#include "battle/clock.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/game.h"
#include "model/types.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

// actionCode ranges.
inline constexpr int kSideCode = 99;       // the whole hovered side; 199 as well
inline constexpr int kRevivalCode = 94;    // mod 100: fallen fighters may be marked
inline constexpr int kSelfCodes = 200;     // 200-249: the actor alone
inline constexpr int kEveryoneCodes = 250; // 250-254: every fighter
inline constexpr int kNoCommand = 255;

inline constexpr int kScrollBarThickness = 16;
inline constexpr int kBagLimit = 10;
inline constexpr int kTopTension = 80; // the bar shows its top colour above this

bool IsSideCode(int code) {
    return code == kSideCode || code == kSideCode + 100;
}

bool MaySelectFallen(int code) {
    return code % 100 == kRevivalCode;
}

// Everything a greying rule looks at: s is the slot being marked, a the actor.
struct MarkContext {
    const Game& game;
    SlotIndex actor;
    SlotIndex s;
    int code; // actionCode
    bool automatic;

    std::uint8_t counter(int k) const { return game.f.counter(s, k); }
    bool otherSide() const { return SideOf(s) != SideOf(actor); }
    bool isActor() const { return s == actor; }
    int items() const { return game.form.Item[s].count(); }
};

int CounterSum(const Game& game, SlotIndex slot, int first, int last) {
    int sum = 0;
    for (int k = first; k <= last; ++k) sum += game.f.counter(slot, k);
    return sum;
}

int AfflictionSum(const Game& game, SlotIndex slot) {
    return CounterSum(game, slot, kMadnessCounter, kAgeingCounter);
}

bool HpFull(const Game& game, SlotIndex slot) {
    return HpOf(game, slot) >= game.f.maxHp[slot];
}

bool MpFull(const Game& game, SlotIndex slot) {
    return MpOf(game, slot) >= game.f.maxMp[slot];
}

bool IsEquipmentEntry(const ListEntry& entry) {
    return StartsWith(entry.text, kWeaponMark) || StartsWith(entry.text, kAccessoryMark);
}

int EquipmentEntries(const Game& game, SlotIndex slot) {
    const auto& entries = game.form.Item[slot].entries;
    return static_cast<int>(std::count_if(entries.begin(), entries.end(), IsEquipmentEntry));
}

bool HpDisplayBlackedOut(const Game& game, SlotIndex slot) {
    return game.form.HPMP[slot].backColour == kBlack;
}

bool InFrontRow(const Game& game, SlotIndex slot) {
    const int position = game.f.position[slot];
    return position == 1 || position == 2;
}

// ---- the greying rules, keyed by actionCode mod 100 ----

bool Never(const MarkContext&) {
    return false;
}

// Code 28 raises speed (counter 1), code 128 lowers it (counter 2).
bool SpeedMarkAlreadySet(const MarkContext& m) {
    return m.counter(kSpeedMarkCounter) * 100 - 72 == m.code;
}

bool AbsorbsTwoElements(const MarkContext& m) {
    return m.counter(kAbsorbedElementsCounter) > 10;
}

bool AutoSparesEnemyBomb(const MarkContext& m) {
    return m.automatic && m.game.f.counter(m.actor, kConfusionCounter) == 0 &&
           m.counter(kTimeBombCounter) != 0 && m.otherSide();
}

bool BagAlmostFull(const MarkContext& m) {
    return m.items() > 9;
}

bool ReversedOrAutoPoisonedEnemy(const MarkContext& m) {
    return m.counter(kReversedHealingCounter) == 1 ||
           (m.automatic && m.counter(kPoisonCounter) != 0 && m.otherSide());
}

bool PoisonedOrAutoReversedEnemy(const MarkContext& m) {
    return m.counter(kPoisonCounter) != 0 ||
           (m.automatic && m.counter(kReversedHealingCounter) == 1 && m.otherSide());
}

bool BagAlmostFullOrActor(const MarkContext& m) {
    return BagAlmostFull(m) || m.isActor();
}

// Swapping bags: equipment stays with its owner, so the bag that receives the other's plain
// items must not pass ten entries.
bool NoFairSwap(const MarkContext& m) {
    if (m.isActor() || m.items() == 0) return true;
    const int q = EquipmentEntries(m.game, m.s);
    if (m.code == 166) return q == m.items();
    const int w = EquipmentEntries(m.game, m.actor);
    const int actorItems = m.game.form.Item[m.actor].count();
    return w + (m.items() - q) > kBagLimit || (actorItems - w) + q > kBagLimit ||
           (m.automatic && m.items() < actorItems);
}

bool ActorUnafflictedOrSelf(const MarkContext& m) {
    return AfflictionSum(m.game, m.actor) == 0 || m.isActor();
}

bool CannotCover(const MarkContext& m) {
    const bool frontForBack = InFrontRow(m.game, m.s) && !InFrontRow(m.game, m.actor) && !m.otherSide();
    return frontForBack || m.counter(kKarmaCounter) == m.actor + 10 || m.isActor();
}

bool StatusGuarded(const MarkContext& m) {
    return m.counter(kStatusGuardCounter) == 2;
}

// A manual actor may dispel whatever differs from the fighter as it entered; an automatic actor
// weighs whether the fighter is better or worse off than plain.
int WellBeingScore(const Game& game, SlotIndex s) {
    // counter, score while non-zero
    static constexpr std::array<std::array<int, 2>, 14> kPlainScores{{
        {kStatLockCounter, -2},
        {kPropositionCounter, -5},
        {kHolyVoidCounter, -2},
        {kHiddenCounter, 2},
        {kSureHitCounter, 3},
        {kHealHalvingCounter, -3},
        {kWeaknessSeekerCounter, 5},
        {kAbsorbedElementsCounter, 2},
        {kItemBanCounter, -4},
        {kAdrenalineCounter, 2},
        {kDeathContractCounter, 3},
        {kTestamentCounter, 8},
        {kOleanderCounter, 3},
        {kBloodMarkCounter, -9},
    }};
    const auto c = [&](int k) { return static_cast<int>(game.f.counter(s, k)); };
    int score = HpDisplayBlackedOut(game, s) ? -2 : 0;
    for (int k = kWardCounter + 1; k <= kMirrorCounter; ++k)
        if (c(k) != 0) score += 2;
    for (const auto& [k, points] : kPlainScores)
        if (c(k) != 0) score += points;
    if (c(kSpeedMarkCounter) == 1) score += 2;
    if (c(kSpeedMarkCounter) == 2) score -= 2;
    score += c(kStatusGuardCounter) * c(kStatusGuardCounter) * c(kStatusGuardCounter);
    const int factor = c(kElementFactorCounter);
    if (factor == 200)
        score -= 5;
    else if (factor >= 100)
        score += 4;
    else if (factor >= 1)
        score -= 2;
    const int bond = c(kBondCounter);
    if (bond > 9)
        score += 10;
    else if (bond >= 1)
        score -= 10;
    if (c(kReversedHealingCounter) != 0 && c(kPoisonCounter) != 0) score += 3;
    return score;
}

bool HasModifiers(const Game& game, SlotIndex s) {
    const FighterTable& f = game.f;
    return f.hpMod[s] != 0 || f.mpMod[s] != 0 || f.attackMod[s] != 0 || f.defenseMod[s] != 0 ||
           f.speedMod[s] != 0 || f.spiritMod[s] != 0;
}

// The counters a dispel clears, weighed against the two it leaves alone.
bool HasDispellableCounters(const Game& game, SlotIndex s) {
    const int bond = game.f.counter(s, kBondCounter);
    const int sum = CounterSum(game, s, 1, 17) + CounterSum(game, s, 26, 39) + CounterSum(game, s, 41, 49) +
                    (bond >= 1 && bond <= 9 ? 1 : 0) - game.f.counter(s, kTimeBombCounter) -
                    game.f.counter(s, kStepCounter);
    return sum != game.f.counter(s, kKarmaCounter) + game.f.counter(s, kUndeadMarkCounter);
}

bool ProtectedBySomeone(const Game& game, SlotIndex s) {
    for (SlotIndex j = 0; j < kBattleSlots; ++j)
        if (game.f.counter(j, kBondCounter) == s + 10) return true;
    return false;
}

bool DispelAdvisedAgainst(const MarkContext& m) {
    const Game& game = m.game;
    const SlotIndex s = m.s;
    if (m.automatic) {
        const int sign = m.otherSide() ? -1 : 1;
        return WellBeingScore(game, s) * sign >= 0;
    }
    const bool changed = HasModifiers(game, s) || game.f.element[s] != game.f.baseElement[s] ||
                         game.f.level[s] != game.f.baseLevel[s] || HasDispellableCounters(game, s) ||
                         HpDisplayBlackedOut(game, s) || ProtectedBySomeone(game, s) ||
                         (m.code % 100 == 70 && !(HpFull(game, s) && MpFull(game, s)));
    return !changed;
}

bool NothingToCure(const MarkContext& m) {
    int n = AfflictionSum(m.game, m.s);
    if (m.code % 100 == 71) {
        if (!HpFull(m.game, m.s) || !MpFull(m.game, m.s)) n += 1;
        if (m.counter(kReversedHealingCounter) != 0 && m.automatic) n = 0;
    } else {
        n += m.counter(kTimeBombCounter);
    }
    return n == 0;
}

bool MpNotNeeded(const MarkContext& m) {
    if (m.automatic) return MpOf(m.game, m.s) * 2 >= m.game.f.maxMp[m.s];
    return !m.otherSide() && MpFull(m.game, m.s);
}

bool DarkAlreadyAbsorbed(const MarkContext& m) {
    return m.game.f.affinity[m.s][kDark - 1] == 7;
}

bool NothingToRestore(const MarkContext& m) {
    return m.counter(kReversedHealingCounter) == 0 && HpFull(m.game, m.s) && MpFull(m.game, m.s);
}

bool ActorTensionAtTop(const MarkContext& m) {
    return m.game.f.tension[m.actor] > kTopTension;
}

bool UnhurtAndUnafflicted(const MarkContext& m) {
    return AfflictionSum(m.game, m.s) == 0 && HpFull(m.game, m.s);
}

// The parasol already raises every affinity as far as the crêpe would.
bool WieldsParasol(const MarkContext& m) {
    return m.game.f.weapon[m.s] == "プリンセスパラソル";
}

bool LevelAboveSeven(const MarkContext& m) {
    return m.game.f.level[m.s] > 7;
}

bool NotPoisoned(const MarkContext& m) {
    return m.counter(kPoisonCounter) == 0;
}

bool NotBlind(const MarkContext& m) {
    return m.counter(kBlindnessCounter) == 0;
}

bool NotAsleep(const MarkContext& m) {
    return m.counter(kSleepCounter) == 0;
}

bool SideCannotBeSeparated(const MarkContext& m) {
    const int side = SideOf(m.s);
    return !(m.game.separatedMember[side] == 3 && m.game.partySize[side] > 1);
}

bool IsDark(const MarkContext& m) {
    return m.game.f.element[m.s] == kDark;
}

bool IsHoly(const MarkContext& m) {
    return m.game.f.element[m.s] == kHoly;
}

bool NotHigherLevel(const MarkContext& m) {
    return !(m.game.f.level[m.actor] < m.game.f.level[m.s]);
}

bool NothingToExchange(const MarkContext& m) {
    const FighterTable& f = m.game.f;
    return (f.accessory[m.s].empty() && f.weapon[m.s] == kBareHands) || f.weapon[m.actor] == kBareHands ||
           m.isActor();
}

bool AllWeakAlready(const MarkContext& m) {
    return m.counter(kElementFactorCounter) == 200;
}

// Commands that cannot be borrowed: they need the owner's own items or place.
bool NoCommandToBorrow(const MarkContext& m) {
    static constexpr std::array<const char*, 9> kUnborrowable = {
        kUseItemCommand, kHandItemCommand, kAdvanceCommand, kRetreatCommand, "召喚",
        "ゾロアスター",  "ぼったくり",     "黒ミサ",        "ものまね"};
    if (m.isActor() || m.game.form.Command[m.s].selected < 0) return true;
    const std::string command = SelectedCommand(m.game, m.s);
    return std::find(kUnborrowable.begin(), kUnborrowable.end(), command) != kUnborrowable.end();
}

bool StillStanding(const MarkContext& m) {
    return !HasFallen(m.game, m.s);
}

bool HpNotNeeded(const MarkContext& m) {
    const bool reversed = m.counter(kReversedHealingCounter) != 0;
    if (m.automatic) return reversed || HpOf(m.game, m.s) > 0.7 * m.game.f.maxHp[m.s];
    return !reversed && HpFull(m.game, m.s);
}

bool HpHidden(const MarkContext& m) {
    return !m.game.form.HP[m.s].visible;
}

bool BagFullOrActor(const MarkContext& m) {
    return m.items() == kBagLimit || m.isActor();
}

bool IsActor(const MarkContext& m) {
    return m.isActor();
}

// Any other code below 50 sets counter c: grey while it is already running.
bool CounterRunning(const MarkContext& m) {
    return m.code % 100 < kCounters && m.counter(m.code % 100) != 0;
}

struct GreyRule {
    int c;
    bool (*grey)(const MarkContext&);
};

// c, grey when
inline constexpr auto kGreyRules = std::to_array<GreyRule>({
    {0, Never},
    {99, Never},
    {28, SpeedMarkAlreadySet},
    {35, AbsorbsTwoElements},
    {61, AutoSparesEnemyBomb},
    {62, BagAlmostFull},
    {63, ReversedOrAutoPoisonedEnemy},
    {64, PoisonedOrAutoReversedEnemy},
    {65, BagAlmostFullOrActor},
    {82, BagAlmostFullOrActor},
    {66, NoFairSwap},
    {91, NoFairSwap},
    {67, ActorUnafflictedOrSelf},
    {68, CannotCover},
    {69, StatusGuarded},
    {77, StatusGuarded},
    {70, DispelAdvisedAgainst},
    {93, DispelAdvisedAgainst},
    {71, NothingToCure},
    {92, NothingToCure},
    {72, MpNotNeeded},
    {73, DarkAlreadyAbsorbed},
    {74, NothingToRestore},
    {75, ActorTensionAtTop},
    {76, UnhurtAndUnafflicted},
    {78, WieldsParasol},
    {79, LevelAboveSeven},
    {80, NotPoisoned},
    {81, NotBlind},
    {84, NotAsleep},
    {83, SideCannotBeSeparated},
    {85, IsDark},
    {86, IsHoly},
    {87, NotHigherLevel},
    {88, NothingToExchange},
    {89, AllWeakAlready},
    {90, NoCommandToBorrow},
    {94, StillStanding},
    {95, HpNotNeeded},
    {96, HpHidden},
    {97, BagFullOrActor},
    {98, IsActor},
});

bool GreyByTable(const MarkContext& m) {
    const int c = m.code % 100;
    for (const GreyRule& rule : kGreyRules)
        if (rule.c == c) return rule.grey(m);
    return CounterRunning(m);
}

// An automatic fighter does not strike an enemy with the enemy's own element (its first command,
// the plain strike, excepted), nor cast a reflectable spell at a mirror.
bool AutoAvoidsOwnElementOrMirror(const MarkContext& m) {
    if (!m.automatic) return false;
    const int e = m.game.f.element[m.s];
    const bool ownElement = m.code < 199 && e != 0 && e <= kElements && m.game.actionElements[e - 1] == 1 &&
                            m.otherSide() && m.game.form.Command[m.actor].selected != 0;
    const bool mirror = m.counter(kMirrorCounter) != 0 && m.game.actionKind == 1 && m.code < kSideCode;
    return ownElement || mirror;
}

bool ShouldGrey(const Game& game, SlotIndex actor, SlotIndex slot) {
    if (game.actionCode >= kEveryoneCodes) return false;
    const MarkContext m{game, actor, slot, game.actionCode, IsAutomatic(game, actor)};
    return GreyByTable(m) || AutoAvoidsOwnElementOrMirror(m);
}

void HideMark(Game& game, SlotIndex slot) {
    game.form.Cursor[slot].visible = false;
    game.form.CursorTail[slot].visible = false;
}

void WhitenMark(Game& game, SlotIndex slot) {
    game.form.Cursor[slot].foreColour = kWhite;
}

bool Marked(const Game& game, SlotIndex slot) {
    return game.form.Cursor[slot].visible;
}

void MarkSide(Game& game, SlotIndex actor, int side) {
    for (SlotIndex s = 3 * side; s <= SideLast(game, 3 * side); ++s) MarkTarget(game, actor, s);
}

void SetScrollRange(ScrollBar& bar, int pictureSize, int boxSize, int pictureOffset) {
    bar.max = pictureSize - boxSize;
    bar.largeChange = static_cast<int>(RoundHalfEven(bar.max / 10.0 + 1));
    bar.value = -pictureOffset;
    bar.visible = true;
}

// The bars run along the frame's outer edges: below it (above it for a side's third member) and
// on its outer side.
void PlaceScrollBars(Game& game, SlotIndex slot) {
    const MenuItem* resize = game.form.menus.find("mnuResize");
    if (!game.form.Exi.caption.empty() || (resize != nullptr && resize->checked)) return;
    game.scrollSlot = static_cast<std::int16_t>(slot);
    const SlotIndex placed = slot == kPreviewSlot && IsBattleSlot(game.phase) ? game.phase : slot;
    const Rect frame = game.form.ViewFrame[slot].rect;
    const Rect box = game.form.ViewUnder[slot].rect;
    const Rect picture = game.form.View[slot].rect;
    ScrollBar& h = game.form.HScroll;
    ScrollBar& v = game.form.VScroll;
    h.rect.top = placed % 3 == 2 ? frame.top - kScrollBarThickness : frame.top + frame.height - 1;
    v.rect.left = SideOf(placed) == 0 ? frame.left - kScrollBarThickness : frame.left + frame.width - 1;
    if (game.f.pictureWidth[slot] > frame.width - 10) {
        h.rect.left = frame.left;
        h.rect.width = frame.width;
        SetScrollRange(h, game.f.pictureWidth[slot], box.width, picture.left);
    }
    if (game.f.pictureHeight[slot] > frame.height - 10) {
        v.rect.top = frame.top;
        v.rect.height = frame.height;
        SetScrollRange(v, game.f.pictureHeight[slot], box.height, picture.top);
    }
}

// The actor's box names the chosen command (and item) while its panel steps aside.
void AnnounceChoice(Game& game, SlotIndex actor) {
    game.form.Chara[actor].visible = false;
    if (game.f.messageOffset[actor] == 1) PlaceMessageBox(game, actor, 0);
    const std::string command = SelectedCommand(game, actor);
    std::string text = command + std::string(kCrLf);
    const ListBox& items = game.form.Item[actor];
    if (IsItemCommand(command) && items.selected >= 0)
        text += items.entries[items.selected].text + std::string(kCrLf);
    game.form.Message[actor].text = text;
}

void MarkTargetsOf(Game& game, SlotIndex actor, SlotIndex slot) {
    const int code = game.actionCode;
    if (code >= kSelfCodes && code < kEveryoneCodes) {
        if (slot == actor) MarkTarget(game, actor, actor);
    } else if (IsSideCode(code)) {
        const int other = 1 - SideOf(slot);
        for (SlotIndex s = 3 * other; s < 3 * other + 3; ++s) HideMark(game, s);
        MarkSide(game, actor, SideOf(slot));
    } else if (code < kEveryoneCodes) {
        for (SlotIndex s = 0; s < kBattleSlots; ++s)
            if (s != slot) HideMark(game, s);
        MarkTarget(game, actor, slot);
    } else {
        MarkSide(game, actor, 0);
        MarkSide(game, actor, 1);
    }
}

void FocusPicture(Game& game, SlotIndex slot) {
    GiveFocus(game, game.form.ViewUnder[slot].visible ? FocusControl::ViewUnder : FocusControl::Mode, slot);
}

void FocusChoiceList(Game& game, SlotIndex actor) {
    GiveFocus(game, game.form.Item[actor].visible ? FocusControl::Item : FocusControl::Command, actor);
}

// Keys 1 and 3: the first member of the other side, counted from the same row, that takes a mark.
void JumpToOtherSide(Game& game, SlotIndex slot) {
    WhitenMark(game, slot);
    const int otherBase = 3 * (1 - SideOf(slot));
    for (int i = 0; i <= 3; ++i) {
        const SlotIndex candidate = otherBase + (slot % 3 + i) % 3;
        HoverSlot(game, candidate);
        if (!IsOwnWindowActive(game)) return;
        if (Marked(game, candidate)) {
            FocusPicture(game, candidate);
            return;
        }
    }
    HoverSlot(game, slot);
}

// Keys 2 and 5: the next (previous) member of the same side that takes a mark; after a full round
// the mark is back where it started.
void StepAlongSide(Game& game, SlotIndex slot, int direction) {
    const int count = game.partySize[SideOf(slot)];
    const SlotIndex base = SideBase(slot);
    for (int i = 1; i <= count; ++i) {
        WhitenMark(game, slot);
        const SlotIndex candidate = base + static_cast<int>(ModPositive(slot % 3 + direction * i, count));
        HoverSlot(game, candidate);
        if (Marked(game, candidate)) {
            if (IsOwnWindowActive(game)) FocusPicture(game, candidate);
            return;
        }
        HoverSlot(game, slot);
    }
}

void BackToCommand(Game& game, SlotIndex slot) {
    WhitenMark(game, slot);
    const SlotIndex actor = game.phase - 10;
    if (!IsBattleSlot(actor)) return;
    ReturnToPanel(game, actor);
    FocusChoiceList(game, actor);
}

} // namespace

int CursorState(const Game& game, SlotIndex slot) {
    const Label& cursor = game.form.Cursor[slot];
    if (!cursor.visible) return 0;
    return cursor.foreColour == kWhite ? 10 : 11;
}

bool HasFallen(const Game& game, SlotIndex slot) {
    return game.form.HPMP[slot].visible && game.form.ViewFrame[slot].borderStyle == 1;
}

void HoverSlot(Game& game, SlotIndex slot) {
    PlaceScrollBars(game, slot);
    if (game.phase < 10) return;
    const SlotIndex actor = game.phase - 10;
    if (!IsBattleSlot(actor) || !IsBattleSlot(slot)) return;
    const ListBox& commands = game.form.Command[actor];
    if ((!commands.visible && game.form.Chara[actor].visible) || commands.selected < 0) return;
    game.targetSlot = static_cast<std::int16_t>(slot);
    if (game.actionCode == kNoCommand) {
        ReturnToPanel(game, actor);
        FocusChoiceList(game, actor);
        return;
    }
    LeaveBackgroundChoice(game);
    const ListBox& items = game.form.Item[actor];
    if (items.selected >= 0 && SelectedCommand(game, actor) == kUseItemCommand &&
        items.entries[items.selected].number > 9)
        return; // weapons cannot be used as items
    if (game.form.Scouting.rect.height != kEntryPanelHeight) return;
    AnnounceChoice(game, actor);
    if (MaySelectFallen(game.actionCode) || game.form.ViewUnder[slot].visible)
        MarkTargetsOf(game, actor, slot);
}

void MarkTarget(Game& game, SlotIndex actor, SlotIndex slot) {
    if (HasFallen(game, slot) && !MaySelectFallen(game.actionCode)) return;
    Label& cursor = game.form.Cursor[slot];
    cursor.foreColour = ShouldGrey(game, actor, slot) ? kGreyMark : kWhite;
    cursor.visible = MaySelectFallen(game.actionCode) || game.form.ViewUnder[slot].visible;
    Label& tail = game.form.CursorTail[slot];
    tail.foreColour = cursor.foreColour;
    tail.visible = cursor.visible;
}

void TargetKey(Game& game, SlotIndex slot, int keyCode) {
    game.form.CursorTail[slot].foreColour = game.form.Cursor[slot].foreColour;
    switch (ReduceKey(keyCode)) {
    case kKey0:
        BackToCommand(game, slot);
        break;
    case kKey1:
        if (SideOf(slot) == 1) JumpToOtherSide(game, slot);
        break;
    case kKey3:
        if (SideOf(slot) == 0) JumpToOtherSide(game, slot);
        break;
    case kKey2:
        StepAlongSide(game, slot, 1);
        break;
    case kKey5:
        StepAlongSide(game, slot, -1);
        break;
    case kKeyEnter:
        ClickTarget(game, slot);
        break;
    case kKeySpace:
        TogglePause(game);
        break;
    default:
        break;
    }
}

} // namespace vk2
