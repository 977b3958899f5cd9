#include "battle/resolution.h"

#include <string>
#include <string_view>

#include "battle/after_action.h"
#include "battle/after_action_steps.h"
#include "battle/clock.h"
#include "battle/counters.h"
#include "battle/messages.h"
#include "battle/mp_cost.h"
#include "battle/skills/execute_skill.h"
#include "battle/targeting.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/game.h"
#include "model/types.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

// Physical attacks aimed at one enemy are the ones a protector steps in for.
inline constexpr int kFirstProtectedCode = 100;
inline constexpr int kLastProtectedCode = 198;
inline constexpr int kProtectedBy = 10; // counter 40 = protector + 10
inline constexpr int kFirstSelfCode = 200;
inline constexpr int kReflectableKind = 1;

inline constexpr int kLostTurnPauseMs = 400;
inline constexpr int kReflectionPauseMs = 200;
inline constexpr std::size_t kKeyLength = 2;

std::size_t At(SlotIndex s) {
    return static_cast<std::size_t>(s);
}

void Say(Game& game, SlotIndex slot, std::string_view line) {
    game.form.Message[At(slot)].text = std::string(line) + std::string(kCrLf);
}

SlotIndex ProtectorOf(const Game& game, SlotIndex target) {
    const int bond = game.f.counter(target, kBondCounter);
    const bool protectable = game.actionCode >= kFirstProtectedCode && game.actionCode <= kLastProtectedCode;
    if (!protectable || bond < kProtectedBy || !IsBattleSlot(bond - kProtectedBy)) return target;
    return bond - kProtectedBy;
}

void StepInFront(Game& game, SlotIndex& target) {
    const SlotIndex protector = ProtectorOf(game, target);
    if (protector == target) return;
    target = protector;
    HoverSlot(game, target);
    AppendLine(game, target, "攻撃をかばった！");
}

// Nobody sits at the screen for a fighter that the automatic player, confusion, madness or an
// order moves: a click on a grey mark that waited for a better one would stop the battle for good.
bool NoPlayerChooses(const Game& game, SlotIndex actor) {
    const std::uint8_t order = game.f.counter(actor, kBondCounter);
    return IsAutomatic(game, actor) || game.f.counter(actor, kConfusionCounter) != 0 ||
           game.f.counter(actor, kMadnessCounter) != 0 || (order >= 1 && order <= 7);
}

// A grey mark only advises against the click in normal play; a summoned fighter, a copied
// command or a fighter nobody plays that lands on one wastes the turn.
void LoseTurnOnGreyMark(Game& game, SlotIndex actor, SlotIndex target) {
    TextBox& box = game.form.Message[At(target)];
    box.text = "ミス！";
    game.platform.pause(kLostTurnPauseMs);
    box.text.clear();
    game.f.timeGauge[At(actor)] = ToInt16(game.f.timeGauge[At(actor)] - kTurnCost);
    game.phase = kPhaseClockRuns;
    if (!game.form.Exi.caption.empty()) {
        EndSummonPreview(game);
        game.form.Exi.caption.clear();
    }
    game.form.Exi.visible = true;
}

// A spell sent to a slot that the spell marks anyway would hit it only once; it runs once more
// for every such reflection.
void CountExtraRun(int& reflections, SlotIndex slot) {
    reflections = (reflections / 10 + 1) * 10 + slot;
}

void MarkReflected(Game& game, SlotIndex actor, SlotIndex slot, int& reflections) {
    if (CursorState(game, slot) == 10) CountExtraRun(reflections, slot);
    MarkTarget(game, actor, slot);
}

// A spell cast at the caster's own side bounces to a random member of the other side, moving on
// to the next member while the mark there would be grey or cannot be placed.
SlotIndex ReflectToOtherSide(Game& game, SlotIndex actor, int side, int& reflections) {
    const SlotIndex base = 3 * side;
    const int size = game.partySize[At(side)];
    game.random.reseed();
    int o = static_cast<int>(Int(game.random.next() * size));
    SlotIndex c = base + o;
    for (int tries = 0; tries < size; ++tries) {
        c = base + o;
        MarkReflected(game, actor, c, reflections);
        if (CursorState(game, c) == 10) return c;
        HideMark(game, c);
        game.form.Cursor[At(c)].foreColour = kWhite;
        o = (o + 1) % size;
    }
    return c;
}

int ReflectOffMirrors(Game& game, SlotIndex actor, SlotIndex& target) {
    int reflections = 0;
    const SlotIndex aimed = game.targetSlot;
    const int otherSide = 1 - SideOf(aimed);
    for (SlotIndex f = SideBase(aimed); f <= SideLast(game, aimed); ++f) {
        if (game.f.counter(f, kMirrorCounter) == 0 || !game.form.Cursor[At(f)].visible) continue;
        HideMark(game, f);
        Say(game, f, "反射！");
        if (SideOf(actor) == SideOf(aimed)) {
            target = ReflectToOtherSide(game, actor, otherSide, reflections);
        } else {
            target = actor;
            MarkReflected(game, actor, actor, reflections);
        }
    }
    game.platform.pause(kReflectionPauseMs);
    if (CursorState(game, target) != 10) {
        Say(game, target, "ミス！");
        HideMark(game, target);
    }
    return reflections;
}

bool Reflectable(const Game& game) {
    return game.actionKind == kReflectableKind && game.actionCode < kFirstSelfCode;
}

// The proposition whose task forbids items is broken by using one.
inline constexpr int kNoItemTask = 2;
inline constexpr std::uint8_t kTaskBroken = 10;

// The key of the command, or of the used item; a consumable is used up here.
std::string CommandKey(Game& game, SlotIndex actor) {
    const std::string command = SelectedCommand(game, actor);
    ListBox& items = game.form.Item[At(actor)];
    if (command != kUseItemCommand || items.selected < 0 || items.selected >= items.count())
        return Left(command, kKeyLength);
    const auto index = static_cast<std::size_t>(items.selected);
    std::string key = Left(items.entries[index].text, kKeyLength);
    if (items.entries[index].number == kItemConsumable) {
        items.entries.erase(items.entries.begin() + static_cast<std::ptrdiff_t>(index));
        items.selected = -1;
    }
    std::uint8_t& proposition = game.f.counter(actor, kPropositionCounter);
    if (proposition / 10 == kNoItemTask) proposition = kTaskBroken;
    return key;
}

// Effects may hand back a longer or shorter name; the key is always two characters.
void FitKey(std::string& key) {
    key = Left(key, kKeyLength);
    for (std::size_t n = Len(key); n < kKeyLength; ++n) key += ' ';
}

} // namespace

void ResolveClickedAction(Game& game, SlotIndex target) {
    if (!IsBattleSlot(target) || game.phase < kPhaseTurn) return;
    const SlotIndex actor = game.phase % 10;
    if (!IsBattleSlot(actor) || !game.form.Cursor[At(target)].visible) return;

    game.form.HScroll.visible = false;
    game.form.VScroll.visible = false;
    StepInFront(game, target);
    if (game.form.Cursor[At(target)].foreColour == kGreyMark) {
        if (!PaysOwnMp(game) || NoPlayerChooses(game, actor)) LoseTurnOnGreyMark(game, actor, target);
        return;
    }
    const int reflections = Reflectable(game) ? ReflectOffMirrors(game, actor, target) : 0;
    std::string key = CommandKey(game, actor);
    ExecuteSkill(game, actor, target, key);
    FitKey(key);
    FinishedAction action{actor, target, key, reflections};
    FinishAction(game, action);
}

} // namespace vk2
