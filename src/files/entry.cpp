#include "files/entry.h"

#include <array>

#include "battle/clock.h"
#include "battle/messages.h"
#include "core/text.h"
#include "model/accessories.h"
#include "model/command_tables.h"
#include "model/commands.h"
#include "model/elements.h"
#include "model/equipment.h"
#include "model/game.h"
#include "model/weapons.h"

namespace vk2 {
namespace {

// Hit points a front-row fighter brings for every magic point.
constexpr double kFrontRowHpPerMp = 81;
constexpr std::uint8_t kEntryTension = 50;

// The dream of the handkerchief starts the moment its wearer enters.
constexpr int kDreamCounter = 29;
constexpr std::uint8_t kDreamOn = 2;

constexpr Rect kStatusViewRect{0, 0, 0, 96};
constexpr Colour kWindowBackground = kWhite;
constexpr const char* kEntryLine = "入場！";

// The menus whose slot items become usable once the slot holds a fighter.
constexpr std::array<const char*, 3> kSlotMenus{"mnuClose", "mnuSave", "mnuRecover"};
constexpr int kBothSidesItem = 10;

int SideItem(SlotIndex slot) {
    return SideOf(slot) * 5 + 3;
}

void ShowOnField(Game& game, SlotIndex slot) {
    Form& form = game.form;
    form.ViewUnder[kPreviewSlot].visible = false;
    form.ViewFrame[slot].borderStyle = 0;
    form.ViewFrame[slot].borderColour = ElementColour(game.f.element[kPreviewSlot]);
    form.ViewUnder[slot].visible = true;
    form.View[slot].visible = true;
    form.HPMP[slot].backColour = kWindowBackground;
}

void CopyProfile(Game& game, SlotIndex slot) {
    FighterTable& f = game.f;
    constexpr SlotIndex p = kPreviewSlot;
    f.filePath[slot] = f.filePath[p];
    f.pictureWidth[slot] = f.pictureWidth[p];
    f.pictureHeight[slot] = f.pictureHeight[p];
    f.digitCode[slot] = f.digitCode[p];
    f.redSum[slot] = f.redSum[p];
    f.greenSum[slot] = f.greenSum[p];
    f.blueSum[slot] = f.blueSum[p];
    f.level[slot] = f.level[p];
    f.maxHp[slot] = f.maxHp[p];
    f.maxMp[slot] = f.maxMp[p];
    game.form.HP[slot].text = Num(f.maxHp[slot]);
    game.form.MP[slot].text = Num(f.maxMp[slot]);
    f.attack[slot] = f.attack[p];
    f.defense[slot] = f.defense[p];
    f.speed[slot] = f.speed[p];
    f.spirit[slot] = f.spirit[p];
    f.baseLevel[slot] = f.level[slot];
    f.baseMaxHp[slot] = f.baseMaxHp[p];
    f.baseMaxMp[slot] = f.baseMaxMp[p];
    f.baseAttack[slot] = f.baseAttack[p];
    f.baseDefense[slot] = f.baseDefense[p];
    f.baseSpeed[slot] = f.baseSpeed[p];
    f.baseSpirit[slot] = f.baseSpirit[p];
    f.equipHp[slot] = f.equipHp[p];
    f.equipMp[slot] = f.equipMp[p];
    f.equipAttack[slot] = f.equipAttack[p];
    f.equipDefense[slot] = f.equipDefense[p];
    f.equipSpeed[slot] = f.equipSpeed[p];
    f.equipSpirit[slot] = f.equipSpirit[p];
    f.element[slot] = f.element[p];
    f.baseElement[slot] = f.element[slot];
}

void ResetBattleState(Game& game, SlotIndex slot) {
    FighterTable& f = game.f;
    constexpr SlotIndex p = kPreviewSlot;
    f.hpMod[slot] = 0;
    f.mpMod[slot] = 0;
    f.attackMod[slot] = 0;
    f.defenseMod[slot] = 0;
    f.speedMod[slot] = 0;
    f.spiritMod[slot] = 0;
    f.learnedCount[slot] = 0;
    f.tension[slot] = kEntryTension;
    f.weaponElements[slot] = f.weaponElements[p];
    RecomputeAffinities(game, slot);
    f.proficiency[slot] = f.proficiency[p];
    f.equippedKind[slot] = f.equippedKind[p];
    f.weapon[slot] = f.weapon[p];
    f.accessory[slot] = f.accessory[p];
    for (int k = 0; k < kCounters; ++k) f.counter(slot, k) = 0;
}

// A side of one fighter has no back row.
void PlaceInRow(Game& game, SlotIndex slot, int row) {
    const bool front = row == kFrontRow || game.partySize[SideOf(slot)] == 1;
    game.f.position[slot] = front ? static_cast<std::uint8_t>(SideOf(slot) + 1) : SideBase(slot);
}

void PutOnEquipment(Game& game, SlotIndex slot) {
    game.form.Status[slot].rect = kStatusViewRect;
    ApplyEquipment(game, slot, kEquipRefresh);
    ApplyAccessory(game, slot, kEquipRefresh);
    if (game.f.accessory[slot] == kAliceHandkerchief) game.f.counter(slot, kDreamCounter) = kDreamOn;
}

void BuildCommandList(Game& game, SlotIndex slot) {
    ListBox& commands = game.form.Command[slot];
    commands.clear();
    // The staff's list does not follow the picture: it is built whole.
    if (game.f.weapon[slot] == kAllCommandsStaff) return AcquireCommands(game, slot);
    commands.entries = game.form.Command[kPreviewSlot].entries;
    AddBasicAndFixedCommands(game, slot, BattleBasicCommand(game, slot));
}

void ShowPanel(Game& game, SlotIndex slot) {
    Form& form = game.form;
    for (Button& button : form.LetsOpen) button.visible = false;
    const MenuItem* hide = form.menus.find("mnuNHPMP", SideOf(slot));
    const bool numbersShown = hide == nullptr || !hide->checked;
    form.HPMP[slot].visible = numbersShown;
    form.HP[slot].visible = numbersShown;
    form.MP[slot].visible = numbersShown;
    form.Mode[slot].visible = true;
    form.StPic[slot].visible = false;
    PlaceMessageBox(game, slot, 0);
    form.Message[slot].text = FighterName(game.f.filePath[slot]) + std::string(kCrLf) + kEntryLine;
    form.Item[slot].visible = false;
    form.WinCh[slot].caption = "ｽﾃｰﾀｽ参照";
}

void EnableSlotMenus(Game& game, SlotIndex slot) {
    for (const char* menu : kSlotMenus)
        for (int item : {MenuIndexOfSlot(slot), SideItem(slot), kBothSidesItem})
            if (MenuItem* entry = game.form.menus.find(menu, item)) entry->enabled = true;
}

} // namespace

int AutoRow(const Game& game) {
    const FighterTable& f = game.f;
    const bool sturdy = f.baseMaxHp[kPreviewSlot] / kFrontRowHpPerMp >= f.baseMaxMp[kPreviewSlot];
    return sturdy && f.longReach[kPreviewSlot] != 1 ? kFrontRow : kBackRow;
}

std::string FighterName(const std::string& path) {
    const std::size_t folderEnd = path.find_last_of("\\/");
    const std::string file = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
    const std::size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

void EnterFighter(Game& game, SlotIndex slot, int row) {
    if (!IsBattleSlot(slot)) return;
    ShowOnField(game, slot);
    CopyProfile(game, slot);
    ResetBattleState(game, slot);
    PlaceInRow(game, slot, row);
    PutOnEquipment(game, slot);
    game.form.Item[slot].entries = game.form.ItemPrev.entries;
    game.form.Item[slot].selected = -1;
    BuildCommandList(game, slot);
    ShowPanel(game, slot);
    EnableSlotMenus(game, slot);
    CheckSidesReady(game, SideOf(slot));
    game.phase = kPhaseNoBattle;
}

} // namespace vk2
