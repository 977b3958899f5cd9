#include "battle/skills/item_handling.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "battle/action_effect.h"
#include "battle/boxes.h"
#include "battle/counters.h"
#include "battle/item_transfer.h"
#include "battle/messages.h"
#include "battle/skills/execute_skill.h"
#include "battle/skills/skill_rules.h"
#include "battle/targeting.h"
#include "battle/techniques/execute_technique.h"
#include "battle/techniques/technique_rules.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/analysis.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/game.h"
#include "model/types.h"
#include "play/auto_player.h"
#include "play/manual_input.h"

namespace vk2 {
namespace {

std::size_t At(SlotIndex slot) {
    return static_cast<std::size_t>(slot);
}

bool IsEquipment(const ListEntry& entry) {
    return StartsWith(entry.text, kWeaponMark) || StartsWith(entry.text, kAccessoryMark);
}

int CountItems(const ListBox& list) {
    int items = 0;
    for (const ListEntry& entry : list.entries)
        if (!IsEquipment(entry)) ++items;
    return items;
}

// An equipped entry is named without its mark.
std::string ItemName(const ListEntry& entry) {
    return IsEquipment(entry) ? Mid(entry.text, 2) : entry.text;
}

void GiveItem(Game& game, Action& action) {
    const ListBox& items = game.form.Item[At(action.actor)];
    if (items.selected < 0 || items.selected >= items.count()) return;
    const ListEntry& given = items.entries[static_cast<std::size_t>(items.selected)];
    ReplaceLine(game, action.target, ItemName(given) + std::string(kCrLf) + "を受け取った。");
    TransferItem(game, action.actor, action.target);
}

// The seller takes a share of the buyer's HP and MP, and the buyer is left with the item.
void SellItem(Game& game, Action& action) {
    const SlotIndex actor = action.actor;
    const SlotIndex target = action.target;
    if (game.f.accessory[At(target)] == kAliceHandkerchief) {
        AppendMiss(game, target);
        return;
    }
    const auto hp = static_cast<double>(HpOf(game, target));
    const auto mp = static_cast<double>(MpOf(game, target));
    const double halving = std::ldexp(1.0, game.f.counter(target, kHealHalvingCounter));
    SetHp(game, actor, static_cast<double>(HpOf(game, actor) + Int(hp / halving + 1)));
    SetMp(game, actor, static_cast<double>(MpOf(game, actor) + Int(mp * 0.5)));
    SetHp(game, target, static_cast<double>(Int(hp * 0.5)));
    SetMp(game, target, static_cast<double>(Int(mp * 0.5)));
    const std::string sold(SelectedEntry(game.form.Item[At(actor)]));
    AppendLine(game, target, sold + std::string(kCrLf) + "を売りつけられた！");
    AppendLine(game, actor, "HP、MP回復。");
    TransferItem(game, actor, target);
}

constexpr int kTakeSound = 8;

// Every marked fighter loses one entry of its bag at random, equipment included; the key ends as
// the name of the last entry taken.
void TakeItems(Game& game, Action& action) {
    PlaySoundEffect(game, kTakeSound);
    ForEachSlot(game, SlotTest::MarkedWhite, [&](SlotIndex j) {
        ListBox& items = game.form.Item[At(j)];
        if (items.count() == 0) {
            AppendMiss(game, j);
            return;
        }
        items.selected = DrawIndex(game, items.count());
        const std::string taken = items.entries[static_cast<std::size_t>(items.selected)].text;
        action.key = taken;
        TransferItem(game, j, kDiscardItem);
        ReplaceLine(game, j, taken + std::string(kCrLf) + "を失った。");
    });
}

constexpr std::string_view kShuffleLine = "装備品以外をシャッフル！";
constexpr int kShuffleSound = 18;

// An item entry of the pool, drawn until the draw is not equipment.
int DrawPooledItem(Game& game, const ListBox& pool) {
    int n = DrawIndex(game, pool.count());
    while (IsEquipment(pool.entries[static_cast<std::size_t>(n)])) n = DrawIndex(game, pool.count());
    return n;
}

// Every item on the field goes into the actor's bag, and each other fighter draws back as many as
// it gave; the actor keeps what is left. Equipment stays where it is.
void ShuffleItems(Game& game, Action& action) {
    const SlotIndex actor = action.actor;
    ListBox& pool = game.form.Item[At(actor)];
    AppendLine(game, actor, kShuffleLine);
    PlaySoundEffect(game, kShuffleSound);
    for (SlotIndex b = 0; b < kBattleSlots; ++b) {
        game.form.Cursor[At(b)].visible = false;
        if (b == actor || !Passes(game, b, SlotTest::OnField)) continue;
        for (const ListEntry& entry : game.form.Item[At(b)].entries)
            if (!IsEquipment(entry)) pool.entries.push_back(entry);
    }
    // Counting the unmarked entries rather than trusting the equipment names keeps the draw below
    // from looping for ever when a name and a mark disagree.
    if (CountItems(pool) == 0) return;
    for (SlotIndex b = 0; b < kBattleSlots; ++b) {
        if (b == actor || !Passes(game, b, SlotTest::OnField)) continue;
        ReplaceLine(game, b, kShuffleLine);
        for (ListEntry& entry : game.form.Item[At(b)].entries) {
            if (IsEquipment(entry)) continue;
            const int n = DrawPooledItem(game, pool);
            entry = pool.entries[static_cast<std::size_t>(n)];
            RemoveEntry(pool, n);
        }
    }
}

constexpr int kWorldTreeSound = 94;
constexpr int kBagLimit = 11;
constexpr std::string_view kHerb = "薬草";

// Cures every marked ally as the aloe does and gives it a herb when its bag has room.
void WorldTree(Game& game, Action& action) {
    PlaySoundEffect(game, kWorldTreeSound);
    ForEachOnSide(game, action.target, SlotTest::MarkedWhite, [&](SlotIndex j) {
        SlotIndex cured = j;
        std::string key = "アロ";
        ExecuteSkill(game, action.actor, cured, key);
        ListBox& items = game.form.Item[At(j)];
        if (items.count() >= kBagLimit) return;
        items.add(std::string(kHerb), kItemConsumable);
        AppendLine(game, j, std::string(kHerb) + "を獲得。");
    });
}

constexpr int kFrenzyStrikes = 3;
constexpr int kFrenzyDraws = 21;
constexpr int kFrenzyTension = 6;

// Another fighter on the field at random; after kFrenzyDraws misses the last draw stands.
SlotIndex DrawFrenzyVictim(Game& game, SlotIndex actor) {
    SlotIndex victim = 0;
    for (int draw = 0; draw < kFrenzyDraws; ++draw) {
        victim = DrawIndex(game, kBattleSlots);
        if (victim != actor && Passes(game, victim, SlotTest::OnField)) break;
    }
    return victim;
}

void Frenzy(Game& game, Action& action) {
    for (int strike = 0; strike < kFrenzyStrikes; ++strike) {
        std::string key = "ああ";
        ExecuteTechnique(game, action.actor, action.target, key);
        if (strike == kFrenzyStrikes - 1) break;
        game.form.Cursor[At(action.target)].visible = false;
        action.target = DrawFrenzyVictim(game, action.actor);
        game.form.Cursor[At(action.target)].visible = true;
    }
    AdjustTension(game, action.actor, kFrenzyTension);
}

// The actor's chosen command entry, which borrowed commands overwrite; nullptr when none is chosen.
ListEntry* ChosenEntry(Game& game, SlotIndex actor) {
    ListBox& commands = game.form.Command[At(actor)];
    if (commands.selected < 0 || commands.selected >= commands.count()) return nullptr;
    return &commands.entries[static_cast<std::size_t>(commands.selected)];
}

// The chosen entry becomes `command` and is confirmed as the Enter key would.
void ChooseAndConfirm(Game& game, SlotIndex actor, const ListEntry& command) {
    ListEntry* chosen = ChosenEntry(game, actor);
    if (chosen == nullptr) return;
    *chosen = command;
    ConfirmCommand(game, actor);
}

void ChooseAndConfirm(Game& game, SlotIndex actor, std::string_view command) {
    ListEntry* chosen = ChosenEntry(game, actor);
    if (chosen == nullptr) return;
    ChooseAndConfirm(game, actor, ListEntry{std::string(command), chosen->number});
}

constexpr int kMimicPauseMs = 500;

// The copied command is chosen, aimed and carried out inside this action; the hidden cancel button
// tells the end of the action to put "ものまね" back and to return the turn.
void Mimic(Game& game, Action& action) {
    game.platform.pause(kMimicPauseMs);
    ClearTargetMarks(game);
    ListEntry* chosen = ChosenEntry(game, action.actor);
    if (chosen == nullptr) return;
    chosen->text = SelectedCommand(game, action.target);
    ShowCommandDescription(game, action.actor);
    game.form.Exi.visible = false;
    ConfirmCommand(game, action.actor);
    RandomiseTarget(game);
    ClickTarget(game, game.targetSlot);
}

// Commands a summoned fighter never uses: they would summon, copy, or only build up for a turn
// the summoner does not get.
constexpr std::array<std::string_view, 10> kUnsummonableCommands{
    "召喚",       "修羅　相斬", "ものまね", "ゾロアスター", "黒ミサ",
    "ぼったくり", "精神統一",   "瞑想",     "ラーニング",   "気合ため",
};

bool IsUnsummonable(std::string_view command) {
    for (std::string_view excluded : kUnsummonableCommands)
        if (command == excluded) return true;
    return false;
}

// Accessories and weapons are worn, not used.
bool IsUsableItem(const ListEntry& entry) {
    return entry.number != kItemAccessory && entry.number < kItemWeaponBase;
}

bool HasUsableItem(const ListBox& items) {
    for (const ListEntry& entry : items.entries)
        if (IsUsableItem(entry)) return true;
    return false;
}

// The summoned fighter's markers for the end of the action.
constexpr std::string_view kSummonStarted = "2";
constexpr std::string_view kConsumableLent = "0";
constexpr std::string_view kToolLent = "1";

// The summoned fighter uses one of its items: it is lent to the top of the actor's bag.
void LendItem(Game& game, SlotIndex actor) {
    const ListBox& candidates = game.form.ItemPrev;
    int n = DrawIndex(game, candidates.count());
    while (!IsUsableItem(candidates.entries[static_cast<std::size_t>(n)]))
        n = DrawIndex(game, candidates.count());
    const ListEntry lent = candidates.entries[static_cast<std::size_t>(n)];
    game.form.Item[At(actor)].insert(0, lent.text, lent.number);
    ChooseAndConfirm(game, actor, kUseItemCommand);
    game.form.Exi.caption = lent.number == kItemConsumable ? kConsumableLent : kToolLent;
    ConfirmItem(game, actor);
}

// One choice of the summoned fighter: one of its commands, else one of its items, else a plain
// attack. True when an item was lent for it.
bool ChooseSummonedAction(Game& game, SlotIndex actor) {
    const ListBox& commands = game.form.Command[kPreviewSlot];
    if (commands.count() + game.form.ItemPrev.count() == 0) {
        ChooseAndConfirm(game, actor, kFightCommand);
        return false;
    }
    int n = DrawIndex(game, commands.count() + 1);
    if (n < commands.count() && IsUnsummonable(commands.entries[static_cast<std::size_t>(n)].text))
        n = commands.count();
    if (n < commands.count()) {
        ChooseAndConfirm(game, actor, commands.entries[static_cast<std::size_t>(n)]);
        return false;
    }
    if (!HasUsableItem(game.form.ItemPrev)) {
        ChooseAndConfirm(game, actor, kFightCommand);
        return false;
    }
    LendItem(game, actor);
    return true;
}

// A choice that found no target gives its lent item back at once: otherwise every failed choice
// would leave the summoner one item richer, and the marker of a tool would make the end of the
// action take the summoner's own top item instead.
void TakeBackLentItem(Game& game, SlotIndex actor) {
    ListBox& items = game.form.Item[At(actor)];
    if (items.count() > 0) RemoveEntry(items, 0);
    game.form.Exi.caption = kSummonStarted;
}

constexpr int kSummonRounds = 8;

// Chooses until a choice finds a sensible target; failing that, a plain attack.
void AimSummonedAction(Game& game, SlotIndex actor) {
    for (int round = 0; round < kSummonRounds; ++round) {
        const bool lent = ChooseSummonedAction(game, actor);
        RandomiseTarget(game);
        if (CursorState(game, game.targetSlot) == 10) return;
        if (lent) TakeBackLentItem(game, actor);
    }
    TargetKey(game, game.targetSlot, kKey0);
    if (game.form.Item[At(actor)].visible) ToggleStatusView(game, actor);
    ChooseAndConfirm(game, actor, kFightCommand);
    RandomiseTarget(game);
}

// The width of the window's client area, which the summoned picture enters from outside.
constexpr int kWindowWidth = 712;
constexpr int kSlideStep = 19;

// The summoned picture slides in from the actor's edge of the window to stand over the actor.
void SlideInSummon(Game& game, SlotIndex actor) {
    Form& form = game.form;
    Rect& picture = form.ViewUnder[kPreviewSlot].rect;
    const Rect& own = form.ViewUnder[At(actor)].rect;
    picture.top += form.ViewFrame[At(actor)].rect.top - form.ViewFrame[kPreviewSlot].rect.top;
    const int side = SideOf(actor);
    const int direction = side == 0 ? 1 : -1;
    picture.left = side * kWindowWidth - direction * picture.width;
    form.ViewUnder[kPreviewSlot].visible = true;
    const auto x = static_cast<int>(Int(own.left + (own.width - picture.width) * 0.5));
    while (std::abs(x - picture.left) > kSlideStep) {
        picture.left += direction * kSlideStep;
        game.platform.repaint();
        game.platform.pause(form.Idou.value * 2 - 2);
    }
    picture.left = x;
}

// A picture analysed from a random file of the folder into the preview slot; false when it fails
// to load.
bool CallPicture(Game& game) {
    ListBox& files = game.form.File1;
    files.selected = -1;
    files.selected = DrawIndex(game, files.count());
    game.previewPicturePath = files.entries[static_cast<std::size_t>(files.selected)].text;
    game.form.View[kPreviewSlot].visible = false;
    AnalysePicture(game);
    return game.form.View[kPreviewSlot].visible;
}

// The actor fights with the summoned fighter's numbers and equipment; its own equipment names are
// kept in the entry panel's captions until the end of the action gives them back.
void BorrowSummonedFighter(Game& game, SlotIndex actor) {
    FighterTable& f = game.f;
    const auto a = At(actor);
    const auto p = At(kPreviewSlot);
    f.attack[a] = f.attack[p];
    f.spirit[a] = f.spirit[p];
    f.speed[a] = f.speed[p];
    game.form.Scouting.caption = f.weapon[a];
    game.form.ChartLabel.caption = f.accessory[a];
    f.weapon[a] = f.weapon[p];
    f.accessory[a] = f.accessory[p];
}

// A failed call leaves this alone in the actor's box, without a line break.
constexpr std::string_view kSummonMiss = "ミス！";

// The MP is spent even when no picture answers the call.
void Summon(Game& game, Action& action) {
    const SlotIndex actor = action.actor;
    SetMp(game, actor, static_cast<double>(MpOf(game, actor) - game.mpCost));
    if (game.form.File1.count() == 0) {
        game.form.Message[At(actor)].text = kSummonMiss;
        return;
    }
    const int ownWidth = game.form.ViewUnder[At(actor)].rect.width;
    game.form.ViewUnder[kPreviewSlot].rect.width = ownWidth;
    game.form.ViewUnder[kPreviewSlot].rect.height = ownWidth;
    if (!CallPicture(game)) {
        game.form.Message[At(actor)].text = kSummonMiss;
        return;
    }
    SlideInSummon(game, actor);
    game.phase = static_cast<std::int16_t>(actor + 10);
    game.form.Exi.caption = kSummonStarted;
    BorrowSummonedFighter(game, actor);
    AimSummonedAction(game, actor);
    ClickTarget(game, game.targetSlot);
}

// key                  handler
constexpr std::array kHandlers{
    KeyHandler{kHandItemCommand, GiveItem}, KeyHandler{"ぼっ", SellItem},  KeyHandler{"天使", TakeItems},
    KeyHandler{"ニュ", ShuffleItems},       KeyHandler{"ユグ", WorldTree}, KeyHandler{"もの", Mimic},
    KeyHandler{kSummonCommand, Summon},     KeyHandler{"アア", Frenzy},
};

} // namespace

std::span<const KeyHandler> ItemHandlingHandlers() {
    return kHandlers;
}

} // namespace vk2
