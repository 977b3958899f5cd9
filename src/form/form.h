// Every control the rules touch, owned by the game for its whole life.
#pragma once

#include <array>

#include "form/controls.h"
#include "form/menus.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Form {
    Form();

    // Per-slot lists: commands (cost code per entry) and items (item code per entry).
    PerSlot<ListBox> Command{};
    PerBattleSlot<ListBox> Item{};
    ListBox ItemPrev; // the preview candidate's items

    // Current HP and MP are the texts of these boxes.
    PerBattleSlot<TextBox> HP{};
    PerBattleSlot<TextBox> MP{};

    // The picture frame of each slot; its border colour is the fighter's element colour.
    PerSlot<Frame> ViewFrame{};
    // The picture itself; "on the field" is its visibility.
    PerSlot<Frame> View{};
    PerSlot<Frame> ViewUnder{};

    // Each battle slot's message box: battle text and item descriptions.
    PerBattleSlot<TextBox> Message{};

    // The tension bar; its width shows the tension, its colour the tension band.
    PerBattleSlot<Label> TGage{};
    // The status icon box inside the picture area.
    PerBattleSlot<Frame> StPic{};
    // Target cursors ("◆", white while valid) and the markers beside the frames.
    PerBattleSlot<Label> Cursor{};
    PerBattleSlot<Label> CursorTail{};
    // "Manual" or "Auto".
    PerBattleSlot<TextBox> Mode{};
    // The labels of the HP and MP numbers; a window-text background hides the numbers for good.
    PerBattleSlot<TextBox> HPMP{};
    // The side panel holding the command and item lists, the status view and its switch.
    PerBattleSlot<Frame> Chara{};
    PerBattleSlot<Button> WinCh{};
    PerBattleSlot<Frame> StatusUnder{};
    PerBattleSlot<TextBox> Status{};

    // The window itself: its caption, its background colour (the marker of a field effect) and
    // the background picture.
    std::string caption = "Vellumark2";
    Colour backColour = kButtonFace;
    Frame Field{};
    // The tiny cancel button at the right edge; its caption and visibility also carry flags
    // between commands.
    Button Exi{};
    Button ReadyGo{"戦闘開始！", false};
    Timer ATB{};
    Frame HScroll{};
    Frame VScroll{};

    // The entry panel: status sheet boxes and the two entry buttons (front row, back row).
    Frame Scouting{};
    TextBox StatusPrev;
    TextBox StatusPrev2;
    std::array<Button, 2> LetsOpen{Button{"後列"}, Button{"前列"}}; // back row, front row
    Button LetsClose{"キャンセル"};

    MenuBar menus = InitialMenuBar();
};

} // namespace vk2
