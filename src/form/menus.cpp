#include "form/menus.h"

#include <array>

namespace vk2 {
namespace {

// Captions of the eleven-item per-slot numbering.
constexpr std::array<const char*, 11> kSlotCaptions = {
    "左 １", "左 ２", "左 ３", "左 全員", "-", "右 １", "右 ２", "右 ３", "右 全員", "-", "左右 全員"};
constexpr std::array<const char*, 11> kSlotKeys = {"F1", "F2", "F3", "F4", "",  "F5",
                                                   "F6", "F7", "F8", "",   "F9"};

// One per-slot menu: its items take the shared captions, and keys with the given modifier prefix.
std::vector<MenuItem> SlotItems(const std::string& name, const std::string& modifiers, bool enabled) {
    std::vector<MenuItem> items;
    for (int i = 0; i < 11; ++i) {
        const std::string key = kSlotKeys[i];
        items.push_back({name, i, kSlotCaptions[i], key.empty() ? "" : modifiers + key, false, enabled});
    }
    return items;
}

std::vector<MenuItem> SevenItems(const std::string& name, const std::array<const char*, 7>& captions,
                                 const std::array<const char*, 7>& keys) {
    std::vector<MenuItem> items;
    for (int i = 0; i < 7; ++i) items.push_back({name, i, captions[i], keys[i]});
    return items;
}

std::vector<MenuItem> MusicItems() {
    constexpr std::array<const char*, 11> keys = {"Ctrl+P", "Ctrl+Y", "Ctrl+U", "Ctrl+I", "Ctrl+O", "Ctrl+H",
                                                  "Ctrl+J", "Ctrl+K", "Ctrl+L", "Ctrl+N", "Ctrl+M"};
    std::vector<MenuItem> items;
    for (int i = 0; i < 11; ++i) items.push_back({"mnuBGM", i, i == 0 ? "なし" : "", keys[i], i == 0});
    items.push_back({"mnuSEoff", -1, "効果音オフ", "Ctrl+T"});
    return items;
}

} // namespace

MenuItem* MenuBar::find(const std::string& name, int index) {
    for (Menu& menu : menus)
        for (MenuItem& item : menu.items)
            if (item.name == name && item.index == index) return &item;
    return nullptr;
}

Menu* MenuBar::findMenu(const std::string& name) {
    for (Menu& menu : menus)
        if (menu.name == name) return &menu;
    return nullptr;
}

MenuBar InitialMenuBar() {
    MenuBar bar;
    Menu open{"mnuOpens", "入場", SlotItems("mnuOpen", "", true)};
    open.items.push_back({"mnuSainyu", -1, "全員再入場", "F12"});
    Menu close{"mnuCloses", "退場", SlotItems("mnuClose", "Ctrl+", false)};
    close.items.push_back({"mnuQuit", -1, "終了", "Ctrl+F12"});
    bar.menus.push_back(std::move(open));
    bar.menus.push_back(std::move(close));
    bar.menus.push_back({"mnuSaves", "セーブ", SlotItems("mnuSave", "Shift+", false)});
    bar.menus.push_back({"mnuRecovers", "回復", SlotItems("mnuRecover", "Ctrl+Shift+", false)});
    bar.menus.push_back({"mnuAutos", "オート",
                         SevenItems("mnuAuto", {"左 Ａ", "左 Ｂ", "左 Ｃ", "-", "右 Ａ", "右 Ｂ", "右 Ｃ"},
                                    {"Ctrl+Q", "Ctrl+A", "Ctrl+Z", "", "Ctrl+W", "Ctrl+S", "Ctrl+X"})});
    Menu sizes{"mnuNinzus", "人数",
               SevenItems("mnuNinzu", {"左 １人", "左 ２人", "左 ３人", "-", "右 １人", "右 ２人", "右 ３人"},
                          {"Ctrl+E", "Ctrl+D", "Ctrl+C", "", "Ctrl+R", "Ctrl+F", "Ctrl+V"})};
    sizes.items[1].checked = true; // two members a side until the settings say otherwise
    sizes.items[5].checked = true;
    bar.menus.push_back(std::move(sizes));
    bar.menus.push_back({"mnuConfig",
                         "設定",
                         {{"mnuBooty", -1, "戦利品ルール", "", true},
                          {"mnuNotLvup", -1, "レベルアップしない"},
                          {"mnuSokudo", -1, "処理速度"},
                          {"mnuFiritem", 0, "薬草支給なし"},
                          {"mnuFiritem", 1, "３個になるまで支給"},
                          {"mnuFiritem", 2, "４個になるまで支給", "", true}}});
    bar.menus.push_back({"mnuHyouji",
                         "表示",
                         {{"mnuNHPMP", 0, "左　HP/MP非表示", "Shift+F11"},
                          {"mnuNHPMP", 1, "右　HP/MP非表示", "Shift+F12"},
                          {"mnuField", -1, "背景の指定", "F11"},
                          {"mnuResize", -1, "画像のリサイズ", "Shift+Ins", true},
                          {"mnuVersion", -1, "バージョン情報", "Shift+Del"}}});
    bar.menus.push_back({"mnuBGMs", "ＢＧＭ", MusicItems()});
    bar.menus.push_back({"mnuPause", "ポーズ", {}});
    return bar;
}

} // namespace vk2
