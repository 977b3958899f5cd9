// The window's menu bar as data: every item with its caption, shortcut, check mark and enabled
// state. Per-slot menus share one numbering of eleven items: 0-2 left members, 3 the whole left
// side, 5-7 right members, 8 the whole right side, 10 both sides (4 and 9 are separators).
#pragma once

#include <string>
#include <vector>

namespace vk2 {

struct MenuItem {
    std::string name; // the control array's name, e.g. "mnuOpen"
    int index = -1;   // position within the array, -1 for single items
    std::string caption;
    std::string shortcut{}; // "F1", "Ctrl+Shift+F1", empty for none
    bool checked = false;
    bool enabled = true;
    bool isSeparator() const { return caption == "-"; }
};

struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items; // empty for a top-level item that acts itself ("ポーズ")
    bool enabled = true;
};

struct MenuBar {
    std::vector<Menu> menus;

    // The item `name`(`index`), or nullptr when there is none.
    MenuItem* find(const std::string& name, int index = -1);
    Menu* findMenu(const std::string& name);
};

// The menu bar as the window opens it.
MenuBar InitialMenuBar();

// Slot of a single-slot menu index (0-2 -> 0-2, 5-7 -> 3-5).
inline int SlotOfMenuIndex(int index) {
    return index < 3 ? index : index - 2;
}
inline int MenuIndexOfSlot(int slot) {
    return slot + 2 * (slot / 3);
}

} // namespace vk2
