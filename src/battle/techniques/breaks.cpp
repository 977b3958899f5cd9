#include "battle/techniques/breaks.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/counters.h"
#include "battle/damage.h"
#include "battle/item_transfer.h"
#include "battle/messages.h"
#include "battle/skills/skill_rules.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/game.h"
#include "model/types.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

bool IsEquippedEntry(std::string_view text) {
    return StartsWith(text, kWeaponMark) || StartsWith(text, kAccessoryMark);
}

// --- こわす ----------------------------------------------------------------------------------

constexpr Animation kBreakAnimation{EffectSlot::Target, 19, 20, kTransparent, kTransparent, 0};
constexpr int kBreakWeaponBelow = 7;
constexpr int kBreakAccessoryBelow = 9;
constexpr int kAccessoryBreakSound = 4;
// While a summoned fighter acts, its weapon is not its own to lose.
constexpr std::string_view kSummonActing = "2";

// Throws away the worn piece whose entry carries the mark.
void DestroyWorn(Game& game, SlotIndex slot, const char* mark) {
    ListBox& items = game.form.Item[At(slot)];
    items.selected = -1;
    for (int i = 0; i < items.count(); ++i) {
        if (StartsWith(items.entries[At(i)].text, mark)) {
            items.selected = i;
            break;
        }
    }
    TransferItem(game, slot, kDiscardItem);
}

void ReportBroken(Game& game, SlotIndex slot, const std::string& name) {
    ReplaceLine(game, slot, name + "を");
    AppendLine(game, slot, "壊された。");
}

void BreakEquipment(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    const SlotIndex t = action.target;
    const int r = game.techniqueRoll;
    PlayAnimation(game, t, kBreakAnimation);
    const std::string targetWeapon = game.f.weapon[At(t)];
    const std::string targetAccessory = game.f.accessory[At(t)];
    const std::string actorWeapon = game.f.weapon[At(a)];
    const bool targetBare = targetWeapon == kBareHands;
    if ((targetAccessory.empty() && targetBare) || actorWeapon == kBareHands) {
        ReplaceLine(game, a, "ミス！");
        return;
    }
    if (!targetBare && r < kBreakWeaponBelow) {
        action.key = targetWeapon;
        DestroyWorn(game, t, kWeaponMark);
        ReportBroken(game, t, targetWeapon);
    } else if (!targetAccessory.empty() && r < kBreakAccessoryBelow) {
        action.key = targetAccessory;
        DestroyWorn(game, t, kAccessoryMark);
        PlaySoundEffect(game, kAccessoryBreakSound);
        ReportBroken(game, t, targetAccessory);
    } else if (game.form.Exi.caption != kSummonActing) {
        action.key = actorWeapon;
        DestroyWorn(game, a, kWeaponMark);
        ReplaceLine(game, a, "ミス！");
        AppendLine(game, a, actorWeapon + "を");
        AppendLine(game, a, "破損。");
    } else {
        ReplaceLine(game, a, "ミス！");
    }
}

// --- ぬすむ ----------------------------------------------------------------------------------

// A sleeping or paralysed victim, or a thief sure of its hands, steals as if rolling 50.
constexpr int kSureTheftRoll = 50;

int TheftRoll(const Game& game, SlotIndex actor, SlotIndex target) {
    const bool helpless =
        game.f.counter(target, kSleepCounter) != 0 || game.f.counter(target, kParalysisCounter) != 0;
    if (game.f.counter(actor, kSureHitCounter) == 1 || helpless) return kSureTheftRoll;
    return game.techniqueRoll;
}

bool TheftReaches(const Game& game, SlotIndex actor, SlotIndex target) {
    const int b = TheftRoll(game, actor, target);
    return game.f.counter(target, kHiddenCounter) == 0 && game.form.Item[At(target)].count() > 0 &&
           b * 9 + game.f.speed[At(actor)] - 45 >= game.f.speed[At(target)];
}

// Only an unworn item can be lifted; the draw may still land on a worn one.
bool TryTheft(Game& game, SlotIndex actor, SlotIndex target) {
    if (!TheftReaches(game, actor, target)) return false;
    ListBox& items = game.form.Item[At(target)];
    const int n = DrawIndex(game, items.count());
    const std::string entry = items.entries[At(n)].text;
    if (IsEquippedEntry(entry)) return false;
    items.selected = n;
    ReplaceLine(game, target, entry + "を");
    AppendLine(game, target, "盗まれた！");
    TransferItem(game, target, actor);
    return true;
}

// The touch of a thief wakes a sleeper whether or not anything was taken.
void WakeUp(Game& game, SlotIndex slot) {
    std::uint8_t& sleep = game.f.counter(slot, kSleepCounter);
    if (sleep == 0) return;
    sleep = 0;
    RefreshStatusIconVisibility(game, slot);
    AppendLine(game, slot, "目を覚ました。");
}

void Steal(Game& game, Action& action) {
    if (!TryTheft(game, action.actor, action.target)) ReplaceLine(game, action.target, "ミス！");
    WakeUp(game, action.target);
}

// --- すりかえ --------------------------------------------------------------------------------

// The distance between the two rows works against the swap; each point of the roll for it.
bool SwapFails(const Game& game, SlotIndex a, SlotIndex t) {
    const int distance = std::abs(game.f.position[At(a)] - game.f.position[At(t)]);
    return game.f.speed[At(a)] < (distance - game.techniqueRoll) * 9 + game.f.speed[At(t)] + 45;
}

void MoveToTop(ListBox& from, int index, ListBox& to) {
    const ListEntry entry = from.entries[At(index)];
    to.insert(0, entry.text, entry.number);
    RemoveEntry(from, index);
}

// The taker's new items land in reverse order at the top of its list; the other side gets the
// taker's former unworn items in their former order at the top of its own.
void SwapItems(Game& game, Action& action) {
    const SlotIndex a = action.actor;
    const SlotIndex t = action.target;
    if (SwapFails(game, a, t)) {
        AppendMiss(game, t);
        return;
    }
    ListBox& taker = game.form.Item[At(a)];
    ListBox& victim = game.form.Item[At(t)];
    const int takerCount = taker.count();
    const int victimCount = victim.count();
    int i = 0;
    for (int step = 0; step < victimCount; ++step) {
        if (IsEquippedEntry(victim.entries[At(i)].text))
            ++i;
        else
            MoveToTop(victim, i, taker);
    }
    int j = 1;
    for (int step = 0; step < takerCount; ++step) {
        const int index = taker.count() - j;
        if (IsEquippedEntry(taker.entries[At(index)].text))
            ++j;
        else
            MoveToTop(taker, index, victim);
    }
    ReplaceLine(game, a, "すりかえ");
    AppendLine(game, a, "装備品以外を交換。");
    ReplaceLine(game, t, "装備品以外を交換。");
}

// --- Break strikes ---------------------------------------------------------------------------

constexpr double kBreakStrikeRate = 0.4;

// The kind names of the proficiency line, by WeaponKind.
constexpr std::array<std::string_view, kWeaponKinds> kKindNames{"剣・刀", "ナイフ", "拳・爪", "槍・矛",
                                                                "斧・槌", "杖・鞭", "弓・銃"};

// The cut never takes the last point, and a fighter with none left loses nothing.
void BreakSkill(Game& game, const Action& action) {
    const SlotIndex t = action.target;
    const int kind = game.f.equippedKind[At(t)];
    if (kind >= kWeaponKinds) return; // no proficiency to cut
    std::uint8_t& p = game.f.proficiency[At(t)][At(kind)];
    int loss = (game.techniqueRoll & 7) + 10;
    if (loss >= p) loss = std::max(p - 1, 0);
    p = static_cast<std::uint8_t>(p - loss);
    AppendLine(game, t, std::string(kKindNames[At(kind)]) + "の熟練度" + Str(loss) + " ダウン。");
}

// The strike at the top and the four standing commands at the bottom are never drawn, so a list
// of five or fewer has nothing left to forget.
constexpr int kUnforgettableCommands = 5;

void BreakMemory(Game& game, const Action& action) {
    const SlotIndex t = action.target;
    ListBox& commands = game.form.Command[At(t)];
    const int attempts = game.techniqueRoll % 3 + 2;
    for (int n = 0; n < attempts && commands.count() > kUnforgettableCommands; ++n) {
        const int k = DrawIndex(game, commands.count() - kUnforgettableCommands) + 1;
        AppendLine(game, t, "「" + commands.entries[At(k)].text + "」");
        RemoveEntry(commands, k);
    }
    if (EndsWith(game.form.Message[At(t)].text, "」\r\n")) AppendLine(game, t, "を忘れた…");
}

void BreakCalories(Game& game, const Action& action) {
    std::uint8_t& halving = game.f.counter(action.target, kHealHalvingCounter);
    // Halving past 255 times changes nothing any heal could show.
    halving = ToByte(halving + 1);
    AppendLine(game, action.target, "HP回復量半減。");
}

struct BreakStrike {
    std::string_view key;
    void (*onConnect)(Game&, const Action&);
};
//                                  key     onConnect
constexpr std::array<BreakStrike, 3> kBreakStrikes{{
    {"スキ", BreakSkill},    // スキルブレイク
    {"メモ", BreakMemory},   // メモリーブレイク
    {"カロ", BreakCalories}, // カロリーブレイク
}};

void StrikeAndBreak(Game& game, Action& action) {
    const auto power = static_cast<int>(Int(game.f.attack[At(action.actor)] * kBreakStrikeRate));
    ResolveAttack(game, action.actor, action.target, power, 0);
    if (!StrikeConnected(game, action.target) || !PassesGuard(game, action.target, GuardTest::BelowTwo))
        return;
    for (const BreakStrike& strike : kBreakStrikes)
        if (strike.key == action.key) strike.onConnect(game, action);
}

constexpr std::size_t kOwnHandlers = 3;

constexpr std::array<KeyHandler, kOwnHandlers + kBreakStrikes.size()> BreakTable() {
    //                                                          key     handler
    std::array<KeyHandler, kOwnHandlers + kBreakStrikes.size()> table{{
        {"こわ", BreakEquipment}, // こわす
        {"ぬす", Steal},          // ぬすむ
        {"すり", SwapItems},      // すりかえ
    }};
    for (std::size_t i = 0; i < kBreakStrikes.size(); ++i)
        table[kOwnHandlers + i] = {kBreakStrikes[i].key, StrikeAndBreak};
    return table;
}

constexpr auto kBreakHandlers = BreakTable();

} // namespace

std::span<const KeyHandler> BreakHandlers() {
    return kBreakHandlers;
}

} // namespace vk2
