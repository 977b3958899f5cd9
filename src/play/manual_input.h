// The player's side of a turn: choosing a command or an item in the side panel, switching the
// panel to the status sheet, switching a fighter between manual and automatic play, and the mouse
// moves that clear the target marks. Every key handler reduces the key's code modulo 48, so the
// digit keys, Enter (13) and Space (32) are the keys meant and no list box searches by letter.
#pragma once

#include <string>
#include <string_view>

#include "form/form.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Game;

// Key values after the reduction modulo 48.
enum KeyValue : int {
    kKey0 = 0,
    kKey1 = 1,
    kKey2 = 2,
    kKey3 = 3,
    kKey5 = 5,
    kKeyEnter = 13,
    kKeySpace = 32,
    kKeyPeriod = 46,
};

// The value a key handler acts on: the character code modulo 48.
int ReduceKey(int keyCode);

// The entry panel's height in its entry layout; 224 while a background is being chosen.
inline constexpr int kEntryPanelHeight = 456;
// The caption of WinCh while the panel shows the status sheet (a click brings the commands back).
inline constexpr std::string_view kShowCommandsCaption = "ｺﾏﾝﾄﾞ選択";

// The text of the slot's selected command, empty when none is selected.
std::string SelectedCommand(const Game& game, SlotIndex slot);

// The commands that go on to choose an item from the item list.
bool IsItemCommand(std::string_view command);

// Moves the keyboard focus, but only while the game window is the active window.
void GiveFocus(Game& game, FocusControl control, SlotIndex slot = -1);

// Key handlers of Command(slot), Item(slot), Status(slot), WinCh(slot) and Mode(slot).
void CommandListKey(Game& game, SlotIndex slot, int keyCode);
void ItemListKey(Game& game, SlotIndex slot, int keyCode);
void StatusSheetKey(Game& game, SlotIndex slot, int keyCode);
void StatusButtonKey(Game& game, SlotIndex slot, int keyCode);
void ModeKey(Game& game, SlotIndex slot, int keyCode);

// The WinCh click: between the command (or item) list and the status sheet.
void ToggleStatusView(Game& game, SlotIndex slot);

// Enter on the command list: an item command opens the item list, any other starts choosing its
// target.
void ConfirmCommand(Game& game, SlotIndex slot);

// The mouse released over the command list: an item command shows the item list.
void OpenItemList(Game& game, SlotIndex slot);

// Enter on the item list: equipment is put on or taken off, anything else starts choosing a target.
void ConfirmItem(Game& game, SlotIndex slot);

// A click on the window background while handing an item over throws the selected item away.
void DiscardSelectedItem(Game& game);

// The mouse released over a scrolled status sheet folds it back to its top.
void CollapseStatusSheet(Game& game, SlotIndex slot);

// The Mode click: flips the slot between manual and automatic play; the fighter whose turn it is
// leaves the turn to the automatic player.
void ToggleMode(Game& game, SlotIndex slot);
// The click on menu item mnuAuto(position): positions 0-2 and 4-6 stand for slots 0-2 and 3-5.
void ToggleAutoMenu(Game& game, int position);

// The mouse over the window background, the background picture or a side panel.
void ClearTargetMarks(Game& game);
// The mouse over slot's message box: the marks go, and the acting fighter's panel comes back.
void ReturnToPanel(Game& game, SlotIndex slot);
// The entry panel leaves its background-choice layout.
void EndBackgroundChoice(Game& game);

// A click on slot's picture or on its mark.
void ClickTarget(Game& game, SlotIndex slot);

// The "ポーズ" menu: pauses or resumes a running battle and its music.
void TogglePause(Game& game);

} // namespace vk2
