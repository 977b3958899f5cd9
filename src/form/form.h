// Every control the rules touch, owned by the game for its whole life.
#pragma once

#include <array>

#include "form/controls.h"
#include "form/menus.h"
#include "model/fighter_table.h"

namespace vk2 {

struct Form {
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

    // The tension bar; its colour tells the tension band.
    PerBattleSlot<Label> TGage{};

    // The entry panel: status sheet boxes and the two entry buttons (front row, back row).
    TextBox StatusPrev;
    TextBox StatusPrev2;
    std::array<Button, 2> LetsOpen{Button{"後列"}, Button{"前列"}}; // back row, front row

    MenuBar menus = InitialMenuBar();
};

} // namespace vk2
