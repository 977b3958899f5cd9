#include "play/manual_input.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "battle/clock.h"
#include "battle/counters.h"
#include "battle/item_transfer.h"
#include "battle/messages.h"
#include "battle/resolution.h"
#include "battle/targeting.h"
#include "core/numbers.h"
#include "core/text.h"
#include "model/command_catalogue.h"
#include "model/commands.h"
#include "model/equipment.h"
#include "model/game.h"
#include "model/item_descriptions.h"
#include "model/status_sheet.h"
#include "model/types.h"

namespace vk2 {
namespace {

inline constexpr std::string_view kShowStatusCaption = "ｽﾃｰﾀｽ参照";

// The status sheet slides inside its frame between these tops.
inline constexpr std::array<int, 3> kSheetTops = {0, -77, -152};
inline constexpr int kSheetFoldedHeight = 96;
inline constexpr int kSheetOpenHeight = 246;
inline constexpr int kSheetOpenLeft = -2;

inline constexpr int kAutoMenuSeparator = 3;

bool HasItems(const Game& game, SlotIndex slot) {
    return game.form.Item[slot].count() > 0;
}

void SelectCommandEntry(Game& game, SlotIndex slot, int index) {
    game.form.Command[slot].selected = index;
    ShowCommandDescription(game, slot);
}

void SelectItemEntry(Game& game, SlotIndex slot, int index) {
    game.form.Item[slot].selected = index;
    ShowItemDescription(game, slot);
}

// Keys 2 and 5 step down and up a list, never past its ends.
bool SelectNext(ListBox& list) {
    if (list.selected >= list.count() - 1) return false;
    ++list.selected;
    return true;
}

bool SelectPrevious(ListBox& list) {
    if (list.selected <= 0) return false;
    --list.selected;
    return true;
}

void ReturnToCommands(Game& game, SlotIndex slot) {
    ToggleStatusView(game, slot);
    if (game.form.Command[slot].selected >= 0) ShowCommandDescription(game, slot);
    GiveFocus(game, FocusControl::Command, slot);
}

// The first key that starts choosing a target: the other side for a command aimed at enemies,
// a neighbour for one aimed at an ally.
void StartTargetChoice(Game& game, SlotIndex slot) {
    GiveFocus(game, FocusControl::ViewUnder, slot);
    HoverSlot(game, slot);
    const int code = game.actionCode;
    if (code >= 100 && code <= 199)
        TargetKey(game, slot, 3 - 2 * (slot / 3));
    else if (code == 98)
        TargetKey(game, slot, slot == 0 || slot == 3 ? kKey2 : kKey5);
}

int SheetPosition(const TextBox& sheet) {
    for (std::size_t i = 0; i < kSheetTops.size(); ++i)
        if (sheet.rect.top == kSheetTops[i]) return static_cast<int>(i);
    return 0;
}

void PlaceSheet(Game& game, SlotIndex slot, int position) {
    TextBox& sheet = game.form.Status[slot];
    sheet.rect.top = kSheetTops[static_cast<std::size_t>(position)];
    const bool folded = position == 0;
    sheet.rect.height = folded ? kSheetFoldedHeight : kSheetOpenHeight;
    sheet.rect.left = folded ? 0 : kSheetOpenLeft;
    game.form.StatusUnder[slot].borderStyle = folded ? 0 : 1;
}

void ScrollSheet(Game& game, SlotIndex slot, int key) {
    constexpr int kLowest = static_cast<int>(kSheetTops.size()) - 1;
    const int position = SheetPosition(game.form.Status[slot]);
    if (key == kKey2 || key == kKey3) {
        PlaceSheet(game, slot, std::min(position + 1, kLowest));
    } else if (position > 0) {
        PlaceSheet(game, slot, position - 1);
    } else {
        if (key == kKey5) GiveFocus(game, FocusControl::WinCh, slot);
        PlaceSheet(game, slot, 0);
    }
}

MenuItem* AutoMenuItem(Game& game, SlotIndex slot) {
    return game.form.menus.find("mnuAuto", slot < 3 ? slot : slot + 1);
}

void ShowMode(Game& game, SlotIndex slot, bool automatic) {
    TextBox& mode = game.form.Mode[slot];
    mode.text = automatic ? "Auto" : "Manual";
    mode.backColour = automatic ? kBlack : kWhite;
}

std::int32_t ParseNumber(const std::string& text) {
    std::int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool MusicChosen(Game& game) {
    for (int i = 1; i <= 10; ++i) {
        const MenuItem* item = game.form.menus.find("mnuBGM", i);
        if (item != nullptr && item->checked) return true;
    }
    return false;
}

} // namespace

int ReduceKey(int keyCode) {
    return static_cast<int>(ModPositive(keyCode, 48));
}

std::string SelectedCommand(const Game& game, SlotIndex slot) {
    const ListBox& list = game.form.Command[slot];
    if (list.selected < 0 || list.selected >= list.count()) return {};
    return list.entries[static_cast<std::size_t>(list.selected)].text;
}

bool IsItemCommand(std::string_view command) {
    static constexpr std::array<std::string_view, 5> kItemCommands = {kUseItemCommand, kHandItemCommand,
                                                                      "ゾロアスター", "黒ミサ", "ぼったくり"};
    return std::find(kItemCommands.begin(), kItemCommands.end(), command) != kItemCommands.end();
}

void GiveFocus(Game& game, FocusControl control, SlotIndex slot) {
    if (IsOwnWindowActive(game)) game.form.focus = {control, slot};
}

void CommandListKey(Game& game, SlotIndex slot, int keyCode) {
    if (!IsBattleSlot(slot)) return;
    ListBox& list = game.form.Command[slot];
    switch (ReduceKey(keyCode)) {
    case kKey0:
        ToggleStatusView(game, slot);
        GiveFocus(game, FocusControl::Status, slot);
        break;
    case kKey1:
    case kKey3:
    case kKeyEnter:
        ConfirmCommand(game, slot);
        break;
    case kKey2:
        if (SelectNext(list)) ShowCommandDescription(game, slot);
        break;
    case kKey5:
        if (SelectPrevious(list)) {
            ShowCommandDescription(game, slot);
        } else {
            list.selected = -1;
            GiveFocus(game, FocusControl::WinCh, slot);
        }
        break;
    case kKeySpace:
        TogglePause(game);
        break;
    default:
        break;
    }
}

void ItemListKey(Game& game, SlotIndex slot, int keyCode) {
    if (!IsBattleSlot(slot)) return;
    ListBox& list = game.form.Item[slot];
    const bool canSwitch = game.form.WinCh[slot].enabled;
    switch (ReduceKey(keyCode)) {
    case kKey0:
        if (canSwitch) {
            ToggleStatusView(game, slot);
            GiveFocus(game, FocusControl::Command, slot);
        }
        break;
    case kKeyEnter:
        ConfirmItem(game, slot);
        break;
    case kKey2:
        if (SelectNext(list)) ShowItemDescription(game, slot);
        break;
    case kKey5:
        if (canSwitch && list.selected <= 0) {
            list.selected = -1;
            GiveFocus(game, FocusControl::WinCh, slot);
        } else if (SelectPrevious(list)) {
            ShowItemDescription(game, slot);
        }
        break;
    case kKeySpace:
        TogglePause(game);
        break;
    case kKeyPeriod:
        DiscardSelectedItem(game);
        break;
    default:
        break;
    }
}

void StatusSheetKey(Game& game, SlotIndex slot, int keyCode) {
    if (!IsBattleSlot(slot)) return;
    switch (const int key = ReduceKey(keyCode)) {
    case kKey0:
    case kKeyEnter:
        ReturnToCommands(game, slot);
        break;
    case kKey1:
    case kKey2:
    case kKey3:
    case kKey5:
        ScrollSheet(game, slot, key);
        break;
    case kKeySpace:
        TogglePause(game);
        break;
    default:
        break;
    }
}

void StatusButtonKey(Game& game, SlotIndex slot, int keyCode) {
    if (!IsBattleSlot(slot)) return;
    switch (ReduceKey(keyCode)) {
    case kKey0:
    case kKey1:
    case kKey3:
        ToggleStatusView(game, slot);
        break;
    case kKey2:
        if (game.form.Item[slot].visible) {
            GiveFocus(game, FocusControl::Item, slot);
        } else if (game.form.Command[slot].visible) {
            if (game.form.Command[slot].selected < 0) SelectCommandEntry(game, slot, 0);
            GiveFocus(game, FocusControl::Command, slot);
        } else {
            GiveFocus(game, FocusControl::Status, slot);
        }
        break;
    case kKeySpace:
        TogglePause(game);
        break;
    default:
        break;
    }
}

void ModeKey(Game& game, SlotIndex slot, int keyCode) {
    if (ReduceKey(keyCode) == kKeyEnter) {
        if (CursorState(game, slot) == 10)
            ClickTarget(game, slot);
        else
            ToggleMode(game, slot);
    } else if (game.phase > 8) {
        TargetKey(game, slot, keyCode);
    }
}

void ToggleStatusView(Game& game, SlotIndex slot) {
    Form& form = game.form;
    if (form.WinCh[slot].caption != kShowStatusCaption) {
        form.WinCh[slot].caption = kShowStatusCaption;
        CollapseStatusSheet(game, slot);
        form.Command[slot].visible = true;
        if (form.Item[slot].visible) {
            form.Item[slot].visible = false;
            ShowCommandDescription(game, slot);
            GiveFocus(game, FocusControl::Command, slot);
        }
        return;
    }
    form.Command[slot].visible = false;
    form.Message[slot].visible = false;
    form.WinCh[slot].caption = kShowCommandsCaption;
    form.Status[slot].text =
        BuildStatusSheet(game, kSheetAbilities) + BuildStatusSheet(game, kSheetEquipment);
}

void ConfirmCommand(Game& game, SlotIndex slot) {
    if (game.form.Command[slot].selected < 0) game.form.Command[slot].selected = 0;
    ShowCommandDescription(game, slot);
    if (IsItemCommand(SelectedCommand(game, slot))) {
        GiveFocus(game, FocusControl::ViewUnder, slot);
        OpenItemList(game, slot);
        return;
    }
    StartTargetChoice(game, slot);
}

void OpenItemList(Game& game, SlotIndex slot) {
    if (!IsBattleSlot(slot)) return;
    Form& form = game.form;
    const SlotIndex acting = game.phase % 10;
    if (acting < 6) form.Message[acting].visible = true;
    form.HScroll.visible = false;
    form.VScroll.visible = false;
    if (game.f.counter(slot, kItemBanCounter) != 0 || !HasItems(game, slot) ||
        !IsItemCommand(SelectedCommand(game, slot)))
        return;
    form.Item[slot].visible = true;
    form.Item[slot].selected = -1;
    form.WinCh[slot].caption = kShowCommandsCaption;
    SelectItemEntry(game, slot, 0);
    if (!form.Exi.caption.empty()) return; // a summoned fighter is using the list
    form.Chara[slot].visible = true;
    GiveFocus(game, FocusControl::Item, slot);
}

void ConfirmItem(Game& game, SlotIndex slot) {
    const ListBox& list = game.form.Item[slot];
    if (list.selected < 0) return;
    const std::int32_t code = list.entries[static_cast<std::size_t>(list.selected)].number;
    const bool equipment = code == kItemAccessory || code > 9;
    if (equipment && SelectedCommand(game, slot) == kUseItemCommand) {
        ClickItemEntry(game, slot);
        return;
    }
    StartTargetChoice(game, slot);
}

void DiscardSelectedItem(Game& game) {
    // Only the fighter whose turn it is can be handing an item over; between turns the last
    // choice of a list must not cost an item.
    if (game.phase < 10) return;
    const SlotIndex s = game.phase % 10;
    if (!IsBattleSlot(s)) return;
    const ListBox& commands = game.form.Command[s];
    if (commands.selected != commands.count() - 3 || game.form.Item[s].selected < 0) return;
    // The transfer itself brings the command list back once the bag is empty.
    TransferItem(game, s, kDiscardItem);
    if (HasItems(game, s)) SelectItemEntry(game, s, 0);
}

void CollapseStatusSheet(Game& game, SlotIndex slot) {
    if (game.form.Status[slot].rect.height == kSheetOpenHeight) PlaceSheet(game, slot, 0);
}

void ToggleMode(Game& game, SlotIndex slot) {
    MenuItem* item = AutoMenuItem(game, slot);
    if (item == nullptr) return;
    item->checked = !item->checked;
    ShowMode(game, slot, item->checked);
    if (game.phase == 10 + slot) {
        game.form.Chara[slot].visible = false;
        game.phase = kPhaseClockRuns; // the clock goes on and the automatic player takes the turn
    }
}

void ToggleAutoMenu(Game& game, int position) {
    if (position < 0 || position > 6 || position == kAutoMenuSeparator) return;
    ToggleMode(game, position < 3 ? position : position - 1);
}

void ClearTargetMarks(Game& game) {
    Form& form = game.form;
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        form.Cursor[s].visible = false;
        form.CursorTail[s].visible = false;
        form.Cursor[s].foreColour = kWhite;
    }
    form.HScroll.visible = false;
    form.VScroll.visible = false;
    if (LeaveBackgroundChoice(game)) GiveFocus(game, FocusControl::LetsClose);
}

void ReturnToPanel(Game& game, SlotIndex slot) {
    Form& form = game.form;
    for (SlotIndex s = 0; s < kBattleSlots; ++s) {
        form.Cursor[s].visible = false;
        form.CursorTail[s].visible = false;
    }
    if (game.phase != 10 + slot || game.f.messageOffset[slot] != 0) return;
    PlaceMessageBox(game, slot, 1);
    form.Chara[slot].visible = true;
    if (form.Item[slot].visible) {
        ShowItemDescription(game, slot);
        GiveFocus(game, FocusControl::Item, slot);
    } else if (form.Command[slot].visible) {
        ShowCommandDescription(game, slot);
        GiveFocus(game, FocusControl::Command, slot);
    }
}

void EndBackgroundChoice(Game& game) {
    game.form.Scouting.rect.height = kEntryPanelHeight;
}

void ClickTarget(Game& game, SlotIndex slot) {
    game.targetSlot = static_cast<std::int16_t>(slot);
    ResolveClickedAction(game, slot);
}

void TogglePause(Game& game) {
    if (game.phase < 9) return;
    Menu* pause = game.form.menus.findMenu("mnuPause");
    if (pause == nullptr) return;
    if (pause->caption == "ポーズ") {
        const std::string position = game.platform.musicCommand("Status bgm position");
        game.platform.musicCommand("Stop bgm");
        if (MusicChosen(game)) game.musicPausePosition = ParseNumber(position);
        game.musicPlaying = 0;
        pause->caption = "再開";
        game.form.ATB.enabled = false;
    } else {
        game.platform.musicCommand("Play bgm from " + Num(game.musicPausePosition - 4) + " notify");
        game.musicPlaying = 1;
        pause->caption = "ポーズ";
        game.form.ATB.enabled = true;
    }
    GiveFocus(game, FocusControl::LetsClose);
}

} // namespace vk2
