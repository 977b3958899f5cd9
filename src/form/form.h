// Every control the rules touch, owned by the game for its whole life.
#pragma once

#include <array>

#include "form/controls.h"
#include "form/menus.h"
#include "model/fighter_table.h"

namespace vk2 {

// The controls that take the keyboard focus during a battle.
enum class FocusControl { None, Command, Item, Status, WinCh, ViewUnder, Mode, LetsClose, ReadyGo };

struct Focus {
    FocusControl control = FocusControl::None;
    int slot = -1;
    bool operator==(const Focus&) const = default;
};

struct ScrollBar {
    bool visible = false;
    Rect rect{};
    int max = 0;
    int largeChange = 1;
    int value = 0;
};

// A slider; the speed slider's value times 3 is the wait in ms of each hit animation frame.
struct Slider {
    int value = 5;
    int min = 1;
    int max = 10;
};

// The hit animation in progress, for the window to draw: the frame reached, the blink of the
// frames between two colours (the marker 1 blinks by transparency instead) and how far each
// picture stands shaken from its place.
struct ActionEffect {
    bool running = false;
    int frame = 0;
    int frames = 0;
    int halfPeriod = 0;
    Colour colourA = 0;
    Colour colourB = 0;
    PerSlot<bool> animated{};
    PerSlot<bool> transparent{};
    PerSlot<int> shakeLeft{};
    PerSlot<int> shakeTop{};
};

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
    // Pan a picture shown at its natural size.
    ScrollBar HScroll{};
    ScrollBar VScroll{};

    // The entry panel: status sheet boxes and the two entry buttons (front row, back row).
    Frame Scouting{1, kBlack, true, {0, 0, 356, 456}}; // 224 high while a background is chosen
    TextBox StatusPrev;
    TextBox StatusPrev2;
    std::array<Button, 2> LetsOpen{Button{"後列"}, Button{"前列"}}; // back row, front row
    Button LetsClose{"キャンセル"};
    // The title over the entry panel's chart; it also keeps the summoner's accessory while a
    // summoned fighter acts.
    Label ChartLabel{"チャート"};
    // The picture browser's file list: the pictures of the folder shown.
    ListBox File1{};

    MenuBar menus = InitialMenuBar();

    // Moved only while the game window is the active window.
    Focus focus{};

    // The processing-speed slider.
    Slider Idou{};
    ActionEffect actionEffect{};
};

} // namespace vk2
